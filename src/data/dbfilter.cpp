#include "data/dbfilter.h"

#include <cmath>
#include <exception>

#include "data/constants.h"
#include "data/dbconnect.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "platform/sysutils.h"

namespace {

constexpr int MaxEntries = 10;

void RunAction(const AnsiString& sql)
{
    DBConnect::GetData()->ExecSQL(sql, false);
}

}  // namespace

bool DBFilter::Update()
{
    try {
        if (Select(SqlFilterSelect)) {
            MoveToCurrent();
            return true;
        }
    } catch (const std::exception&) {
    }
    SaveLog(GetAppPath(), "[DBFilter::Update]");
    return false;
}

void DBFilter::MoveToCurrent()
{
    Query->First();
    while (!Query->Eof() && !ReadBoolean("Cur"))
        Query->Next();
}

void DBFilter::UpdateID()
{
    try {
        if (Select(SqlFilterSelect)) {
            // The ids are positive and ascending, so each new id is at most the old
            // one and no update hits a row that is still to come.
            int filterID = 1;
            for (Query->First(); !Query->Eof(); Query->Next())
                SetFilterID(filterID++);
            return;
        }
    } catch (const std::exception&) {
    }
    SaveLog(GetAppPath(), "[DBFilter::UpdateID]");
}

void DBFilter::EraseFilter()
{
    try {
        RunAction("DELETE * FROM Filter WHERE Cur<>true");
        RunAction("UPDATE Filter SET FilterID=1 WHERE Cur=true");
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "DBFilter::EraseFilter");
    }
}

bool DBFilter::CanBack()
{
    return Query->Active() && Query->RecNo() > 1;
}

bool DBFilter::CanForward()
{
    return Query->Active() && Query->RecNo() < Query->RecordCount();
}

void DBFilter::Back(int row)
{
    Move(row, false);
}

void DBFilter::Forward(int row)
{
    Move(row, true);
}

void DBFilter::Move(int row, bool forward)
{
    if (!Query->Active())
        return;
    UpdateCursorRow("Cur=false, Row=" + IntToStr(row));
    if (forward)
        Query->Next();
    else
        Query->Prior();
    UpdateCursorRow("Cur=true");
}

void DBFilter::EnsureOpen()
{
    if (!Query->Active())
        Update();
}

void DBFilter::Truncate(int cur)
{
    if (Query->Active() && Query->RecNo() >= MaxEntries) {
        const int oldest = GetMinFilterID();
        if (oldest != 0)
            RunAction("DELETE * FROM Filter WHERE FilterID=" + IntToStr(oldest));
    }
    RunAction("DELETE * FROM Filter WHERE FilterID>" + IntToStr(cur));
    RunAction("UPDATE Filter SET Cur=false WHERE FilterID=" + IntToStr(cur));
}

bool DBFilter::AddTeam(int teamID, int seasonID)
{
    EnsureOpen();
    if (!Query->Active())
        return false;
    if (GetTeamID() == teamID && GetMode() == FilterMode::Team) {
        SetSeasonWith(seasonID);
        return true;
    }
    const int cur = GetFilterID();
    Truncate(cur);
    RunAction("INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(" + IntToStr(cur + 1) + "," + IntToStr(teamID) +
              "," + IntToStr(seasonID) + ")");
    return true;
}

bool DBFilter::AddTeamRival(int teamID, int rivalID)
{
    EnsureOpen();
    if (!Query->Active())
        return false;
    const int cur = GetFilterID();
    Truncate(cur);
    RunAction("INSERT INTO Filter(FilterID,Mode,TeamID,TeamRivalID,SeasonWith)VALUES(" + IntToStr(cur + 1) + "," +
              IntToStr(FilterMode::Pair) + "," + IntToStr(teamID) + "," + IntToStr(rivalID) + ",0)");
    return true;
}

bool DBFilter::AddChamp(int champID, int seasonID)
{
    EnsureOpen();
    if (!Query->Active())
        return false;
    const int cur = GetFilterID();
    Truncate(cur);
    RunAction("INSERT INTO Filter(FilterID,Mode,ChampID,SeasonWith)VALUES(" + IntToStr(cur + 1) + "," +
              IntToStr(FilterMode::Tournament) + "," + IntToStr(champID) + "," + IntToStr(seasonID) + ")");
    return true;
}

int DBFilter::GetFilterID()
{
    return ReadInteger("FilterID");
}

int DBFilter::GetMode()
{
    return ReadInteger("Mode");
}

int DBFilter::GetRow()
{
    return ReadInteger("Row");
}

int DBFilter::GetTeamID()
{
    return ReadInteger("TeamID");
}

int DBFilter::GetTeamRivalID()
{
    return ReadInteger("TeamRivalID");
}

int DBFilter::GetChampID()
{
    return ReadInteger("ChampID");
}

int DBFilter::GetSeasonWith()
{
    return ReadInteger("SeasonWith");
}

int DBFilter::GetField()
{
    return ReadInteger("Field");
}

bool DBFilter::GetIsWin()
{
    return ReadBoolean("IsWin");
}

bool DBFilter::GetIsDraw()
{
    return ReadBoolean("IsDraw");
}

bool DBFilter::GetIsLose()
{
    return ReadBoolean("IsLose");
}

bool DBFilter::GetIsChamp()
{
    return ReadBoolean("IsChamp");
}

bool DBFilter::GetIsCup()
{
    return ReadBoolean("IsCup");
}

bool DBFilter::GetIsEuro()
{
    return ReadBoolean("IsEuro");
}

AnsiString DBFilter::GetEq(const AnsiString& kind)
{
    return ReadString(kind + "Eq");
}

double DBFilter::GetCount(const AnsiString& kind)
{
    return ReadFloat(kind + "Count");
}

AnsiString DBFilter::GetTeam()
{
    return ReadString("Team");
}

AnsiString DBFilter::GetTeamRival()
{
    return ReadString("TeamRival");
}

AnsiString DBFilter::GetTeamNat()
{
    return ReadString("TeamNat");
}

AnsiString DBFilter::GetTeamRivalNat()
{
    return ReadString("TeamRivalNat");
}

AnsiString DBFilter::GetChampName()
{
    return ReadString("ChampName");
}

AnsiString DBFilter::GetChampNat()
{
    return ReadString("ChampNat");
}

AnsiString DBFilter::GetSeasonName()
{
    return ReadString("SeasonName");
}

int DBFilter::GetMinFilterID()
{
    return SelectInteger("SELECT MIN(FilterID) AS Minimum FROM Filter", "Minimum");
}

AnsiString DBFilter::GetResultOp()
{
    return ResultRelation(GetIsWin(), GetIsDraw(), GetIsLose());
}

AnsiString DBFilter::ResultRelation(bool win, bool draw, bool lose)
{
    if (win == draw && draw == lose)
        return "==";
    if (win && draw)
        return ">=";
    if (draw && lose)
        return "<=";
    if (win && lose)
        return "<>";
    if (win)
        return ">";
    if (draw)
        return "=";
    return "<";
}

void DBFilter::UpdateCursorRow(const AnsiString& assignment)
{
    RunAction("UPDATE Filter SET " + assignment + " WHERE FilterID=" + IntToStr(GetFilterID()));
}

void DBFilter::SetRow(int row)
{
    UpdateCursorRow("Row=" + IntToStr(row));
}

void DBFilter::SetField(int field)
{
    UpdateCursorRow("Field=" + IntToStr(field));
}

void DBFilter::SetSeasonWith(int seasonID)
{
    UpdateCursorRow("SeasonWith=" + IntToStr(seasonID));
}

void DBFilter::SetIsWin(bool value)
{
    UpdateCursorRow("IsWin=" + BoolToStr(value));
}

void DBFilter::SetIsDraw(bool value)
{
    UpdateCursorRow("IsDraw=" + BoolToStr(value));
}

void DBFilter::SetIsLose(bool value)
{
    UpdateCursorRow("IsLose=" + BoolToStr(value));
}

void DBFilter::SetIsChamp(bool value)
{
    UpdateCursorRow("IsChamp=" + BoolToStr(value));
}

void DBFilter::SetIsCup(bool value)
{
    UpdateCursorRow("IsCup=" + BoolToStr(value));
}

void DBFilter::SetIsEuro(bool value)
{
    UpdateCursorRow("IsEuro=" + BoolToStr(value));
}

void DBFilter::SetEq(const AnsiString& kind, const AnsiString& op)
{
    UpdateCursorRow(kind + "Eq=" + QuotedText(op));
}

void DBFilter::SetCount(const AnsiString& kind, const AnsiString& count)
{
    // The count box shows the user's decimal separator; SQL takes only ".".
    AnsiString text = count;
    if (const size_t comma = text.find(','); comma != AnsiString::npos)
        text[comma] = '.';
    double value = 0;
    if (!TryStrToFloat(text, value) || !std::isfinite(value)) {
        JXErr::Error("DBFilter::SetCount " + kind + " " + count);
        return;
    }
    UpdateCursorRow(kind + "Count=" + FloatToSqlStr(value));
}

void DBFilter::SetFilterID(int filterID)
{
    UpdateCursorRow("FilterID=" + IntToStr(filterID));
}
