#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/adoconnection.h"

// The performance database: the sample data at 300,000 played matches, loaded through
// the update's own code once and kept under the build folder for later runs.
inline constexpr int BenchMatches = 300000;
// The day the performance database was made for: its coming matches follow it.
extern const TDateTime BenchToday;

// Points XDG_CONFIG_HOME, and with it the settings file, at folder while it lives, so
// no benchmark writes the real home's settings.
class ConfigHome {
public:
    explicit ConfigHome(const std::string& folder);
    ~ConfigHome();
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

private:
    std::optional<std::string> saved_;
};

// A program folder holding a copy of the performance database (built first when the
// cache is missing), pointed to as the program folder, with the global settings object
// on it, while the object lives. Delete build/bench-data to have the cache rebuilt.
class BenchProgramFolder {
public:
    BenchProgramFolder();
    ~BenchProgramFolder();
    BenchProgramFolder(const BenchProgramFolder&) = delete;
    BenchProgramFolder& operator=(const BenchProgramFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string DataFile() const { return path_ + "data.mdb"; }

private:
    std::string path_;
    std::unique_ptr<ConfigHome> config_;
};

// The main of a benchmark program on the performance database: the event loop the
// program's long jobs pump, then every benchmark with BenchFolder() in place.
int RunBenchmarksOnProgramFolder(int argc, char** argv);
// The same once the caller has made its application (a QApplication for widgets);
// withSetup adds what the setup gives a program folder (settings values, language
// files, the Predict folder), for benchmarks of windows.
int RunBenchmarksInProgramFolder(int argc, char** argv, bool withSetup = false);
BenchProgramFolder& BenchFolder();

// The league season with the most matches of the performance database.
struct LeagueSeason {
    int champ = 0;
    int season = 0;
    int matches = 0;
};
LeagueSeason LargestLeagueSeason();

using BareDatabase = std::unique_ptr<sqlite3, SqliteDatabaseCloser>;

// data.mdb opened with the bare SQLite API as the program's connection opens it (WAL,
// synchronous NORMAL, the Jet functions and collation), for the side-by-side figures.
BareDatabase OpenBare(const std::string& path);
// Runs SQLite text; raises std::runtime_error on failure.
void RunBare(sqlite3* db, const std::string& sqliteSql);
// Runs a select and reads every column of every row; the number of rows.
int ReadBare(sqlite3* db, const std::string& sqliteSql);

// The SQLite texts a connection runs while recording, in order, as SQLite received
// them (after the Jet translation): the bare side of a figure replays exactly these.
class StatementRecorder {
public:
    explicit StatementRecorder(sqlite3* db);
    ~StatementRecorder();
    StatementRecorder(const StatementRecorder&) = delete;
    StatementRecorder& operator=(const StatementRecorder&) = delete;

    const std::vector<std::string>& Statements() const { return statements_; }

private:
    static int OnTrace(unsigned type, void* context, void* statement, void* text);

    sqlite3* db_;
    std::vector<std::string> statements_;
};

// Times the program's call as the iteration (use UseManualTime) and the bare call
// beside it, with an untimed reset after each; the counters give the bare time and the
// ratio program / bare.
template <typename ProgramCall, typename BareCall, typename Reset = void (*)()>
void SideBySide(benchmark::State& state, ProgramCall program, BareCall bare, Reset reset = [] {})
{
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::time_point start) {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    double programSeconds = 0;
    double bareSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        program();
        const double elapsed = seconds(start);
        state.SetIterationTime(elapsed);
        programSeconds += elapsed;
        reset();
        start = Clock::now();
        bare();
        bareSeconds += seconds(start);
        reset();
    }
    state.counters["bare_ms"] = bareSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = programSeconds / bareSeconds;
}

// An integer column of the first row of a select on data.mdb; 0 without a row.
int FirstInteger(const std::string& sql, const char* column);
// The team that played the most matches.
int BusiestTeam();
// The day with the most coming fixtures; 0 when there are none.
TDateTime BusiestCalendarDay();

// The SQL texts a call runs, as SQLite received them.
std::vector<std::string> RecordedStatements(const std::function<void()>& call);

// Times the program's call beside the statements it ran, read with the bare API, with
// an untimed reset after each; the program's milliseconds per iteration.
double BesideStatements(benchmark::State& state, const std::function<void()>& call,
                        const std::vector<std::string>& statements, const std::function<void()>& reset = [] {});

// Times the program's call beside the same statements read with the bare API, with an
// untimed reset after each; skips with an error when the call runs another number of
// statements than expected.
void BesideBare(benchmark::State& state, const std::function<void()>& call, int expectedStatements,
                const std::function<void()>& reset = [] {});

// BesideBare with the pending events (a window's painting) handled after each call, and
// the statement count as a counter.
void PaintedBesideBare(benchmark::State& state, const std::function<void()>& call, int expectedStatements,
                       const std::function<void()>& reset = [] {});
