#include "sqlitefile.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "platform/jetsql.h"

namespace {

using Database = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

Database OpenFile(const std::string& path)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw, sqlite3_close);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    RegisterJetFunctions(raw);
    return db;
}

}  // namespace

void RunSqlite(const std::string& path, const std::string& sqliteSql)
{
    const Database db = OpenFile(path);
    sqlite3* raw = db.get();
    char* error = nullptr;
    if (sqlite3_exec(raw, sqliteSql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sqliteSql);
    }
}

std::vector<std::vector<std::string>> QuerySqlite(const std::string& path, const std::string& sqliteSql)
{
    const Database db = OpenFile(path);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.get(), sqliteSql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.get())) + " in: " + sqliteSql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    std::vector<std::vector<std::string>> rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(raw); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, i));
            row.push_back(text ? text : "<null>");
        }
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string(sqlite3_errmsg(db.get())) + " in: " + sqliteSql);
    return rows;
}
