// Standings on the 300,000-match database: DBTable::SelectTable of the league season
// with the most matches, and that select filled into a shown grid by
// DBTableGrid::FillTable, each beside the same SQL read with the bare SQLite API.
#include "presenters/dbtablegrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/codes.h"
#include "data/dbconnect.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"

namespace {

// The standings of the largest league season and the one statement they run.
class Standings {
public:
    Standings() : season(LargestLeagueSeason())
    {
        grid.resize(700, 400);
        grid.show();
        presenter.SetupTableColumns();
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        Select();
        statements = recorder.Statements();
    }

    bool Select() { return presenter.Table()->SelectTable(season.champ, season.season, FieldCode::Both, 0); }

    // Skips the benchmark unless the select ran one statement and gave the teams.
    bool Usable(benchmark::State& state)
    {
        if (statements.size() != 1 || presenter.Table()->Count() < 2) {
            state.SkipWithError("no single select of a league season");
            return false;
        }
        return true;
    }

    void Report(benchmark::State& state)
    {
        state.counters["teams"] = presenter.Table()->Count();
        state.counters["matches"] = season.matches;
    }

    LeagueSeason season;
    TJXGrid grid;
    DBTableGrid presenter{&grid};
    std::vector<std::string> statements;
};

// The program's select, and with fill the grid filled from it, beside the bare select.
void BenchStandings(benchmark::State& state, bool fill)
{
    Standings standings;
    if (!standings.Usable(state))
        return;
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(
            state,
            [&] {
                benchmark::DoNotOptimize(standings.Select());
                if (fill)
                    standings.presenter.FillTable();
            },
            [&] { ReadBare(bare.get(), standings.statements.front()); });
    if (fill && standings.grid.RowCount() != standings.presenter.Table()->Count() + 1)
        state.SkipWithError("the grid does not hold the standings");
    standings.Report(state);
}

void BM_SelectTable(benchmark::State& state)
{
    BenchStandings(state, false);
}
BENCHMARK(BM_SelectTable)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SelectAndFillTable(benchmark::State& state)
{
    BenchStandings(state, true);
}
BENCHMARK(BM_SelectAndFillTable)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The grid needs a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv);
}
