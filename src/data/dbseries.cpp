#include "data/dbseries.h"

#include <algorithm>

#include "data/dbfixed.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"

namespace {

// Whether a match of own and rival goals continues each run, in SeriesCalcIndex order;
// the total-goals line of the runs is 2.5 whatever the settings say.
std::array<bool, SeriesCalcIndex::Count> RunsGoOn(int own, int rival)
{
    const int difference = own - rival;
    const int total = own + rival;
    return {difference > 0, difference == 0, difference < 0, difference <= 0, difference != 0, difference >= 0,
            total > 2,      total <= 2,      own > 0,         own == 0,         rival > 0,       rival == 0,
            total == 0};
}

AnsiString ScoreGroupSql(int teamID, int field)
{
    const AnsiString side = field != FieldCode::Both ? "AND Field=" + IntToStr(field) + " " : AnsiString();
    return "SELECT TeamID, Gol1, Gol2, Count(TeamResults.TeamID) AS Cnt FROM TeamResults GROUP BY TeamID, "
           "[Gol1]-[Gol2], Gol1, Gol2, Field HAVING TeamID=" +
           IntToStr(teamID) + " " + side + "ORDER BY [Gol1]-[Gol2] DESC, Gol1 DESC, Gol2 DESC";
}

}  // namespace

DBSeries::DBSeries() : Matches(std::make_unique<DBFixed>()) {}

DBSeries::~DBSeries() = default;

void DBSeries::Reset()
{
    Max.fill(0);
    Cur.fill(0);
    Score.fill(0);
    ScoreTotal = 0;
}

void DBSeries::Calc(int teamID, int seasonFrom, const AnsiString& typeList, int field)
{
    Reset();
    Matches->OpenSeriesByTeam(teamID, seasonFrom, typeList, field);
    if (Matches->Count() < 1)
        return;
    // The rows come newest first; the runs grow from the oldest match on.
    TADOQuery* rows = Matches->GetQuery();
    for (rows->Last();; rows->Prior()) {
        int own = Matches->GetGol1();
        int rival = Matches->GetGol2();
        if (Matches->GetAET())
            own = rival = std::min(own, rival);
        else if (Matches->GetTeam1ID() != teamID)
            std::swap(own, rival);
        const auto goesOn = RunsGoOn(own, rival);
        for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
            Cur[k] = goesOn[k] ? Cur[k] + 1 : 0;
            Max[k] = std::max(Max[k], Cur[k]);
        }
        ++Score[ScoreCell::Of(own, rival)];
        if (rows->RecNo() == 1)
            break;
    }
}

int DBSeries::GetCount()
{
    return Matches->Count();
}

int DBSeries::GetMax(int index) const
{
    return Max.at(index);
}

int DBSeries::GetCur(int index) const
{
    return Cur.at(index);
}

int DBSeries::GetScore(int cell) const
{
    return Score.at(cell);
}

void DBSeries::CalcScores(int team1ID, int team2ID, bool allFields)
{
    Reset();
    Select(ScoreGroupSql(team1ID, allFields ? FieldCode::Both : FieldCode::Home));
    AddScoreGroups(false);
    Select(ScoreGroupSql(team2ID, allFields ? FieldCode::Both : FieldCode::Away));
    AddScoreGroups(true);
}

void DBSeries::AddScoreGroups(bool mirrored)
{
    if (Count() < 1)
        return;
    for (Query->First(); !Query->Eof(); Query->Next()) {
        const int own = ReadInteger("Gol1");
        const int rival = ReadInteger("Gol2");
        const int count = ReadInteger("Cnt");
        ScoreTotal += count;
        Score[mirrored ? ScoreCell::Of(rival, own) : ScoreCell::Of(own, rival)] += count;
    }
}

int DBSeries::GetScoreTotal() const
{
    return ScoreTotal;
}

bool DBSeries::OpenTop(int kind, int field, bool byMax, int typeID)
{
    return Select("SELECT TOP 1500 Team.Name AS TeamName, Team.NationalID AS TeamNatID, National.Name AS TeamNat, "
                  "Series.* FROM [National] INNER JOIN (Series INNER JOIN Team ON Series.TeamID = Team.TeamID) ON "
                  "National.NationalID = Team.NationalID WHERE Series.Field=" +
                  IntToStr(field) + " AND Series.TypeID=" + IntToStr(typeID) + " ORDER BY Series." +
                  (byMax ? "Max" : "Cur") + SeriesKind::Names.at(kind) + " DESC, Series.Game DESC, Team.Name");
}

int DBSeries::GetCurField(const AnsiString& kindName)
{
    return ReadInteger("Cur" + kindName);
}

int DBSeries::GetMaxField(const AnsiString& kindName)
{
    return ReadInteger("Max" + kindName);
}

AnsiString DBSeries::GetTeamName()
{
    return ReadString("TeamName");
}

AnsiString DBSeries::GetTeamNatID()
{
    return ReadString("TeamNatID");
}

int DBSeries::GetTeamID()
{
    return ReadInteger("TeamID");
}

int DBSeries::GetGame()
{
    return ReadInteger("Game");
}
