#include "predict/dbpredictpercent.h"

#include "data/codes.h"
#include "data/dbtable.h"
#include "foundation/jxerr.h"
#include "foundation/jxmath.h"
#include "platform/sysutils.h"

namespace {

// Fewer games on either side give no percentages worth predicting from.
constexpr int MinPercentGames = 5;

// A share of the games as a whole percentage.
float Percent(int count, int games)
{
    return static_cast<float>(RoundTo(static_cast<float>(count) * 100.0f / static_cast<float>(games), 0));
}

}  // namespace

bool DBPredictPercent::EnterPercentLastCurSeason(int seasonID, int field, bool withPrevSeason)
{
    ClearPercents();
    if (field != FieldCode::Home && field != FieldCode::Both) {
        JXErr::Warning("DBPredictPercent::EnterPercentLastCurSeason: DBFixed::FLD ERROR");
        return false;
    }
    DBTable home;
    DBTable away;
    home.UpdateStatsTeamSeason(Team1ID, ChampID, seasonID, field, withPrevSeason);
    away.UpdateStatsTeamSeason(Team2ID, ChampID, seasonID, field == FieldCode::Home ? FieldCode::Away : field,
                               withPrevSeason);
    if (home.Count() == 0 || away.Count() == 0)
        return true;
    if (home.GetGame() < MinPercentGames || away.GetGame() < MinPercentGames) {
        JXErr::Warning("DBPredictPercent::EnterPercentLastCurSeason: very little games " + IntToStr(seasonID));
        return false;
    }
    const int games = home.GetGame() + away.GetGame();
    P1 = Percent(home.GetWin() + away.GetLose(), games);
    P2 = Percent(home.GetLose() + away.GetWin(), games);
    PX = 100.0f - P1 - P2;
    POver = Percent(home.GetOver() + away.GetOver(), games);
    PUnder = 100.0f - POver;
    Games = games;
    return true;
}

bool DBPredictPercent::EnterPercent(int field)
{
    return EnterPercentLastCurSeason(SeasonID, field, true);
}

float DBPredictPercent::GetPercent1(bool asKef) const
{
    return asKef ? PercentToKef(P1, Margin) : P1;
}

float DBPredictPercent::GetPercent2(bool asKef) const
{
    return asKef ? PercentToKef(P2, Margin) : P2;
}

void DBPredictPercent::ClearPercents()
{
    P1 = PX = P2 = PUnder = POver = -1.0f;
    Games = 0;
}
