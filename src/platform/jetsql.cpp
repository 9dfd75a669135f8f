#include "platform/jetsql.h"

#include "platform/jetcollation.h"
#include "platform/jetfunctions.h"
#include "platform/jetsqlcache.h"
#include "platform/jettranslator.h"

#include <sqlite3.h>

#include <mutex>

namespace {

constexpr size_t CacheGenerationSize = 1000;

}  // namespace

std::string TranslateJetSql(const std::string& jetSql)
{
    static std::mutex mutex;
    static JetSqlCache cache(CacheGenerationSize);
    {
        std::lock_guard lock(mutex);
        if (std::optional<std::string> cached = cache.Find(jetSql))
            return std::move(*cached);
    }
    std::string sqliteSql = JetTranslator::Translate(jetSql);
    std::lock_guard lock(mutex);
    cache.Store(jetSql, sqliteSql);
    return sqliteSql;
}

std::string JetQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

void RegisterJetFunctions(sqlite3* db)
{
    RegisterJetCollation(db);
    RegisterJetScalarFunctions(db);
    // Translated texts hold no "..." strings, so a "name" that names no column is an
    // error, as in Jet, instead of SQLite's fallback to a string.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
}
