#include "research/testpredictstep.h"

#include <algorithm>

#include "data/dbfixed.h"
#include "predict/dbpredict_2_1.h"
#include "research/predictexportline.h"

namespace {

// Odds of exactly this value mark a match without odds.
constexpr double NoOdds = 1.0;
constexpr int InformGames = 25;
constexpr int TotalGames = 10;

void AddToSummary(FixtureSummary& summary, const DBPredict_2_1& model, int games)
{
    summary.games += games;
    const double w1 = model.GetW1(IDBPredict::ResultRow);
    const double x = model.GetX(IDBPredict::ResultRow);
    const double w2 = model.GetW2(IDBPredict::ResultRow);
    const double under = model.GetUnder(IDBPredict::ResultRow);
    const double over = model.GetOver(IDBPredict::ResultRow);
    if (summary.w1 == 0) {
        summary.w1 = w1;
        summary.x = x;
        summary.w2 = w2;
        summary.under = under;
        summary.over = over;
        return;
    }
    summary.w1 = std::max(summary.w1, w1);
    summary.x = std::max(summary.x, x);
    summary.w2 = std::max(summary.w2, w2);
    summary.under = std::max(summary.under, under);
    summary.over = std::max(summary.over, over);
}

}  // namespace

std::unique_ptr<DBPredict_2_1> MakePredictModel()
{
    return std::make_unique<DBPredict_2_1>();
}

bool FixtureHasOdds(DBFixed& fixed)
{
    return fixed.GetKef1() != NoOdds && fixed.GetKefX() != NoOdds && fixed.GetKef2() != NoOdds;
}

FixtureSummary TestPredictFixture(DBFixed& fixed, DBPredict_2_1& model, const std::vector<AnsiString>& names,
                                  TestPredictLines& lines)
{
    FixtureSummary summary;
    for (const AnsiString& name : names) {
        model.LoadFromFile(name, fixed.GetTeam1ID(), fixed.GetTeam2ID(), 0);
        const int games = model.GetGame(IDBPredict::ResultRow);
        if (games <= 0)
            continue;
        AddToSummary(summary, model, games);
        if (name == "inform" && games >= InformGames)
            lines.inform.Add(PredictExportLine(fixed, model));
        else if (name == "total" && games >= TotalGames)
            lines.total.Add(PredictExportLine(fixed, model));
    }
    return summary;
}
