// The update's work on the 300,000-match database: the rebuild of TeamResults and
// Stats beside the same statements run with the bare SQLite API, the rebuild of
// Series, one instruction file of 10,000 inserts beside its statements run bare, as
// translated texts one by one in one transaction, and the end of an update: that file,
// then the rebuild.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "foundation/jxparse.h"
#include "platform/jetsql.h"
#include "update/dbupdateview.h"
#include "updateservice/instructionfile.h"

namespace {

constexpr int FileStatements = 10000;
constexpr int FirstNewMatch = 50'000'000;

sqlite3* ProgramHandle()
{
    return DBConnect::GetData()->GetConnection()->Handle();
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
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
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
    state.counters["rows"] = ReadBare(OpenBare(BenchFolder().DataFile()).get(), "SELECT * FROM Series");
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

// One instruction file of new matches: its text for the program, and its statements
// as SQLite receives them, for the bare side; removing the matches resets the data.
struct MatchFile {
    MatchFile() : statements(MatchInserts()), text(InstructionFileText(statements))
    {
        for (const std::string& statement : statements)
            translated.push_back(TranslateJetSql(JXParse::ExpandSql(statement).GetAnsi()));
    }
    void ApplyBare(sqlite3* bare) const
    {
        RunBare(bare, "BEGIN IMMEDIATE");
        for (const std::string& sql : translated)
            RunBare(bare, sql);
        RunBare(bare, "COMMIT");
    }
    static void Remove(sqlite3* bare)
    {
        RunBare(bare, "DELETE FROM Fixed WHERE FixedIND>=" + std::to_string(FirstNewMatch));
    }

    std::vector<std::string> statements;
    std::string text;
    std::vector<std::string> translated;
};

void BM_ApplyInstructions(benchmark::State& state)
{
    const MatchFile file;
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    DBUpdateView view;
    SideBySide(
            state,
            [&] {
                if (!view.ApplyInstructions(file.text, nullptr, 10, 0))
                    state.SkipWithError("the file was not applied");
            },
            [&] { file.ApplyBare(bare.get()); }, [&] { MatchFile::Remove(bare.get()); });
    state.counters["statements"] = FileStatements;
}
BENCHMARK(BM_ApplyInstructions)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The end of an update: its last file, then the rebuild of TeamResults and Stats.
void BM_LastFileAndRebuild(benchmark::State& state)
{
    const MatchFile file;
    DBUpdateView view;
    const std::vector<std::string> rebuild = RecordedStatements([&] { view.UpdateStats(nullptr, 100); });
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    SideBySide(
            state,
            [&] {
                if (!view.ApplyInstructions(file.text, nullptr, 10, 0) || !view.UpdateStats(nullptr, 100))
                    state.SkipWithError("the file or the rebuild failed");
            },
            [&] {
                file.ApplyBare(bare.get());
                for (const std::string& sql : rebuild)
                    RunBare(bare.get(), sql);
            },
            [&] { MatchFile::Remove(bare.get()); });
}
BENCHMARK(BM_LastFileAndRebuild)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksOnProgramFolder(argc, argv);
}
