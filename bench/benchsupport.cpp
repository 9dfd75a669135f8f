#include "benchsupport.h"

#include <stdlib.h>

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "data/dbase.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "data/schema.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/jetsql.h"
#include "platform/programfolder.h"
#include "platform/sysutils.h"
#include "sampledata/sampleloader.h"
#include "setup/programfoldersetup.h"

const TDateTime BenchToday = EncodeDate(2025, 3, 14);

namespace {

namespace fs = std::filesystem;

const char* const DatabaseFiles[] = {"data.mdb", "setting.mdb"};

std::string MakeTempFolder(const std::string& parent)
{
    std::string pattern = (fs::path(parent) / "kovral-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a folder under " + parent);
    return pattern + "/";
}

void ReleaseProgramFolder()
{
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
    SetProgramFolderForTests("");
}

// A program folder as kovral-setup makes it, with the sample at the benchmark scale.
void BuildDatabase(const std::string& folder)
{
    const ConfigHome config(folder + "config");
    SetupProgramFolder(folder, SetupOptions{});
    SampleDataOptions options;
    options.scale = BenchMatches;
    options.today = BenchToday;
    const bool loaded = LoadSampleData(options);
    ReleaseProgramFolder();
    if (!loaded)
        throw std::runtime_error("the sample data did not load into " + folder);
}

// The cached folder, built first when missing; a build that stopped half-way never
// counts, as the folder gets its name only when complete.
std::string CachedFolder()
{
    const fs::path cache = fs::path(KOVRAL_BENCH_DATA_DIR) /
                           ("sample-" + std::to_string(BenchMatches) + "-" +
                            std::to_string(SampleDataOptions::DefaultSeed));
    if (!fs::exists(cache / "data.mdb")) {
        fs::create_directories(cache.parent_path());
        const std::string building = MakeTempFolder(cache.parent_path().string());
        BuildDatabase(building);
        fs::rename(building, cache);
    }
    return cache.string() + "/";
}

}  // namespace

ConfigHome::ConfigHome(const std::string& folder)
{
    if (const char* value = std::getenv("XDG_CONFIG_HOME"))
        saved_ = value;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}

ConfigHome::~ConfigHome()
{
    if (saved_)
        setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

BenchProgramFolder::BenchProgramFolder()
{
    const std::string cache = CachedFolder();
    path_ = MakeTempFolder(fs::temp_directory_path().string());
    for (const char* file : DatabaseFiles)
        fs::copy_file(cache + file, path_ + file);
    config_ = std::make_unique<ConfigHome>(path_ + "config");
    SetProgramFolderForTests(path_);
    DBConnect::ResetForTests();
    DBSetting::CreateGlobal();
}

BenchProgramFolder::~BenchProgramFolder()
{
    ReleaseProgramFolder();
    config_.reset();
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

namespace {

std::unique_ptr<BenchProgramFolder>& FolderInstance()
{
    static std::unique_ptr<BenchProgramFolder> folder;
    return folder;
}

}  // namespace

int RunBenchmarksOnProgramFolder(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return RunBenchmarksInProgramFolder(argc, argv);
}

int RunBenchmarksInProgramFolder(int argc, char** argv, bool withSetup)
{
    benchmark::Initialize(&argc, argv);
    FolderInstance() = std::make_unique<BenchProgramFolder>();
    if (withSetup)
        SetupProgramFolder(BenchFolder().Path(), SetupOptions{});
    benchmark::RunSpecifiedBenchmarks();
    FolderInstance().reset();
    benchmark::Shutdown();
    return 0;
}

BenchProgramFolder& BenchFolder()
{
    return *FolderInstance();
}

BareDatabase OpenBare(const std::string& path)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    BareDatabase db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    RegisterJetFunctions(raw);
    RunBare(raw, ConnectionPragmas);
    return db;
}

void RunBare(sqlite3* db, const std::string& sqliteSql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sqliteSql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sqliteSql);
    }
}

int ReadBare(sqlite3* db, const std::string& sqliteSql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sqliteSql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sqliteSql);
    const std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer> statement(raw);
    const int columns = sqlite3_column_count(raw);
    int rows = 0;
    std::size_t bytes = 0;
    while (sqlite3_step(raw) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            switch (sqlite3_column_type(raw, i)) {
            case SQLITE_INTEGER: bytes += sqlite3_column_int64(raw, i) != 0; break;
            case SQLITE_FLOAT: bytes += sqlite3_column_double(raw, i) != 0; break;
            case SQLITE_NULL: break;
            default:
                sqlite3_column_text(raw, i);
                bytes += sqlite3_column_bytes(raw, i);
            }
        }
        ++rows;
    }
    benchmark::DoNotOptimize(bytes);
    return rows;
}

StatementRecorder::StatementRecorder(sqlite3* db) : db_(db)
{
    sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, &StatementRecorder::OnTrace, this);
}

StatementRecorder::~StatementRecorder()
{
    sqlite3_trace_v2(db_, 0, nullptr, nullptr);
}

int StatementRecorder::OnTrace(unsigned, void* context, void*, void* text)
{
    const std::string sql = static_cast<const char*>(text);
    // Statements run by triggers come as comments; only the top-level texts count.
    if (sql.rfind("--", 0) != 0)
        static_cast<StatementRecorder*>(context)->statements_.push_back(sql);
    return 0;
}

LeagueSeason LargestLeagueSeason()
{
    DBase data;
    data.Select("SELECT TOP 1 Stats.ChampID AS ChampID, Stats.SeasonID AS SeasonID, Sum(Stats.Game) AS Matches "
                "FROM Stats INNER JOIN Champ ON Champ.ChampID=Stats.ChampID WHERE Champ.TypeID=1 AND Stats.Field=1 "
                "GROUP BY Stats.ChampID, Stats.SeasonID ORDER BY Sum(Stats.Game) DESC");
    if (data.Count() == 0)
        return {};
    TADOQuery* query = data.GetQuery();
    return {query->FieldByName("ChampID")->AsInteger(), query->FieldByName("SeasonID")->AsInteger(),
            query->FieldByName("Matches")->AsInteger()};
}

int FirstInteger(const std::string& sql, const char* column)
{
    DBase data;
    data.Select(sql);
    return data.Count() > 0 ? data.GetQuery()->FieldByName(column)->AsInteger() : 0;
}

int BusiestTeam()
{
    return FirstInteger("SELECT TOP 1 TeamID FROM Stats GROUP BY TeamID ORDER BY Sum(Game) DESC", "TeamID");
}

TDateTime BusiestCalendarDay()
{
    DBase days;
    days.Select("SELECT TOP 1 Date, COUNT(*) AS Fixtures FROM Calendar GROUP BY Date ORDER BY COUNT(*) DESC");
    return days.Count() > 0 ? days.GetQuery()->FieldByName("Date")->AsFloat() : 0;
}

std::vector<std::string> RecordedStatements(const std::function<void()>& call)
{
    StatementRecorder recorder(DBConnect::GetData()->GetConnection()->Handle());
    call();
    return recorder.Statements();
}

double BesideStatements(benchmark::State& state, const std::function<void()>& call,
                        const std::vector<std::string>& statements, const std::function<void()>& reset)
{
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    double programSeconds = 0;
    SideBySide(
            state,
            [&] {
                const auto start = std::chrono::steady_clock::now();
                call();
                programSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            },
            [&] {
                for (const std::string& statement : statements)
                    ReadBare(bare.get(), statement);
            },
            reset);
    return programSeconds * 1000 / static_cast<double>(state.iterations());
}

void BesideBare(benchmark::State& state, const std::function<void()>& call, int expectedStatements,
                const std::function<void()>& reset)
{
    const std::vector<std::string> statements = RecordedStatements(call);
    reset();
    if (static_cast<int>(statements.size()) != expectedStatements) {
        state.SkipWithError("the call ran other statements than expected");
        return;
    }
    BesideStatements(state, call, statements, reset);
}

void PaintedBesideBare(benchmark::State& state, const std::function<void()>& call, int expectedStatements,
                       const std::function<void()>& reset)
{
    BesideBare(
            state,
            [&] {
                call();
                QCoreApplication::processEvents();
            },
            expectedStatements, reset);
    state.counters["statements"] = expectedStatements;
}
