#include "data/dbresult.h"

#include <algorithm>

#include "data/codes.h"
#include "data/constants.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"

namespace {

AnsiString FieldCondition(const AnsiString& column, int field)
{
    return field != FieldCode::Both ? "AND " + column + "=" + IntToStr(field) + " " : AnsiString();
}

AnsiString TeamResultsSelect(int top, int teamID)
{
    return "SELECT TOP " + IntToStr(top) + " " + SqlTeamResultsColumns + "Team.TeamID=" + IntToStr(teamID) + " ";
}

constexpr const char* NewestFirst = "ORDER BY TeamResults.Date DESC";

// The sums and extremes of one goal column over a set.
struct GoalSums {
    int sum = 0;
    int largest = 0;
    int smallest = 100;

    void Add(int goals)
    {
        sum += goals;
        largest = std::max(largest, goals);
        smallest = std::min(smallest, goals);
    }

    // With fewer than three values there is nothing left after trimming both ends,
    // so such a set keeps its plain average.
    double Average(int count, bool trim) const
    {
        if (trim && count > 2)
            return static_cast<double>(sum - largest - smallest) / (count - 2);
        return static_cast<double>(sum) / count;
    }
};

}  // namespace

bool DBResult::OpenLast(int top, int teamID, const AnsiString& resultOp, const AnsiString& totalOp, int field)
{
    AnsiString sql = TeamResultsSelect(top, teamID);
    if (!resultOp.empty())
        sql += "AND TeamResults.Gol1-TeamResults.Gol2" + resultOp + "0 ";
    if (!totalOp.empty())
        sql += "AND TeamResults.Gol1+TeamResults.Gol2" + totalOp + "2 ";
    return Select(sql + FieldCondition("TeamResults.Field", field) + NewestFirst);
}

bool DBResult::OpenPredict(int top, int teamID, int champID, int seasonFrom, int field, int days)
{
    AnsiString sql = TeamResultsSelect(top, teamID) + "AND TeamResults.ChampID=" + IntToStr(champID) + " " +
                     "AND TeamResults.SeasonID>=" + IntToStr(seasonFrom) + " " +
                     FieldCondition("TeamResults.Field", field);
    if (days != 0)
        sql += "AND TeamResults.Date>=(SELECT MAX(Date) FROM Fixed)-" + IntToStr(days) + " ";
    return Select(sql + NewestFirst);
}

bool DBResult::OpenChamp(int champID, int seasonID, int field)
{
    AnsiString sql = "SELECT " + SqlTeamResultsColumns +
                     "TeamResults.TeamID IN(SELECT Stats.TeamID FROM Stats WHERE Stats.SeasonID=" +
                     IntToStr(seasonID) + " AND Stats.ChampID=" + IntToStr(champID);
    if (field != FieldCode::Both)
        sql += " AND Stats.Field=" + IntToStr(field) + " GROUP BY Stats.TeamID) AND TeamResults.Field=" +
               IntToStr(field) + " ";
    else
        sql += " GROUP BY Stats.TeamID) ";
    return Select(sql + "AND TeamResults.SeasonID=" + IntToStr(seasonID) +
                  " ORDER BY TeamResults.TeamID,TeamResults.Date DESC");
}

int DBResult::GetTeamID()
{
    return ReadInteger("TeamID");
}

int DBResult::GetRivalID()
{
    return ReadInteger("RivalID");
}

int DBResult::GetGol1()
{
    return ReadInteger("Gol1");
}

int DBResult::GetGol2()
{
    return ReadInteger("Gol2");
}

AnsiString DBResult::GetTeamName()
{
    return ReadString("TeamName");
}

void DBResult::CalcAvg(bool trim)
{
    AvgGol1 = AvgGol2 = -1.0;
    const int count = Count();
    if (count < 1)
        return;
    const int current = Query->RecNo();
    GoalSums own, rival;
    for (Query->First(); !Query->Eof(); Query->Next()) {
        own.Add(GetGol1());
        rival.Add(GetGol2());
    }
    AvgGol1 = own.Average(count, trim);
    AvgGol2 = rival.Average(count, trim);
    MoveBy(current - 1);
}

ResultMark DBResult::GetMark(int kind, int own, int rival, int tourTotal, int tourHandicap)
{
    using enum MarkTone;
    switch (kind) {
    case MarkKind::Result:
        return own > rival ? ResultMark{"+", Favourable} : own == rival ? ResultMark{"=", Draw}
                                                                        : ResultMark{"-", Unfavourable};
    case MarkKind::Total:
        return own + rival < 3 ? ResultMark{"<", Unfavourable} : ResultMark{">", Favourable};
    case MarkKind::OwnGoals:
        return own > tourTotal ? ResultMark{">", Favourable} : ResultMark{"<", Unfavourable};
    case MarkKind::RivalGoals:
        return rival > tourTotal ? ResultMark{">", Unfavourable} : ResultMark{"<", Favourable};
    case MarkKind::HandicapMinus:
        return own - rival > tourHandicap ? ResultMark{"+", Favourable} : ResultMark{"-", Unfavourable};
    case MarkKind::HandicapPlus:
        return own - rival > -(tourHandicap + 1) ? ResultMark{"+", Favourable} : ResultMark{"-", Unfavourable};
    default:
        return {"", Draw};
    }
}
