// The update's work on the 300,000-match database: the rebuild of TeamResults and
// Stats beside the same statements run with the bare SQLite API, the rebuild of
// Series, and one instruction file of 10,000 inserts beside its statements run bare.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "benchdatabase.h"
#include "data/dbconnect.h"
#include "foundation/jxparse.h"
#include "platform/jetsql.h"
#include "update/dbupdateview.h"
#include "updateservice/instructionfile.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FileStatements = 10000;
constexpr int FirstNewMatch = 50'000'000;

std::unique_ptr<BenchProgramFolder> folder;

sqlite3* ProgramHandle()
{
    return DBConnect::GetData()->GetConnection()->Handle();
}

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Times the program's call as the iteration and the bare replay beside it; the
// counters give the bare time and the ratio.
template <typename ProgramCall, typename BareCall>
void SideBySide(benchmark::State& state, ProgramCall program, BareCall bare)
{
    double programSeconds = 0;
    double bareSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        program();
        const double elapsed = Seconds(start);
        state.SetIterationTime(elapsed);
        programSeconds += elapsed;
        start = Clock::now();
        bare();
        bareSeconds += Seconds(start);
    }
    state.counters["bare_ms"] = benchmark::Counter(bareSeconds * 1000 / state.iterations());
    state.counters["ratio"] = benchmark::Counter(programSeconds / bareSeconds);
}

void BM_UpdateStats(benchmark::State& state)
{
    DBUpdateView view;
    std::vector<std::string> statements;
    {
        StatementRecorder recorder(ProgramHandle());
        view.UpdateStats(nullptr, 100);
        statements = recorder.Statements();
    }
    const BareDatabase bare = OpenBare(folder->DataFile());
    SideBySide(
            state, [&] { benchmark::DoNotOptimize(view.UpdateStats(nullptr, 100)); },
            [&] {
                for (const std::string& sql : statements)
                    RunBare(bare.get(), sql);
            });
    state.counters["statements"] = static_cast<double>(statements.size());
}
BENCHMARK(BM_UpdateStats)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RebuildSeries(benchmark::State& state)
{
    DBUpdateView view;
    for (auto _ : state)
        benchmark::DoNotOptimize(view.RebuildSeries(nullptr));
    state.counters["rows"] = ReadBare(OpenBare(folder->DataFile()).get(), "SELECT * FROM Series");
}
BENCHMARK(BM_RebuildSeries)->Unit(benchmark::kMillisecond)->Iterations(5);

// Played matches as the update service ships them, under new keys.
std::vector<std::string> MatchInserts()
{
    std::vector<std::string> statements;
    for (int i = 0; i < FileStatements; ++i) {
        const std::string team1 = std::to_string(1 + i % 160);
        const std::string team2 = std::to_string(1 + (i * 7 + 3) % 160);
        statements.push_back("{i}Fixed{v}" + std::to_string(FirstNewMatch + i) + ",#03/1" + std::to_string(i % 10) +
                             "/2025#," + team1 + "," + team2 + "," + std::to_string(i % 4) + "," +
                             std::to_string(i % 3) + "," + std::to_string(1 + i % 38) + ",0,1,11,9,2.10,3.40,3.60," +
                             "1.90,1.95,'-0.25',1.98,1.83{/v}");
    }
    return statements;
}

void BM_ApplyInstructions(benchmark::State& state)
{
    const std::vector<std::string> statements = MatchInserts();
    const std::string text = InstructionFileText(statements);
    std::vector<std::string> translated;
    for (const std::string& statement : statements)
        translated.push_back(TranslateJetSql(JXParse::ExpandSql(statement).GetAnsi()));
    const BareDatabase bare = OpenBare(folder->DataFile());
    const std::string removeNew = "DELETE FROM Fixed WHERE FixedIND>=" + std::to_string(FirstNewMatch);
    DBUpdateView view;
    double programSeconds = 0;
    double bareSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        const bool applied = view.ApplyInstructions(text, nullptr, 10, 0);
        state.SetIterationTime(Seconds(start));
        programSeconds += Seconds(start);
        if (!applied)
            state.SkipWithError("the file was not applied");
        RunBare(bare.get(), removeNew);
        start = Clock::now();
        RunBare(bare.get(), "BEGIN IMMEDIATE");
        for (const std::string& sql : translated)
            RunBare(bare.get(), sql);
        RunBare(bare.get(), "COMMIT");
        bareSeconds += Seconds(start);
        RunBare(bare.get(), removeNew);
    }
    state.counters["bare_ms"] = benchmark::Counter(bareSeconds * 1000 / state.iterations());
    state.counters["ratio"] = benchmark::Counter(programSeconds / bareSeconds);
    state.counters["statements"] = FileStatements;
}
BENCHMARK(BM_ApplyInstructions)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    // The update pumps the event loop after every statement, as in the program.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    folder = std::make_unique<BenchProgramFolder>();
    benchmark::RunSpecifiedBenchmarks();
    folder.reset();
    benchmark::Shutdown();
    return 0;
}
