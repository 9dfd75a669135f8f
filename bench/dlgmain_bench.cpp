// The main window on the 300,000-match database: the central refresh of a team view
// (every season), a tournament season and a head-to-head view, each beside the same
// SQL read with the bare SQLite API, and the time from creating the windows to the
// first shown list.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

#include "benchsupport.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "foundation/jxgrid.h"
#include "sampledata/sampleids.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"

namespace {

const int Team = SampleIds::FirstTeam(SampleIds::England);
const int Rival = SampleIds::FirstTeam(SampleIds::England) + 1;

// The program's two windows, created in the program's order and shown.
struct Windows {
    Windows()
    {
        main.show();
        QApplication::processEvents();
    }

    TDlgMain main;
    TDlgFilter filter;
};

bool AddTournamentSeason(DBFilter& filter)
{
    return filter.AddChamp(SampleIds::League(SampleIds::England), DBSeason::GetMaxSeasonID());
}

TJXGrid* ListOf(TDlgMain& main)
{
    return main.findChild<TJXGrid*>("gridFixed");
}

void BenchRefresh(benchmark::State& state, const std::function<bool(DBFilter&)>& addView)
{
    Windows windows;
    TDlgMain& main = windows.main;
    if (!addView(*main.GetFilter())) {
        state.SkipWithError("the view could not be added");
        return;
    }
    const std::vector<std::string> statements = RecordedStatements([&] { main.Refresh(); });
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(
            state, [&] { main.Refresh(); },
            [&] {
                for (const std::string& statement : statements)
                    ReadBare(bare.get(), statement);
            });
    state.counters["matches"] = ListOf(main)->RowCount() - 1;
    state.counters["statements"] = static_cast<double>(statements.size());
}

void BM_RefreshTeamView(benchmark::State& state)
{
    BenchRefresh(state, [](DBFilter& filter) { return filter.AddTeam(Team, 0); });
}
BENCHMARK(BM_RefreshTeamView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_RefreshTournamentSeasonView(benchmark::State& state)
{
    BenchRefresh(state, AddTournamentSeason);
}
BENCHMARK(BM_RefreshTournamentSeasonView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_RefreshHeadToHeadView(benchmark::State& state)
{
    BenchRefresh(state, [](DBFilter& filter) { return filter.AddTeamRival(Team, Rival); });
}
BENCHMARK(BM_RefreshHeadToHeadView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// From creating the windows to the painted list of a tournament season: what a start
// costs once the program's process runs.
void BM_StartToFirstShownList(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    DBFilter history;
    if (!history.Update() || !AddTournamentSeason(history)) {
        state.SkipWithError("the view could not be added");
        return;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        auto windows = std::make_unique<Windows>();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.counters["matches"] = ListOf(windows->main)->RowCount() - 1;
    }
}
BENCHMARK(BM_StartToFirstShownList)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

// The windows need a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv, true);
}
