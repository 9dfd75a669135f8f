// Streaks and result marks on the 300,000-match database: the live runs of the team
// with the most matches, the streak top list and the cross table of the largest league
// season, each beside the same SQL read with the bare SQLite API, and the grids they fill.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/codes.h"
#include "data/dbconnect.h"
#include "data/dbresult.h"
#include "data/dbseason.h"
#include "data/dbseries.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "presenters/dbresultgrid.h"
#include "presenters/dbseriesgrid.h"

namespace {

// The league whose last season has the most matches: the largest cross table.
int LargestLeague()
{
    return FirstInteger("SELECT TOP 1 S.ChampID AS ChampID FROM Stats AS S INNER JOIN Champ AS C ON "
                        "C.ChampID=S.ChampID WHERE C.TypeID=1 AND S.Field=1 AND S.SeasonID=(SELECT MAX(L.SeasonID) "
                        "FROM Stats AS L WHERE L.ChampID=S.ChampID) GROUP BY S.ChampID ORDER BY Sum(S.Game) DESC",
                        "ChampID");
}

// A grid as the cards show it.
struct ShownGrid {
    explicit ShownGrid(int width)
    {
        grid.resize(width, 400);
        grid.show();
        QApplication::processEvents();
    }

    // Fills and lets the grid paint.
    void Fill(const std::function<void()>& fill)
    {
        fill();
        QApplication::processEvents();
    }

    TJXGrid grid;
};

void BM_SeriesCalcOfTheBusiestTeam(benchmark::State& state)
{
    const int team = BusiestTeam();
    DBSeries series;
    BesideBare(state, [&] { series.Calc(team, 0, "", FieldCode::Both); }, 1);
    state.counters["matches"] = series.GetCount();
}
BENCHMARK(BM_SeriesCalcOfTheBusiestTeam)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_OpenTopOfTheFavouriteTournaments(benchmark::State& state)
{
    DBSeries series;
    BesideBare(state, [&] { series.OpenTop(SeriesKind::Win, FieldCode::Both, false, 0); }, 1);
    state.counters["teams"] = series.Count();
}
BENCHMARK(BM_OpenTopOfTheFavouriteTournaments)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The three selects of the cross table: its season, the standings and the home results.
void BM_CrossTableQueriesOfTheLargestLeague(benchmark::State& state)
{
    const int champ = LargestLeague();
    DBTable table;
    DBResult results;
    BesideBare(
            state,
            [&] {
                const int season = DBSeason::GetLastSeasonOfChamp(champ);
                table.SelectTableFull(champ, season, FieldCode::Both);
                results.OpenChamp(champ, season, FieldCode::Home);
            },
            3);
    state.counters["teams"] = table.Count();
    state.counters["results"] = results.Count();
}
BENCHMARK(BM_CrossTableQueriesOfTheLargestLeague)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_FillSeriesAndScoresOfTheBusiestTeam(benchmark::State& state)
{
    ShownGrid series(260), scores(700);
    DBSeriesGrid presenter(&series.grid, nullptr, &scores.grid);
    presenter.SetupSeriesColumns();
    presenter.SetupScoreColumns();
    presenter.Data->Calc(BusiestTeam(), 0, "", FieldCode::Both);
    for (auto _ : state)
        series.Fill([&] {
            presenter.FillSeries();
            presenter.FillScores();
        });
}
BENCHMARK(BM_FillSeriesAndScoresOfTheBusiestTeam)->Unit(benchmark::kMillisecond);

void BM_FillTopOfTheFavouriteTournaments(benchmark::State& state)
{
    ShownGrid top(760);
    DBSeriesGrid presenter(&top.grid);
    presenter.SetupTopColumns();
    for (auto _ : state)
        top.Fill([&] { presenter.FillTop(SeriesKind::Win, FieldCode::Both, false, 0); });
    state.counters["teams"] = top.grid.RowCount() - 1;
}
BENCHMARK(BM_FillTopOfTheFavouriteTournaments)->Unit(benchmark::kMillisecond);

void BM_FillCrossOfTheLargestLeague(benchmark::State& state)
{
    const int champ = LargestLeague();
    ShownGrid cross(1050);
    DBResultGrid presenter(&cross.grid);
    for (auto _ : state)
        cross.Fill([&] { presenter.FillCross(champ); });
    state.counters["teams"] = cross.grid.RowCount() - 1;
}
BENCHMARK(BM_FillCrossOfTheLargestLeague)->Unit(benchmark::kMillisecond);

}  // namespace

// The grids need a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv);
}
