#include "data/schema.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "platform/jetsql.h"
#include "tempfolder.h"

namespace {

// A bare SQLite connection with the program's functions, to look at what the schema stores.
class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateDataSchema(path_);
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &raw), SQLITE_OK);
        db_.reset(raw);
        RegisterJetFunctions(raw);
    }

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        ASSERT_EQ(rc, SQLITE_OK) << message << " in " << sql;
    }

    std::string Value(const std::string& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
        std::string text = "<no row>";
        if (sqlite3_step(stmt) == SQLITE_ROW)
            text = sqlite3_column_type(stmt, 0) == SQLITE_NULL
                       ? "<null>"
                       : reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
        return text;
    }

    struct Closer {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    TempFolder folder_;
    std::string path_ = folder_.File("data.mdb");
    std::unique_ptr<sqlite3, Closer> db_;
};

}  // namespace

TEST_F(SchemaTest, CreatingTwiceKeepsTheRows)
{
    Exec("INSERT INTO Team VALUES(1, 'Arsenal', 'ENG')");
    CreateDataSchema(path_);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Team"), "1");
}

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

TEST_F(SchemaTest, ParkedMatchesHaveTheColumnsOfFixedInItsOrder)
{
    Exec("INSERT INTO Fixed VALUES(1, 43000, 1, 2, 3, 1, 5, 0, 1, 1, 1, 1.5, 3.2, 4.1, 1.9, 1.8, '-0.5', 1.9, 1.9)");
    Exec("INSERT INTO _Fixed SELECT * FROM Fixed");
    Exec("DELETE FROM Fixed");
    Exec("INSERT INTO Fixed SELECT * FROM _Fixed");
    EXPECT_EQ(Value("SELECT Gol1 || ':' || Gol2 || ' ' || AsianHandicap FROM Fixed"), "3:1 -0.5");
}

TEST(SettingSchemaTest, CreatesFormTables)
{
    TempFolder folder;
    CreateSettingSchema(folder.File("setting.mdb"));
    CreateSettingSchema(folder.File("setting.mdb"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.File("setting.mdb").c_str(), &db), SQLITE_OK);
    RegisterJetFunctions(db);
    EXPECT_EQ(sqlite3_exec(db, "INSERT INTO FormSetting VALUES('DlgMain', 0, 800, 600, 10, 20); "
                               "INSERT INTO FormData VALUES('DlgToday', 7, '2')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

TEST(SchemaOpenTest, UnwritableFolderRaises)
{
    EXPECT_THROW(CreateDataSchema("/proc/no-such-folder/data.mdb"), std::exception);
}
