#include "datafolderfixture.h"

#include <gtest/gtest.h>

#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "data/schema.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"

namespace {

void RunAction(DBConnect* connect, const std::string& sql)
{
    try {
        connect->ExecSQL(sql, true);
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what() << " in " << sql;
    }
}

std::string FirstValue(DBConnect* connect, const std::string& jetSql)
{
    TADOQuery query(connect->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    return query.RecordCount() == 0 ? "<no row>" : query.Fields(0)->AsString();
}

}  // namespace

DataFolderFixture::DataFolderFixture()
{
    // The global settings object holds a query on a connection about to go.
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
    CreateDataSchema(File("data.mdb"));
    CreateSettingSchema(File("setting.mdb"));
}

DataFolderFixture::~DataFolderFixture()
{
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
}

void DataFolderFixture::Exec(const std::string& jetSql)
{
    RunAction(DBConnect::GetData(), jetSql);
}

void DataFolderFixture::ExecSetting(const std::string& jetSql)
{
    RunAction(DBConnect::GetSetting(), jetSql);
}

std::string DataFolderFixture::Value(const std::string& jetSql)
{
    return FirstValue(DBConnect::GetData(), jetSql);
}

std::string DataFolderFixture::SettingValue(const std::string& jetSql)
{
    return FirstValue(DBConnect::GetSetting(), jetSql);
}
