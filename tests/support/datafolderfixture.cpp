#include "datafolderfixture.h"

#include <gtest/gtest.h>

#include "data/dbconnect.h"
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

}  // namespace

DataFolderFixture::DataFolderFixture()
{
    DBConnect::ResetForTests();
    CreateDataSchema(File("data.mdb"));
    CreateSettingSchema(File("setting.mdb"));
}

DataFolderFixture::~DataFolderFixture()
{
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
    TADOQuery query(DBConnect::GetData()->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    return query.RecordCount() == 0 ? "<no row>" : query.Fields(0)->AsString();
}
