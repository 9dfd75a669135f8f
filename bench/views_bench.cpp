// The central refresh's query on the 300,000-match database: DBFixed::OpenByFilter of
// a team view (every season), a tournament season and a head-to-head view, each beside
// the same SQL read with the bare SQLite API.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbseason.h"
#include "sampledata/sampleids.h"

namespace {

// Opens the history's new current entry the way the main window's refresh does.
void BenchView(benchmark::State& state, const std::function<bool(DBFilter&)>& addEntry)
{
    DBFilter filter;
    if (!addEntry(filter) || !filter.Update()) {
        state.SkipWithError("the view could not be added");
        return;
    }
    DBFixed fixed;
    std::vector<std::string> statements;
    {
        StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
        fixed.OpenByFilter(&filter);
        statements = recorder.Statements();
    }
    if (statements.size() != 1) {
        state.SkipWithError("the view ran no single select");
        return;
    }
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    int bareRows = 0;
    SideBySide(
            state, [&] { benchmark::DoNotOptimize(fixed.OpenByFilter(&filter)); },
            [&] { bareRows = ReadBare(bare.get(), statements.front()); });
    state.counters["rows"] = fixed.Count();
    if (bareRows != fixed.Count())
        state.SkipWithError("the bare select read other rows");
}

const int Team = SampleIds::FirstTeam(SampleIds::England);
const int Rival = SampleIds::FirstTeam(SampleIds::England) + 1;

void BM_TeamView(benchmark::State& state)
{
    BenchView(state, [](DBFilter& filter) { return filter.AddTeam(Team, 0); });
}
BENCHMARK(BM_TeamView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_TournamentSeasonView(benchmark::State& state)
{
    BenchView(state, [](DBFilter& filter) {
        return filter.AddChamp(SampleIds::League(SampleIds::England), DBSeason::GetMaxSeasonID());
    });
}
BENCHMARK(BM_TournamentSeasonView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_HeadToHeadView(benchmark::State& state)
{
    BenchView(state, [](DBFilter& filter) { return filter.AddTeamRival(Team, Rival); });
}
BENCHMARK(BM_HeadToHeadView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksOnProgramFolder(argc, argv);
}
