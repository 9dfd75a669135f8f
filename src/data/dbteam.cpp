#include "data/dbteam.h"

#include "data/dbconnect.h"
#include "foundation/jxstr.h"
#include "platform/sysutils.h"

namespace {

constexpr int ShortNameLength = 18;

AnsiString StatsCondition(int champID, int seasonID)
{
    AnsiString condition;
    if (seasonID != 0)
        condition = "SeasonID=" + IntToStr(seasonID);
    if (champID != 0)
        condition += (condition.empty() ? "" : " AND ") + ("ChampID=" + IntToStr(champID));
    return condition.empty() ? condition : "WHERE TeamID IN (SELECT TeamID FROM Stats WHERE " + condition + ") ";
}

}  // namespace

bool DBTeam::OpenList(int champID, int seasonID)
{
    return Select("SELECT TeamID, Name, NationalID FROM Team " + StatsCondition(champID, seasonID) + "ORDER BY Name");
}

bool DBTeam::OpenByID(int teamID)
{
    return Select("SELECT * FROM Team WHERE Team.TeamID=" + IntToStr(teamID));
}

int DBTeam::GetTeamID()
{
    return ReadInteger("TeamID");
}

AnsiString DBTeam::GetName()
{
    return ReadString("Name");
}

AnsiString DBTeam::GetNationalID()
{
    return ReadString("NationalID");
}

void DBTeam::GetItemText(AnsiString& text)
{
    text = GetName();
}

void DBTeam::ApplyFilter()
{
    Query->SetFilter(AnsiString());
    AnsiString filter;
    if (!NameFilter.empty())
        filter = "Name LIKE " + QuotedText(NameFilter + "*");
    if (!NationalFilter.empty())
        filter += (filter.empty() ? "" : " AND ") + ("NationalID=" + QuotedText(NationalFilter));
    if (filter.empty())
        return;
    Query->SetFilter(filter);
    Query->SetFiltered(true);
}

bool DBTeam::IsFav()
{
    return IsTeamFav(GetTeamID());
}

bool DBTeam::IsTeamFav(int teamID)
{
    return SelectInteger("SELECT COUNT(*) AS Cnt FROM TeamFav WHERE TeamID=" + IntToStr(teamID), "Cnt") != 0;
}

bool DBTeam::AddFav(int teamID)
{
    if (IsTeamFav(teamID))
        return false;
    DBConnect::GetData()->ExecSQL("INSERT INTO TeamFav VALUES(" + IntToStr(teamID) + ")", false);
    return true;
}

void DBTeam::DeleteFav(int teamID)
{
    DBConnect::GetData()->ExecSQL("DELETE * FROM TeamFav WHERE TeamID=" + IntToStr(teamID), false);
}

AnsiString DBTeam::ShortName(const AnsiString& name)
{
    const JXStr text(name);
    if (text.Length() < ShortNameLength || JXStr::Pos(text, " ") == 0)
        return name;
    // The first word whole, then the initials of the second to the fourth word.
    AnsiString result = JXStr::LeftOf(text, " ").GetAnsi() + " ";
    JXStr rest = text;
    for (const char* ending : {". ", ". ", "."}) {
        if (JXStr::Pos(rest, " ") == 0)
            break;
        rest = JXStr::RightOf(rest, " ");
        result += JXStr::SubStr(rest, 1, 1).GetAnsi() + ending;
    }
    return result;
}
