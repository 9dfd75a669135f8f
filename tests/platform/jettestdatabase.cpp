#include "jettestdatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

// Yes/no columns are declared "INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT x" (a NULL
// written stores the default); these triggers turn any other non-zero value into -1.
std::string YesNoTriggers(const std::string& table, const std::string& column)
{
    std::string triggers;
    for (const std::string& event : {std::string("INSERT"), "UPDATE OF " + column}) {
        triggers += "CREATE TRIGGER " + table + "_" + column + "_" + event.substr(0, 6) + " AFTER " + event + " ON \"" +
                    table + "\" WHEN NEW." + column + " NOT IN (0, -1) BEGIN UPDATE \"" + table + "\" SET " + column +
                    " = -1 WHERE rowid = NEW.rowid; END;\n";
    }
    return triggers;
}

const char* MatchColumns = R"sql(
    FixedIND INTEGER PRIMARY KEY, Date REAL, Team1ID INTEGER, Team2ID INTEGER, Gol1 INTEGER, Gol2 INTEGER,
    Tur INTEGER, AET INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0, RoundID INTEGER, ChampID INTEGER, SeasonID INTEGER,
    Kef1 REAL, KefX REAL, Kef2 REAL, Un25 REAL, Ov25 REAL, AsianHandicap TEXT COLLATE JETNOCASE,
    AsianKef1 REAL, AsianKef2 REAL)sql";

std::string SeriesColumns()
{
    std::string columns = "TeamID INTEGER, Field INTEGER, TypeID INTEGER, Game INTEGER";
    for (const char* kind : {"Win", "Draw", "Lose", "NoWin", "NoDraw", "NoLose", "Under", "Over", "WithScore",
                             "NoScore", "WithMiss", "NoMiss", "00"})
        columns += std::string(", Cur") + kind + " INTEGER, Max" + kind + " INTEGER";
    return columns;
}

}  // namespace

void JetTestDatabase::Closer::operator()(sqlite3* db) const
{
    sqlite3_close(db);
}

JetTestDatabase::JetTestDatabase()
{
    sqlite3* db = nullptr;
    const int result = sqlite3_open(folder_.File("data.mdb").c_str(), &db);
    db_.reset(db);
    if (result != SQLITE_OK)
        throw EDatabaseError("cannot open the test database");
    RegisterJetFunctions(db);
}

JetTestDatabase::~JetTestDatabase() = default;

void JetTestDatabase::CreateMatchSchema()
{
    Exec(R"sql(
CREATE TABLE Team (TeamID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE, NationalID TEXT COLLATE JETNOCASE);
CREATE TABLE National (NationalID TEXT COLLATE JETNOCASE PRIMARY KEY, Name TEXT COLLATE JETNOCASE);
CREATE TABLE Champ (ChampID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE, NationalID TEXT COLLATE JETNOCASE,
    TypeID INTEGER, Fav INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0, SortName TEXT COLLATE JETNOCASE, Koef REAL);
CREATE TABLE ChampType (TypeID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE);
CREATE TABLE Season (SeasonID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE, NameYear INTEGER);
CREATE TABLE Round (RoundID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE,
    IsTable INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0, OrderNumber INTEGER);
CREATE TABLE Players (PlayerID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE, NationalID TEXT COLLATE JETNOCASE,
    Born REAL, Height INTEGER, Skills INTEGER, PosID INTEGER, FlangID INTEGER);
CREATE TABLE PlayersSquad (PlayerID INTEGER, TeamID INTEGER);
CREATE TABLE PlayerPos (PosID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE);
CREATE TABLE PlayerFlang (FlangID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE);
CREATE TABLE TeamFav (TeamID INTEGER);
CREATE TABLE "Filter" (FilterID INTEGER, Cur INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1,
    "Row" INTEGER DEFAULT 1, Mode INTEGER DEFAULT 1, TeamID INTEGER,
    TeamRivalID INTEGER, ChampID INTEGER, Field INTEGER DEFAULT 0,
    IsChamp INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1, IsCup INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1,
    IsEuro INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1, IsFriend INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0,
    IsWin INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1, IsDraw INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1,
    IsLose INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT -1, SeasonWith INTEGER DEFAULT 0,
    ScoreEq TEXT COLLATE JETNOCASE DEFAULT '!', ScoreCount REAL DEFAULT 0,
    MissEq TEXT COLLATE JETNOCASE DEFAULT '!', MissCount REAL DEFAULT 0,
    TotalEq TEXT COLLATE JETNOCASE DEFAULT '!', TotalCount REAL DEFAULT 0);
CREATE TABLE Version (UpdateNum TEXT COLLATE JETNOCASE, UpdateDate TEXT COLLATE JETNOCASE,
    UpdateSeries INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0);
CREATE TABLE Stats (ChampID INTEGER, SeasonID INTEGER, TeamID INTEGER, RoundID INTEGER, Field INTEGER,
    Game INTEGER, Win INTEGER, Draw INTEGER, Lose INTEGER, Gol1 INTEGER, Gol2 INTEGER, Point INTEGER,
    Under INTEGER, "Over" INTEGER, ByScore INTEGER, ByMiss INTEGER, NoScore INTEGER, NoMiss INTEGER,
    MinusF INTEGER, PlusF INTEGER);
CREATE TABLE TeamResults (Date REAL, TeamID INTEGER, Field INTEGER, ChampID INTEGER, SeasonID INTEGER,
    RivalID INTEGER, Gol1 INTEGER, Gol2 INTEGER, Tour INTEGER);
CREATE TABLE EloFixed (FixedIND INTEGER, Rang1 REAL, Rang2 REAL, NewRang1 REAL, NewRang2 REAL,
    IsStats INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0);
CREATE TABLE EloStats (Deff REAL, ChampID INTEGER, SeasonID INTEGER, Game INTEGER, Win1 INTEGER, Draw INTEGER,
    Win2 INTEGER, Under INTEGER, "Over" INTEGER, Gol1 INTEGER, Gol2 INTEGER);
CREATE TABLE Calendar (Date REAL, Team1ID INTEGER, Team2ID INTEGER, RoundID INTEGER, Tur INTEGER, ChampID INTEGER,
    FixTime TEXT COLLATE JETNOCASE, Kef1 REAL, KefX REAL, Kef2 REAL, Un25 REAL, Ov25 REAL,
    AsianHandicap TEXT COLLATE JETNOCASE, AsianKef1 REAL, AsianKef2 REAL, Gol1 INTEGER, Gol2 INTEGER);
CREATE TABLE FormSetting (FormName TEXT COLLATE JETNOCASE,
    IsMax INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0, Width INTEGER, Height INTEGER, "Top" INTEGER,
    "Left" INTEGER);
CREATE TABLE FormData (FormName TEXT COLLATE JETNOCASE, ControlIndex INTEGER, Value TEXT COLLATE JETNOCASE);
)sql");
    Exec(std::string("CREATE TABLE Fixed (") + MatchColumns + ");\nCREATE TABLE _Fixed (" + MatchColumns + ");\n" +
         "CREATE TABLE Series (" + SeriesColumns() + ");\n" +
         "CREATE INDEX FixedTeam1 ON Fixed (Team1ID);\nCREATE INDEX FixedTeam2 ON Fixed (Team2ID);\n"
         "CREATE INDEX FixedDate ON Fixed (Date);\nCREATE INDEX StatsChamp ON Stats (ChampID, SeasonID);\n");
    const std::pair<const char*, const char*> yesNoColumns[]{
        {"Fixed", "AET"},       {"_Fixed", "AET"},     {"Champ", "Fav"},      {"Round", "IsTable"},
        {"Filter", "Cur"},      {"Filter", "IsChamp"}, {"Filter", "IsCup"},   {"Filter", "IsEuro"},
        {"Filter", "IsFriend"}, {"Filter", "IsWin"},   {"Filter", "IsDraw"},  {"Filter", "IsLose"},
        {"Version", "UpdateSeries"}, {"EloFixed", "IsStats"}, {"FormSetting", "IsMax"}};
    for (const auto& [table, column] : yesNoColumns)
        Exec(YesNoTriggers(table, column));
}

void JetTestDatabase::Exec(const std::string& sqliteSql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_.get(), sqliteSql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw EDatabaseError(message + " in: " + sqliteSql);
    }
}

SqlRows JetTestDatabase::Query(const std::string& sqliteSql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sqliteSql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw EDatabaseError(std::string(sqlite3_errmsg(db_.get())) + " in: " + sqliteSql);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    SqlRows rows;
    int step = SQLITE_OK;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(raw); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, i));
            row.emplace_back(text ? text : "NULL");
        }
        rows.push_back(std::move(row));
    }
    if (step != SQLITE_DONE)
        throw EDatabaseError(std::string(sqlite3_errmsg(db_.get())) + " in: " + sqliteSql);
    return rows;
}

void JetTestDatabase::ExecJet(const std::string& jetSql)
{
    Exec(TranslateJetSql(jetSql));
}

SqlRows JetTestDatabase::QueryJet(const std::string& jetSql)
{
    return Query(TranslateJetSql(jetSql));
}

std::string JetTestDatabase::ValueJet(const std::string& jetSql)
{
    const SqlRows rows = QueryJet(jetSql);
    if (rows.size() != 1 || rows[0].size() != 1) {
        ADD_FAILURE() << "expected one value from: " << jetSql;
        return "";
    }
    return rows[0][0];
}
