#include "data/dbconnect.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "childprocess.h"
#include "datafolderfixture.h"
#include "immutablefile.h"
#include "platform/exceptions.h"
#include "sqlitefile.h"

namespace {

class DBConnectTest : public DataFolderFixture {
protected:
    // Matches of 200 bytes each, so that a large delete leaves much to compact.
    void FillMatches(int count)
    {
        RunSqlite(File("data.mdb"), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" +
                                            std::to_string(count) + ") INSERT INTO Fixed(FixedIND, Date, Team1ID, "
                                            "Team2ID, Gol1, Gol2, AsianHandicap) SELECT i, 43000, 1, 2, 1, 0, "
                                            "printf('%.200c', 'x') FROM n");
    }

    // Opens data.mdb as a new user would: "ok" and the number of matches when it is whole.
    static std::string IntegrityAndCount(const std::string& path)
    {
        try {
            return QuerySqlite(path, "SELECT (SELECT group_concat(integrity_check) FROM pragma_integrity_check) || "
                                     "' ' || (SELECT COUNT(*) FROM Fixed)").at(0).at(0);
        } catch (const std::exception& error) {
            return error.what();
        }
    }
};

}  // namespace

TEST_F(DBConnectTest, FailingStatementIsLoggedAndReportedAsDoneOrRethrownWithoutTheStatement)
{
    EXPECT_TRUE(DBConnect::GetData()->ExecSQL("INSERT INTO NoSuchTable VALUES(1)", false));
    EXPECT_EQ(LogTexts(), (Lines{"INSERT INTO NoSuchTable VALUES(1) no such table: NoSuchTable"}));

    try {
        DBConnect::GetData()->ExecSQL("DELETE FROM NoSuchTable", true);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message().find("no such table"), std::string::npos);
        EXPECT_EQ(error.Message().find("DELETE FROM"), std::string::npos);
    }
}

TEST_F(DBConnectTest, VersionReadersFailNeutrallyOnAnEmptyTable)
{
    DBConnect* data = DBConnect::GetData();
    EXPECT_EQ(data->GetUpdate(), "");
    EXPECT_EQ(data->GetUpdateDate(), "");
    EXPECT_TRUE(data->GetUpdateSeries());
    EXPECT_EQ(LogTexts(), (Lines{"ERROR GETUPDATE", "ERROR GETUPDATEDATE", "ERROR GETUPDATESERIES"}));

    Exec("INSERT INTO Version VALUES('17', '01.12.2026', False)");
    EXPECT_EQ(data->GetUpdate(), "17");
    EXPECT_EQ(data->GetUpdateDate(), "01.12.2026");
    EXPECT_FALSE(data->GetUpdateSeries());
}

TEST_F(DBConnectTest, CompactionRemovesAStaleCopyAndShrinksTheFile)
{
    FillMatches(3000);
    Exec("DELETE FROM Fixed WHERE FixedIND>10");
    WriteFile(File("data1.mdb"), "left over from an interrupted run");
    DBConnect::ResetForTests();
    const auto before = std::filesystem::file_size(File("data.mdb"));

    ASSERT_TRUE(DBConnect::GetData()->CompactDB());

    EXPECT_FALSE(std::filesystem::exists(File("data1.mdb")));
    EXPECT_LT(std::filesystem::file_size(File("data.mdb")), before / 4);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed"), "10") << "the next query reopens the connection";
    EXPECT_EQ(IntegrityAndCount(File("data.mdb")), "ok 10");
}

TEST_F(DBConnectTest, RefusedReplacementKeepsTheLiveFile)
{
    FillMatches(50);
    // Without a write-ahead log an unwritable data.mdb still opens, so the copy is made.
    RunSqlite(File("data.mdb"), "PRAGMA journal_mode=DELETE");
    DBConnect::ResetForTests();
    bool compacted = true;
    {
        // An immutable data.mdb cannot be replaced, also not by root.
        const ImmutableFile immutable(File("data.mdb"));
        if (!immutable.Applied())
            GTEST_SKIP() << ImmutableFile::NotAvailable;
        compacted = DBConnect::GetData()->CompactDB();
    }

    EXPECT_FALSE(compacted);
    EXPECT_TRUE(LogTexts().empty()) << "the copy step did not fail";
    EXPECT_EQ(IntegrityAndCount(File("data1.mdb")), "ok 50") << "the compacted copy is left";
    EXPECT_EQ(IntegrityAndCount(File("data.mdb")), "ok 50");
}

TEST_F(DBConnectTest, KilledCompactionNeverLosesTheFile)
{
    FillMatches(20000);
    DBConnect::ResetForTests();
    std::mt19937 random(20261206);
    for (int round = 0; round < 25; ++round) {
        ChildProcess child(KOVRAL_COMPACT_CHILD, {Folder()});
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 150000));
        child.Kill();
        ASSERT_EQ(IntegrityAndCount(File("data.mdb")), "ok 20000") << "after kill " << round;
    }
}
