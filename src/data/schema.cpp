#include "data/schema.h"

#include <sqlite3.h>

#include <memory>

#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

// Yes/no columns hold only -1 and 0: NULL falls back to the default and any other
// number written becomes -1, so "Fav=-1" and "Cur=true" match whatever wrote the row.
const std::string DataSql =
        "CREATE TABLE IF NOT EXISTS \"National\" (\"NationalID\" TEXT COLLATE JETNOCASE NOT NULL PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE);\n"
        "CREATE TABLE IF NOT EXISTS \"Team\" (\"TeamID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE, \"NationalID\" TEXT COLLATE JETNOCASE);\n"
        "CREATE TABLE IF NOT EXISTS \"ChampType\" (\"TypeID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE);\n"
        "CREATE TABLE IF NOT EXISTS \"Champ\" (\"ChampID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE, \"NationalID\" TEXT COLLATE JETNOCASE, \"TypeID\" INTEGER, \"Fav\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0, \"SortName\" TEXT COLLATE JETNOCASE, \"Koef\" DOUBLE);\n"
        "CREATE TRIGGER IF NOT EXISTS \"Champ_Fav_ins\" AFTER INSERT ON \"Champ\" WHEN NEW.\"Fav\" NOT IN (0, -1) BEGIN UPDATE \"Champ\" SET \"Fav\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Champ_Fav_upd\" AFTER UPDATE OF \"Fav\" ON \"Champ\" WHEN NEW.\"Fav\" NOT IN (0, -1) BEGIN UPDATE \"Champ\" SET \"Fav\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"Season\" (\"SeasonID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE, \"NameYear\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"Round\" (\"RoundID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE, \"IsTable\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0, \"OrderNumber\" INTEGER);\n"
        "CREATE TRIGGER IF NOT EXISTS \"Round_IsTable_ins\" AFTER INSERT ON \"Round\" WHEN NEW.\"IsTable\" NOT IN (0, -1) BEGIN UPDATE \"Round\" SET \"IsTable\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Round_IsTable_upd\" AFTER UPDATE OF \"IsTable\" ON \"Round\" WHEN NEW.\"IsTable\" NOT IN (0, -1) BEGIN UPDATE \"Round\" SET \"IsTable\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"Fixed\" (\"FixedIND\" INTEGER PRIMARY KEY, \"Date\" DATETIME, \"Team1ID\" INTEGER, \"Team2ID\" INTEGER, \"Gol1\" INTEGER, \"Gol2\" INTEGER, \"Tur\" INTEGER, \"AET\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0, \"RoundID\" INTEGER, \"ChampID\" INTEGER, \"SeasonID\" INTEGER, \"Kef1\" DOUBLE, \"KefX\" DOUBLE, \"Kef2\" DOUBLE, \"Un25\" DOUBLE, \"Ov25\" DOUBLE, \"AsianHandicap\" TEXT COLLATE JETNOCASE, \"AsianKef1\" DOUBLE, \"AsianKef2\" DOUBLE);\n"
        "CREATE TRIGGER IF NOT EXISTS \"Fixed_AET_ins\" AFTER INSERT ON \"Fixed\" WHEN NEW.\"AET\" NOT IN (0, -1) BEGIN UPDATE \"Fixed\" SET \"AET\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Fixed_AET_upd\" AFTER UPDATE OF \"AET\" ON \"Fixed\" WHEN NEW.\"AET\" NOT IN (0, -1) BEGIN UPDATE \"Fixed\" SET \"AET\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"_Fixed\" (\"FixedIND\" INTEGER, \"Date\" DATETIME, \"Team1ID\" INTEGER, \"Team2ID\" INTEGER, \"Gol1\" INTEGER, \"Gol2\" INTEGER, \"Tur\" INTEGER, \"AET\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0, \"RoundID\" INTEGER, \"ChampID\" INTEGER, \"SeasonID\" INTEGER, \"Kef1\" DOUBLE, \"KefX\" DOUBLE, \"Kef2\" DOUBLE, \"Un25\" DOUBLE, \"Ov25\" DOUBLE, \"AsianHandicap\" TEXT COLLATE JETNOCASE, \"AsianKef1\" DOUBLE, \"AsianKef2\" DOUBLE);\n"
        "CREATE TRIGGER IF NOT EXISTS \"_Fixed_AET_ins\" AFTER INSERT ON \"_Fixed\" WHEN NEW.\"AET\" NOT IN (0, -1) BEGIN UPDATE \"_Fixed\" SET \"AET\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"_Fixed_AET_upd\" AFTER UPDATE OF \"AET\" ON \"_Fixed\" WHEN NEW.\"AET\" NOT IN (0, -1) BEGIN UPDATE \"_Fixed\" SET \"AET\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"Calendar\" (\"Date\" DATETIME, \"Team1ID\" INTEGER, \"Team2ID\" INTEGER, \"RoundID\" INTEGER, \"Tur\" INTEGER, \"ChampID\" INTEGER, \"FixTime\" TEXT COLLATE JETNOCASE, \"Kef1\" DOUBLE, \"KefX\" DOUBLE, \"Kef2\" DOUBLE, \"Un25\" DOUBLE, \"Ov25\" DOUBLE, \"AsianHandicap\" TEXT COLLATE JETNOCASE, \"AsianKef1\" DOUBLE, \"AsianKef2\" DOUBLE, \"Gol1\" INTEGER, \"Gol2\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"Players\" (\"PlayerID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE, \"NationalID\" TEXT COLLATE JETNOCASE, \"Born\" DATETIME, \"Height\" INTEGER, \"Skills\" INTEGER, \"PosID\" INTEGER, \"FlangID\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"PlayersSquad\" (\"PlayerID\" INTEGER, \"TeamID\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"PlayerPos\" (\"PosID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE);\n"
        "CREATE TABLE IF NOT EXISTS \"PlayerFlang\" (\"FlangID\" INTEGER PRIMARY KEY, \"Name\" TEXT COLLATE JETNOCASE);\n"
        "CREATE TABLE IF NOT EXISTS \"TeamFav\" (\"TeamID\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"Filter\" (\"FilterID\" INTEGER NOT NULL, \"Cur\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"Row\" INTEGER NOT NULL DEFAULT 1, \"Mode\" INTEGER NOT NULL DEFAULT 1, \"TeamID\" INTEGER NOT NULL DEFAULT 0, \"TeamRivalID\" INTEGER NOT NULL DEFAULT 0, \"ChampID\" INTEGER NOT NULL DEFAULT 0, \"Field\" INTEGER NOT NULL DEFAULT 0, \"IsChamp\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsCup\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsEuro\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsFriend\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsWin\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsDraw\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"IsLose\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT -1, \"SeasonWith\" INTEGER NOT NULL DEFAULT 0, \"ScoreEq\" TEXT COLLATE JETNOCASE NOT NULL DEFAULT '!', \"ScoreCount\" DOUBLE NOT NULL DEFAULT 0, \"MissEq\" TEXT COLLATE JETNOCASE NOT NULL DEFAULT '!', \"MissCount\" DOUBLE NOT NULL DEFAULT 0, \"TotalEq\" TEXT COLLATE JETNOCASE NOT NULL DEFAULT '!', \"TotalCount\" DOUBLE NOT NULL DEFAULT 0);\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_Cur_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"Cur\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"Cur\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_Cur_upd\" AFTER UPDATE OF \"Cur\" ON \"Filter\" WHEN NEW.\"Cur\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"Cur\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsChamp_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsChamp\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsChamp\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsChamp_upd\" AFTER UPDATE OF \"IsChamp\" ON \"Filter\" WHEN NEW.\"IsChamp\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsChamp\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsCup_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsCup\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsCup\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsCup_upd\" AFTER UPDATE OF \"IsCup\" ON \"Filter\" WHEN NEW.\"IsCup\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsCup\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsEuro_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsEuro\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsEuro\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsEuro_upd\" AFTER UPDATE OF \"IsEuro\" ON \"Filter\" WHEN NEW.\"IsEuro\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsEuro\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsFriend_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsFriend\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsFriend\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsFriend_upd\" AFTER UPDATE OF \"IsFriend\" ON \"Filter\" WHEN NEW.\"IsFriend\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsFriend\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsWin_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsWin\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsWin\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsWin_upd\" AFTER UPDATE OF \"IsWin\" ON \"Filter\" WHEN NEW.\"IsWin\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsWin\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsDraw_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsDraw\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsDraw\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsDraw_upd\" AFTER UPDATE OF \"IsDraw\" ON \"Filter\" WHEN NEW.\"IsDraw\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsDraw\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsLose_ins\" AFTER INSERT ON \"Filter\" WHEN NEW.\"IsLose\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsLose\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Filter_IsLose_upd\" AFTER UPDATE OF \"IsLose\" ON \"Filter\" WHEN NEW.\"IsLose\" NOT IN (0, -1) BEGIN UPDATE \"Filter\" SET \"IsLose\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"Version\" (\"UpdateNum\" TEXT COLLATE JETNOCASE, \"UpdateDate\" TEXT COLLATE JETNOCASE, \"UpdateSeries\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0);\n"
        "CREATE TRIGGER IF NOT EXISTS \"Version_UpdateSeries_ins\" AFTER INSERT ON \"Version\" WHEN NEW.\"UpdateSeries\" NOT IN (0, -1) BEGIN UPDATE \"Version\" SET \"UpdateSeries\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"Version_UpdateSeries_upd\" AFTER UPDATE OF \"UpdateSeries\" ON \"Version\" WHEN NEW.\"UpdateSeries\" NOT IN (0, -1) BEGIN UPDATE \"Version\" SET \"UpdateSeries\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"Stats\" (\"ChampID\" INTEGER, \"SeasonID\" INTEGER, \"TeamID\" INTEGER, \"RoundID\" INTEGER, \"Field\" INTEGER, \"Game\" INTEGER, \"Win\" INTEGER, \"Draw\" INTEGER, \"Lose\" INTEGER, \"Gol1\" INTEGER, \"Gol2\" INTEGER, \"Point\" INTEGER, \"Under\" INTEGER, \"Over\" INTEGER, \"ByScore\" INTEGER, \"ByMiss\" INTEGER, \"NoScore\" INTEGER, \"NoMiss\" INTEGER, \"MinusF\" INTEGER, \"PlusF\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"TeamResults\" (\"Date\" DATETIME, \"TeamID\" INTEGER, \"Field\" INTEGER, \"ChampID\" INTEGER, \"SeasonID\" INTEGER, \"RivalID\" INTEGER, \"Gol1\" INTEGER, \"Gol2\" INTEGER, \"Tour\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"Series\" (\"TeamID\" INTEGER, \"Field\" INTEGER, \"TypeID\" INTEGER, \"Game\" INTEGER, \"CurWin\" INTEGER, \"MaxWin\" INTEGER, \"CurDraw\" INTEGER, \"MaxDraw\" INTEGER, \"CurLose\" INTEGER, \"MaxLose\" INTEGER, \"CurNoWin\" INTEGER, \"MaxNoWin\" INTEGER, \"CurNoDraw\" INTEGER, \"MaxNoDraw\" INTEGER, \"CurNoLose\" INTEGER, \"MaxNoLose\" INTEGER, \"CurUnder\" INTEGER, \"MaxUnder\" INTEGER, \"CurOver\" INTEGER, \"MaxOver\" INTEGER, \"CurWithScore\" INTEGER, \"MaxWithScore\" INTEGER, \"CurNoScore\" INTEGER, \"MaxNoScore\" INTEGER, \"CurWithMiss\" INTEGER, \"MaxWithMiss\" INTEGER, \"CurNoMiss\" INTEGER, \"MaxNoMiss\" INTEGER, \"Cur00\" INTEGER, \"Max00\" INTEGER);\n"
        "CREATE TABLE IF NOT EXISTS \"EloFixed\" (\"FixedIND\" INTEGER, \"Rang1\" DOUBLE, \"Rang2\" DOUBLE, \"NewRang1\" DOUBLE, \"NewRang2\" DOUBLE, \"IsStats\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0);\n"
        "CREATE TRIGGER IF NOT EXISTS \"EloFixed_IsStats_ins\" AFTER INSERT ON \"EloFixed\" WHEN NEW.\"IsStats\" NOT IN (0, -1) BEGIN UPDATE \"EloFixed\" SET \"IsStats\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"EloFixed_IsStats_upd\" AFTER UPDATE OF \"IsStats\" ON \"EloFixed\" WHEN NEW.\"IsStats\" NOT IN (0, -1) BEGIN UPDATE \"EloFixed\" SET \"IsStats\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"EloStats\" (\"Deff\" INTEGER, \"ChampID\" INTEGER, \"SeasonID\" INTEGER, \"Game\" INTEGER, \"Win1\" INTEGER, \"Draw\" INTEGER, \"Win2\" INTEGER, \"Under\" INTEGER, \"Over\" INTEGER, \"Gol1\" INTEGER, \"Gol2\" INTEGER);\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Team_Name\" ON \"Team\" (\"Name\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Champ_SortName\" ON \"Champ\" (\"SortName\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Season_NameYear\" ON \"Season\" (\"NameYear\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_Team1ID_Date\" ON \"Fixed\" (\"Team1ID\", \"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_Team2ID_Date\" ON \"Fixed\" (\"Team2ID\", \"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_ChampID_SeasonID_Date\" ON \"Fixed\" (\"ChampID\", \"SeasonID\", \"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_SeasonID\" ON \"Fixed\" (\"SeasonID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_Date\" ON \"Fixed\" (\"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Fixed_RoundID\" ON \"Fixed\" (\"RoundID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix__Fixed_Date\" ON \"_Fixed\" (\"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Calendar_Date\" ON \"Calendar\" (\"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Calendar_ChampID_Date\" ON \"Calendar\" (\"ChampID\", \"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Calendar_Team1ID\" ON \"Calendar\" (\"Team1ID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Calendar_Team2ID\" ON \"Calendar\" (\"Team2ID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_PlayersSquad_TeamID\" ON \"PlayersSquad\" (\"TeamID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_PlayersSquad_PlayerID\" ON \"PlayersSquad\" (\"PlayerID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_TeamFav_TeamID\" ON \"TeamFav\" (\"TeamID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Filter_FilterID\" ON \"Filter\" (\"FilterID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Stats_ChampID_SeasonID_TeamID\" ON \"Stats\" (\"ChampID\", \"SeasonID\", \"TeamID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Stats_TeamID_SeasonID\" ON \"Stats\" (\"TeamID\", \"SeasonID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Stats_SeasonID\" ON \"Stats\" (\"SeasonID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_TeamResults_TeamID_Date\" ON \"TeamResults\" (\"TeamID\", \"Date\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_TeamResults_ChampID\" ON \"TeamResults\" (\"ChampID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Series_Field_TypeID\" ON \"Series\" (\"Field\", \"TypeID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_Series_TeamID\" ON \"Series\" (\"TeamID\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_EloFixed_FixedIND\" ON \"EloFixed\" (\"FixedIND\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_EloStats_SeasonID\" ON \"EloStats\" (\"SeasonID\");\n";

const std::string SettingSql =
        "CREATE TABLE IF NOT EXISTS \"FormSetting\" (\"FormName\" TEXT COLLATE JETNOCASE, \"IsMax\" YESNO NOT NULL ON CONFLICT REPLACE DEFAULT 0, \"Width\" INTEGER, \"Height\" INTEGER, \"Top\" INTEGER, \"Left\" INTEGER);\n"
        "CREATE TRIGGER IF NOT EXISTS \"FormSetting_IsMax_ins\" AFTER INSERT ON \"FormSetting\" WHEN NEW.\"IsMax\" NOT IN (0, -1) BEGIN UPDATE \"FormSetting\" SET \"IsMax\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TRIGGER IF NOT EXISTS \"FormSetting_IsMax_upd\" AFTER UPDATE OF \"IsMax\" ON \"FormSetting\" WHEN NEW.\"IsMax\" NOT IN (0, -1) BEGIN UPDATE \"FormSetting\" SET \"IsMax\" = -1 WHERE rowid = NEW.rowid; END;\n"
        "CREATE TABLE IF NOT EXISTS \"FormData\" (\"FormName\" TEXT COLLATE JETNOCASE, \"ControlIndex\" INTEGER, \"Value\" TEXT COLLATE JETNOCASE);\n"
        "CREATE INDEX IF NOT EXISTS \"ix_FormSetting_FormName\" ON \"FormSetting\" (\"FormName\");\n"
        "CREATE INDEX IF NOT EXISTS \"ix_FormData_FormName_ControlIndex\" ON \"FormData\" (\"FormName\", \"ControlIndex\");\n";

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

void RunScript(const std::string& path, const std::string& sql)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (opened != SQLITE_OK)
        throw EDatabaseError("Cannot open " + path + ": " + (raw ? sqlite3_errmsg(raw) : "out of memory"));
    RegisterJetFunctions(db.get());
    const std::string script = "PRAGMA journal_mode=WAL; BEGIN; " + sql + " COMMIT;";
    char* error = nullptr;
    if (sqlite3_exec(db.get(), script.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw EDatabaseError("Cannot create the tables of " + path + ": " + message);
    }
}

}  // namespace

const std::string& DataSchemaSql()
{
    return DataSql;
}

const std::string& SettingSchemaSql()
{
    return SettingSql;
}

void CreateDataSchema(const std::string& path)
{
    RunScript(path, DataSql);
}

void CreateSettingSchema(const std::string& path)
{
    RunScript(path, SettingSql);
}
