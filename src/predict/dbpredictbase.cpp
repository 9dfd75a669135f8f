#include "predict/dbpredictbase.h"

#include "data/codes.h"
#include "data/dbchamp.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "foundation/jxerr.h"
#include "foundation/jxmath.h"

namespace {

// Points per game of a team on one side in one season of a league; 0 without a row.
float PointsPerGame(int teamID, int champID, int seasonID, int field)
{
    DBTable table;
    table.UpdateStatsTeamSeason(teamID, champID, seasonID, field, false);
    return table.Count() > 0 ? static_cast<float>(table.GetPointAvg()) : 0.0f;
}

}  // namespace

bool DBPredictBase::SetTeam(int team1ID, int team2ID, float kef1, float kefX, float kef2, float kefUn, float kefOv)
{
    Team1ID = team1ID;
    Team2ID = team2ID;
    Kef1 = kef1;
    KefX = kefX;
    Kef2 = kef2;
    KefUn = kefUn;
    KefOv = kefOv;
    SeasonID = ChampID = -1;
    AvgChampGoals1 = AvgChampGoals2 = -1.0f;
    Point1 = Point2 = 0.0f;

    SeasonID = DBSeason::GetLastSeasonOfTeam(team1ID);
    if (DBSeason::GetLastSeasonOfTeam(team2ID) != SeasonID) {
        JXErr::Warning("DBPredictBase::SetTeam: SeasonID Team1 != Team2");
        return false;
    }
    ChampID = DBChamp::GetMainLeague(team1ID);
    if (DBChamp::GetMainLeague(team2ID) != ChampID) {
        JXErr::Warning("DBPredictBase::SetTeam : ChampID Team1 != Team2");
        return false;
    }
    double avg1 = 0.0;
    double avg2 = 0.0;
    if (!DBChamp::GetGoalAverages(ChampID, avg1, avg2)) {
        JXErr::Warning("DBPredictBase::SetTeam : AvgChampGoals very little games");
        return false;
    }
    AvgChampGoals1 = static_cast<float>(avg1);
    AvgChampGoals2 = static_cast<float>(avg2);
    Point1 = PointsPerGame(team1ID, ChampID, SeasonID, FieldCode::Home);
    Point2 = PointsPerGame(team2ID, ChampID, SeasonID, FieldCode::Away);
    return true;
}

float DBPredictBase::PercentToKef(float percent, float margin)
{
    if (percent == -1.0f)
        return 0.0f;
    if (percent == 0.0f)
        return 100.0f;
    return static_cast<float>(RoundTo((1.0f / percent) * 100.0f * (1.0f - margin), 2));
}
