#include "samplefolderfixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "configfolder.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/programfolder.h"
#include "setup/programfoldersetup.h"
#include "tempfolder.h"

namespace fs = std::filesystem;

namespace {

void CloseProgramFolder()
{
    // The settings object holds a query on a connection about to go.
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
}

// The settings file and the sample folder live as long as the test program.
struct SharedSample {
    ConfigFolder config;
    TempFolder folder;

    SharedSample()
    {
        SetupOptions options;
        options.sampleData = true;
        SetupProgramFolder(folder.Path(), options);
        // Closing the connections folds the journals into the files that get copied.
        CloseProgramFolder();
    }
};

const SharedSample& Sample()
{
    static const auto sample = std::make_unique<SharedSample>();
    return *sample;
}

std::vector<std::vector<std::string>> RowsOf(DBConnect* connect, const std::string& jetSql)
{
    TADOQuery query(connect->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    std::vector<std::vector<std::string>> rows;
    for (query.First(); !query.Eof(); query.Next()) {
        rows.emplace_back();
        for (int column = 0; column < query.FieldCount(); ++column)
            rows.back().push_back(query.Fields(column)->AsString());
    }
    return rows;
}

}  // namespace

SampleFolderFixture::SampleFolderFixture()
{
    const std::string source = Sample().folder.Path();
    CloseProgramFolder();
    fs::copy(source, Folder(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    SetProgramFolderForTests(Folder());
    DBSetting::CreateGlobal()->LoadLanguage();
}

SampleFolderFixture::~SampleFolderFixture()
{
    CloseProgramFolder();
}

void SampleFolderFixture::Exec(const std::string& jetSql)
{
    try {
        DBConnect::GetData()->ExecSQL(jetSql, true);
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what() << " in " << jetSql;
    }
}

SampleFolderFixture::Rows SampleFolderFixture::Select(const std::string& jetSql)
{
    return RowsOf(DBConnect::GetData(), jetSql);
}

SampleFolderFixture::Rows SampleFolderFixture::SelectSetting(const std::string& jetSql)
{
    return RowsOf(DBConnect::GetSetting(), jetSql);
}

std::string SampleFolderFixture::Value(const std::string& jetSql)
{
    const Rows rows = Select(jetSql);
    return rows.empty() ? "<no row>" : rows.front().at(0);
}
