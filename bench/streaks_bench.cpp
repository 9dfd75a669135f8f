// Streaks and result marks on the 300,000-match database: the live runs of the team
// with the most matches and the streak top list, each beside the same SQL read with
// the bare SQLite API, and the fills of their grids.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/codes.h"
#include "data/dbconnect.h"
#include "data/dbseries.h"
#include "foundation/jxgrid.h"
#include "platform/adoconnection.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "presenters/dbseriesgrid.h"

namespace {

// Made by main, which outlives every benchmark and is outlived by the application.
const BenchProgramFolder* benchFolder = nullptr;

// The team that played the most matches.
int BusiestTeam()
{
    DBase query;
    query.Select("SELECT TOP 1 TeamID FROM Stats GROUP BY TeamID ORDER BY Sum(Game) DESC");
    return query.GetQuery()->FieldByName("TeamID")->AsInteger();
}

// Times open beside the one select it runs, read with the bare API.
void BenchQuery(benchmark::State& state, const std::function<void()>& open, const std::function<int()>& rows)
{
    std::vector<std::string> statements;
    {
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        open();
        statements = recorder.Statements();
    }
    if (statements.size() != 1) {
        state.SkipWithError("the open ran no single select");
        return;
    }
    const BareDatabase bare = OpenBare(benchFolder->DataFile());
    int bareRows = 0;
    SideBySide(state, open, [&] { bareRows = ReadBare(bare.get(), statements.front()); });
    state.counters["rows"] = rows();
    if (bareRows != rows())
        state.SkipWithError("the bare select read other rows");
}

void BM_SeriesCalcOfTheBusiestTeam(benchmark::State& state)
{
    const int team = BusiestTeam();
    DBSeries series;
    BenchQuery(state, [&] { series.Calc(team, 0, "", FieldCode::Both); }, [&] { return series.GetCount(); });
}
BENCHMARK(BM_SeriesCalcOfTheBusiestTeam)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_OpenTopOfTheFavouriteTournaments(benchmark::State& state)
{
    DBSeries series;
    BenchQuery(
            state, [&] { series.OpenTop(SeriesKind::Win, FieldCode::Both, false, 0); },
            [&] { return series.Count(); });
}
BENCHMARK(BM_OpenTopOfTheFavouriteTournaments)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The grids as the cards and the nearest-matches window show them.
struct Grids {
    Grids()
    {
        for (TJXGrid* grid : {&series, &scores, &top}) {
            grid->resize(600, 400);
            grid->show();
        }
        teamPresenter.SetupSeriesColumns();
        teamPresenter.SetupScoreColumns();
        topPresenter.SetupTopColumns();
        QApplication::processEvents();
    }

    TJXGrid series, scores, top;
    DBSeriesGrid teamPresenter{&series, nullptr, &scores};
    DBSeriesGrid topPresenter{&top};
};

Grids* grids = nullptr;

void BM_FillSeriesAndScoresOfTheBusiestTeam(benchmark::State& state)
{
    grids->teamPresenter.Data->Calc(BusiestTeam(), 0, "", FieldCode::Both);
    for (auto _ : state) {
        grids->teamPresenter.FillSeries();
        grids->teamPresenter.FillScores();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillSeriesAndScoresOfTheBusiestTeam)->Unit(benchmark::kMillisecond);

void BM_FillTopOfTheFavouriteTournaments(benchmark::State& state)
{
    for (auto _ : state) {
        grids->topPresenter.FillTop(SeriesKind::Win, FieldCode::Both, false, 0);
        QApplication::processEvents();
    }
    state.counters["rows"] = grids->top.RowCount() - 1;
}
BENCHMARK(BM_FillTopOfTheFavouriteTournaments)->Unit(benchmark::kMillisecond);

}  // namespace

// Painting needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const BenchProgramFolder folder;
    benchFolder = &folder;
    Grids shown;
    grids = &shown;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
