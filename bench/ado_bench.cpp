// A 10,000-row select read row by row through TADOQuery, beside the same SQL read
// with the bare SQLite API; both keep their connection open between runs.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/adoconnection.h"
#include "platform/adoquery.h"
#include "platform/jetsql.h"

namespace {

constexpr int RowCount = 10'000;
const char* const SelectText =
    "SELECT FixedID, Date, Team1, Team2, Gol1, Gol2, Kef1, AET FROM Fixed ORDER BY Date DESC";

using Database = std::unique_ptr<sqlite3, SqliteDatabaseCloser>;

Database OpenBare(const std::string& path)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    RegisterJetFunctions(raw);
    return db;
}

void Run(sqlite3* db, const std::string& sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// A database file of RowCount matches, removed with its folder at exit.
class MatchFile {
public:
    MatchFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kovral-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        folder_ = pattern;
        path_ = folder_ + "/data.mdb";
        Database db = OpenBare(path_);
        Run(db.get(), "PRAGMA journal_mode=WAL;"
                      "CREATE TABLE Fixed(FixedID INTEGER PRIMARY KEY, Date DATETIME, Team1 TEXT COLLATE JETNOCASE,"
                      " Team2 TEXT COLLATE JETNOCASE, Gol1 INTEGER, Gol2 INTEGER, Kef1 REAL, AET YESNO NOT NULL DEFAULT 0);"
                      "BEGIN;");
        for (int i = 0; i < RowCount; ++i) {
            const std::string n = std::to_string(i);
            Run(db.get(), "INSERT INTO Fixed VALUES(" + n + ", " + std::to_string(40000 + i / 7) + ".5, 'Команда " + n +
                              "', 'Соперник " + n + "', " + std::to_string(i % 5) + ", " + std::to_string(i % 3) + ", " +
                              std::to_string(1.1 + (i % 40) / 10.0) + ", " + (i % 11 ? "0" : "-1") + ")");
        }
        Run(db.get(), "COMMIT");
    }
    ~MatchFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

const MatchFile& Matches()
{
    static const MatchFile file;
    return file;
}

// What a reader keeps of each row, so that no read can be left out.
struct Totals {
    std::int64_t numbers = 0;
    double floats = 0.0;
    std::size_t textBytes = 0;
};

void BM_AdoQuerySelect(benchmark::State& state)
{
    TADOConnection connection("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Matches().Path() + ";");
    TADOQuery query(&connection);
    for (auto _ : state) {
        Totals totals;
        query.Close();
        query.SetSQL(SelectText);
        query.Open();
        for (query.First(); !query.Eof(); query.Next()) {
            totals.numbers += query.FieldByName("FixedID")->AsInteger();
            totals.floats += query.FieldByName("Date")->AsDateTime();
            totals.textBytes += query.FieldByName("Team1")->AsString().size();
            totals.textBytes += query.FieldByName("Team2")->AsString().size();
            totals.numbers += query.FieldByName("Gol1")->AsInteger();
            totals.numbers += query.FieldByName("Gol2")->AsInteger();
            totals.floats += query.FieldByName("Kef1")->AsFloat();
            totals.numbers += query.FieldByName("AET")->AsBoolean();
        }
        benchmark::DoNotOptimize(totals);
    }
    state.SetItemsProcessed(state.iterations() * RowCount);
}

void BM_BareSqliteSelect(benchmark::State& state)
{
    Database db = OpenBare(Matches().Path());
    for (auto _ : state) {
        Totals totals;
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db.get(), SelectText, -1, &raw, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db.get()));
        SqliteStatement statement(raw);
        while (sqlite3_step(raw) == SQLITE_ROW) {
            totals.numbers += sqlite3_column_int(raw, 0);
            totals.floats += sqlite3_column_double(raw, 1);
            totals.textBytes += std::string(reinterpret_cast<const char*>(sqlite3_column_text(raw, 2))).size();
            totals.textBytes += std::string(reinterpret_cast<const char*>(sqlite3_column_text(raw, 3))).size();
            totals.numbers += sqlite3_column_int(raw, 4);
            totals.numbers += sqlite3_column_int(raw, 5);
            totals.floats += sqlite3_column_double(raw, 6);
            totals.numbers += sqlite3_column_int(raw, 7) != 0;
        }
        benchmark::DoNotOptimize(totals);
    }
    state.SetItemsProcessed(state.iterations() * RowCount);
}

}  // namespace

BENCHMARK(BM_AdoQuerySelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSqliteSelect)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
