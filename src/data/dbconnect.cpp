#include "data/dbconnect.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "data/constants.h"
#include "foundation/jxfile.h"
#include "platform/adofield.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

std::unique_ptr<DBConnect>& DataInstance()
{
    static std::unique_ptr<DBConnect> instance;
    return instance;
}

std::unique_ptr<DBConnect>& SettingInstance()
{
    static std::unique_ptr<DBConnect> instance;
    return instance;
}

void SyncPath(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        throw EFileError("Cannot open " + path + " to flush it");
    const int result = ::fsync(fd);
    ::close(fd);
    if (result != 0)
        throw EFileError("Cannot flush " + path);
}

void RunOnHandle(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw EDatabaseError(message);
    }
}

// Writes a compacted copy of live to copy. The write-ahead log of live is folded in
// first, and must be gone before live is replaced: a log left beside the new file
// would be applied to it.
void WriteCompactedCopy(const std::string& live, const std::string& copy)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(live.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, SqliteDatabaseCloser> db(raw);
    if (opened != SQLITE_OK)
        throw EDatabaseError(raw ? sqlite3_errmsg(raw) : "out of memory");
    sqlite3_busy_timeout(raw, 5000);
    RegisterJetFunctions(raw);
    RunOnHandle(raw, "PRAGMA wal_checkpoint(TRUNCATE)");
    char* quoted = sqlite3_mprintf("VACUUM INTO %Q", copy.c_str());
    const std::string vacuum = quoted;
    sqlite3_free(quoted);
    RunOnHandle(raw, vacuum);
    db.reset();
    if (std::filesystem::exists(live + "-wal"))
        throw EDatabaseError("the write-ahead log of " + live + " is still in use");
    SyncPath(copy, O_RDONLY);
}

}  // namespace

DBConnect* DBConnect::GetData()
{
    std::unique_ptr<DBConnect>& instance = DataInstance();
    if (!instance) {
        instance.reset(new DBConnect());
        instance->Open("data.mdb;");
    }
    return instance.get();
}

DBConnect* DBConnect::GetSetting()
{
    std::unique_ptr<DBConnect>& instance = SettingInstance();
    if (!instance) {
        instance.reset(new DBConnect());
        instance->Open("setting.mdb;");
    }
    return instance.get();
}

void DBConnect::ResetForTests()
{
    DataInstance().reset();
    SettingInstance().reset();
}

DBConnect::~DBConnect()
{
    Query.reset();
    Connection.reset();
}

void DBConnect::Open(const AnsiString& fileName)
{
    try {
        // The path is quoted, so a ";" or a quote in a folder name stays part of it.
        AnsiString file = fileName;
        if (!file.empty() && file.back() == ';')
            file.pop_back();
        Connection = std::make_unique<TADOConnection>(ConnectionPrefix + JetQuoted(GetAppPath().GetAnsi() + file) + ";");
        Query = std::make_unique<TADOQuery>(Connection.get());
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR DBCONNECT");
    }
}

AnsiString DBConnect::OpenError()
{
    try {
        Connection->Open();
        return "";
    } catch (const std::exception& error) {
        return error.what();
    }
}

bool DBConnect::ExecSQL(const AnsiString& sql, bool rethrow)
{
    try {
        Query->Close();
        Query->SetSQL(sql);
        Query->ExecSQL();
    } catch (const std::exception& error) {
        SaveLog(GetAppPath(), sql + " " + error.what());
        if (rethrow)
            throw Exception(error.what());
    }
    return true;
}

bool DBConnect::CompactDB()
{
    const std::string folder = GetAppPath();
    const std::string live = folder + "data.mdb";
    const std::string temporary = folder + "data1.mdb";
    std::remove(temporary.c_str());
    try {
        Connection->Close();
        ProcessMessages();
        WriteCompactedCopy(live, temporary);
        // rename() replaces data.mdb in one step: a crash leaves either file whole.
        if (std::rename(temporary.c_str(), live.c_str()) != 0)
            return false;
        SyncPath(folder, O_RDONLY | O_DIRECTORY);
        return true;
    } catch (const std::exception&) {
        SaveLog(folder, "ERROR COMPACTDB");
        return false;
    }
}

TField* DBConnect::VersionField(const char* column)
{
    Query->Close();
    Query->SetSQL("SELECT * FROM Version");
    Query->Open();
    if (Query->RecordCount() == 0)
        throw EDatabaseError("the table Version has no row");
    return Query->FieldByName(column);
}

AnsiString DBConnect::GetUpdate()
{
    try {
        return VersionField("UpdateNum")->AsString();
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR GETUPDATE");
        return "";
    }
}

AnsiString DBConnect::GetUpdateDate()
{
    try {
        return VersionField("UpdateDate")->AsString();
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR GETUPDATEDATE");
        return "";
    }
}

bool DBConnect::GetUpdateSeries()
{
    try {
        return VersionField("UpdateSeries")->AsBoolean();
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR GETUPDATESERIES");
        return true;
    }
}
