// The Elo rating on the 300,000-match database: DBEloRang::UpdateSeason for seasons 3 to
// the newest, as the settings dialog runs it, beside a plain loop over the bare SQLite
// API (the same selects, the same arithmetic, one prepared INSERT per match, one
// transaction per season); and the match card's 14 lookups beside the same select
// read 14 times bare.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "benchsupport.h"
#include "data/dbconnect.h"
#include "data/dbseason.h"
#include "predict/dbelorang.h"
#include "sampledata/sampleids.h"

namespace {

constexpr int FirstRatedSeason = 3;

sqlite3* ProgramHandle()
{
    return DBConnect::GetData()->GetConnection()->Handle();
}

SqliteStatement Prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    return SqliteStatement(raw);
}

// The SQLite texts of one season's walk, as the program's connection received them.
struct SeasonSql {
    std::string teams;
    std::string matches;
    std::string remove;
};

SeasonSql RecordSeason(DBEloRang& elo, int season)
{
    StatementRecorder recorder(ProgramHandle());
    elo.UpdateSeason(season, "", nullptr);
    SeasonSql sql;
    for (const std::string& text : recorder.Statements()) {
        if (text.rfind("SELECT", 0) == 0)
            (sql.teams.empty() ? sql.teams : sql.matches) = text;
        else if (text.rfind("DELETE", 0) == 0)
            sql.remove = text;
    }
    return sql;
}

struct BareTeam {
    float rating = DBEloRang::StartRating;
    int games = 0;
};

double Whole(float rating)
{
    return std::floor(static_cast<double>(rating) + 0.5);
}

// The walk of one season with the bare API: the program's selects and DELETE, the
// program's arithmetic, one prepared INSERT per match.
void BareSeason(sqlite3* db, const SeasonSql& sql, sqlite3_stmt* insert)
{
    std::map<int, BareTeam> teams;
    const SqliteStatement teamRows = Prepare(db, sql.teams);
    while (sqlite3_step(teamRows.get()) == SQLITE_ROW)
        teams[sqlite3_column_int(teamRows.get(), 0)];
    RunBare(db, "BEGIN IMMEDIATE");
    RunBare(db, sql.remove);
    const SqliteStatement matches = Prepare(db, sql.matches);
    while (sqlite3_step(matches.get()) == SQLITE_ROW) {
        // FixedIND, Date1, Team1ID, Team2ID, Gol1, Gol2
        BareTeam& home = teams[sqlite3_column_int(matches.get(), 2)];
        BareTeam& away = teams[sqlite3_column_int(matches.get(), 3)];
        const int g1 = sqlite3_column_int(matches.get(), 4);
        const int g2 = sqlite3_column_int(matches.get(), 5);
        sqlite3_bind_int(insert, 1, sqlite3_column_int(matches.get(), 0));
        sqlite3_bind_double(insert, 2, Whole(home.rating));
        sqlite3_bind_double(insert, 3, Whole(away.rating));
        home.rating = static_cast<float>(DBEloRang::NewRang(g1, g2, home.rating, away.rating, true));
        away.rating = static_cast<float>(DBEloRang::NewRang(g2, g1, away.rating, home.rating, false));
        sqlite3_bind_double(insert, 4, Whole(home.rating));
        sqlite3_bind_double(insert, 5, Whole(away.rating));
        ++home.games;
        ++away.games;
        sqlite3_bind_int(insert, 6, home.games >= 5 && away.games >= 5 ? -1 : 0);
        if (sqlite3_step(insert) != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db));
        sqlite3_reset(insert);
    }
    RunBare(db, "COMMIT");
}

std::vector<int> RatedSeasons()
{
    std::vector<int> seasons;
    for (int season = FirstRatedSeason; season <= DBSeason::GetMaxSeasonID(); ++season)
        seasons.push_back(season);
    return seasons;
}

void BM_UpdateSeasons(benchmark::State& state)
{
    DBEloRang elo;
    const std::vector<int> seasons = RatedSeasons();
    std::vector<SeasonSql> sql;
    for (int season : seasons)
        sql.push_back(RecordSeason(elo, season));
    if (sql.empty() || sql.front().matches.empty() || sql.front().remove.empty()) {
        state.SkipWithError("the walk ran no selects or no DELETE");
        return;
    }
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    const SqliteStatement insert = Prepare(bare.get(), "INSERT INTO EloFixed VALUES(?, ?, ?, ?, ?, ?)");
    SideBySide(
            state,
            [&] {
                for (int season : seasons)
                    elo.UpdateSeason(season, "", nullptr);
            },
            [&] {
                for (const SeasonSql& season : sql)
                    BareSeason(bare.get(), season, insert.get());
            });
    state.counters["seasons"] = static_cast<double>(seasons.size());
    state.counters["rows"] = ReadBare(bare.get(), "SELECT * FROM EloFixed");
}
BENCHMARK(BM_UpdateSeasons)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(3);

// What the match card reads for a pair: both trends, five ratings back and the latest.
void MatchCardLookups(int team)
{
    benchmark::DoNotOptimize(DBEloRang::GetRangTrend(team));
    for (int n = 4; n >= 0; --n)
        benchmark::DoNotOptimize(DBEloRang::GetRangBack(team, n));
    benchmark::DoNotOptimize(DBEloRang::GetRang(team));
}

void BM_MatchCardLookups(benchmark::State& state)
{
    if (ReadBare(OpenBare(BenchFolder().DataFile()).get(), "SELECT * FROM EloFixed LIMIT 1") == 0) {
        DBEloRang elo;
        for (int season : RatedSeasons())
            elo.UpdateSeason(season, "", nullptr);
    }
    const std::vector<int> teams = {SampleIds::FirstTeam(SampleIds::England),
                                    SampleIds::FirstTeam(SampleIds::England) + 1};
    std::vector<std::string> selects;
    for (int team : teams) {
        StatementRecorder recorder(ProgramHandle());
        DBEloRang::GetRang(team);
        selects.push_back(recorder.Statements().at(0));
    }
    const BareDatabase bare = OpenBare(BenchFolder().DataFile());
    int rows = 0;
    SideBySide(
            state,
            [&] {
                for (int team : teams)
                    MatchCardLookups(team);
            },
            [&] {
                for (const std::string& select : selects)
                    for (int lookup = 0; lookup < 7; ++lookup)
                        rows = ReadBare(bare.get(), select);
            });
    state.counters["rows"] = rows;
}
BENCHMARK(BM_MatchCardLookups)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksOnProgramFolder(argc, argv);
}
