#include "predict/dbpredictpercent.h"

#include <algorithm>

#include "data/codes.h"
#include "data/dbresult.h"
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

bool DBPredictPercent::EnterScoreLastFixed(int n, bool fieldSplit, bool trim)
{
    Score1 = Score2 = -1.0f;
    if (Team1ID == -1) {
        JXErr::Error("DBPredictScore::EnterScoreLastFixed: NOT SET Team1ID and Team2ID");
        return false;
    }
    DBResult home;
    DBResult away;
    home.OpenPredict(n, Team1ID, ChampID, SeasonID - 1, fieldSplit ? FieldCode::Home : FieldCode::Both, 0);
    away.OpenPredict(n, Team2ID, ChampID, SeasonID - 1, fieldSplit ? FieldCode::Away : FieldCode::Both, 0);
    if (home.Count() != n || away.Count() != n) {
        JXErr::Warning("DBPredictScore::EnterScoreLastFixed: very little games " + IntToStr(SeasonID));
        return false;
    }
    home.CalcAvg(trim);
    away.CalcAvg(trim);
    const auto average = [](double goals) { return static_cast<float>(goals); };
    float score1 = average(home.GetAvgGol1()) + average(away.GetAvgGol2());
    float score2 = average(home.GetAvgGol2()) + average(away.GetAvgGol1());
    if (fieldSplit) {
        score1 -= AvgChampGoals1;
        score2 -= AvgChampGoals2;
    } else {
        const float mean = (AvgChampGoals1 + AvgChampGoals2) * 0.5f;
        score1 -= mean;
        score2 -= mean;
    }
    Score1 = std::max(score1, 0.0f);
    Score2 = std::max(score2, 0.0f);
    return true;
}

void DBPredictPercent::ClearPercents()
{
    P1 = PX = P2 = PUnder = POver = -1.0f;
    Games = 0;
}
