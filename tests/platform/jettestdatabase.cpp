#include "jettestdatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "data/schema.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"

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
    Exec("BEGIN;" + DataSchemaSql() + SettingSchemaSql() + "COMMIT;");
}

JetTestDatabase::~JetTestDatabase() = default;

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
