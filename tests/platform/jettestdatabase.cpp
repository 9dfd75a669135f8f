#include "jettestdatabase.h"

#include <gtest/gtest.h>

#include "data/schema.h"
#include "platform/jetsql.h"

JetTestDatabase::JetTestDatabase()
{
    Exec("BEGIN;" + DataSchemaSql() + SettingSchemaSql() + "COMMIT;");
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
