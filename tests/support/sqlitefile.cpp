#include "sqlitefile.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "platform/jetsql.h"

void RunSqlite(const std::string& path, const std::string& sqliteSql)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot create " + path);
    RegisterJetFunctions(raw);
    char* error = nullptr;
    if (sqlite3_exec(raw, sqliteSql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sqliteSql);
    }
}
