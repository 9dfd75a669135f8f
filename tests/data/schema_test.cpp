#include "data/schema.h"

#include <gtest/gtest.h>

#include <string>

#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

// What the created schema stores, looked at over a bare SQLite connection.
class SchemaTest : public ::testing::Test {
protected:
    SchemaTest() { CreateDataSchema(path_); }

    void Exec(const std::string& sql) { RunSqlite(path_, sql); }
    std::string Value(const std::string& sql) { return QuerySqlite(path_, sql).at(0).at(0); }

    TempFolder folder_;
    const std::string path_ = folder_.File("data.mdb");
};

}  // namespace

TEST_F(SchemaTest, YesNoColumnsHoldOnlyMinusOneAndZero)
{
    Exec("INSERT INTO Version VALUES('0', '', NULL)");
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "0") << "NULL falls back to No";
    Exec("UPDATE Version SET UpdateSeries=1");
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "-1");
    Exec("INSERT INTO Champ(ChampID, Name, Fav) VALUES(5, 'Cup', 7)");
    EXPECT_EQ(Value("SELECT Fav FROM Champ WHERE ChampID=5"), "-1");
}

TEST_F(SchemaTest, NewHistoryEntriesTakeTheDefaultsTheHistoryReliesOn)
{
    Exec("INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(1,17,3)");
    EXPECT_EQ(Value("SELECT Cur || ',' || Mode || ',' || Row || ',' || Field FROM Filter"), "-1,1,1,0");
    EXPECT_EQ(Value("SELECT ScoreEq || MissEq || TotalEq || ',' || ScoreCount FROM Filter"), "!!!,0.0");
}

TEST_F(SchemaTest, TextComparesWithoutCaseCyrillicIncluded)
{
    Exec("INSERT INTO Team VALUES(1, 'Спартак', 'RUS')");
    EXPECT_EQ(Value("SELECT TeamID FROM Team WHERE Name='СПАРТАК'"), "1");
    EXPECT_EQ(Value("SELECT TeamID FROM Team WHERE Name='спартак'"), "1");
}

TEST_F(SchemaTest, EveryDeclaredIndexIsMadeAlsoOnAFileThatLacksOne)
{
    const std::string& sql = DataSchemaSql();
    int declared = 0;
    for (size_t at = sql.find("CREATE INDEX"); at != std::string::npos; at = sql.find("CREATE INDEX", at + 1))
        ++declared;
    const std::string made = "SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND sql IS NOT NULL";
    EXPECT_EQ(Value(made), std::to_string(declared)) << "an index whose name another one has is never made";

    // A file made before the parked matches had their date index gains it.
    Exec("DROP INDEX \"" + Value("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name='_Fixed'") + "\"");
    CreateDataSchema(path_);
    EXPECT_EQ(Value("SELECT name FROM pragma_index_info((SELECT name FROM sqlite_master WHERE type='index' AND "
                    "tbl_name='_Fixed'))"),
              "Date");
    EXPECT_EQ(Value(made), std::to_string(declared));
}

TEST(SchemaOpenTest, UnwritableFolderRaises)
{
    EXPECT_THROW(CreateDataSchema("/proc/no-such-folder/data.mdb"), std::exception);
}
