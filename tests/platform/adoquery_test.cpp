#include "platform/adoquery.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "platform/adoconnection.h"
#include "platform/exceptions.h"
#include "localeguard.h"
#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

class AdoQueryTest : public ::testing::Test {
protected:
    AdoQueryTest()
    {
        RunSqlite(path_, R"(
            CREATE TABLE Team(TeamID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE,
                NationalID TEXT COLLATE JETNOCASE, Rating REAL, Founded DATETIME, Fav YESNO NOT NULL DEFAULT 0);
            INSERT INTO Team VALUES(1, 'Спартак', 'RUS', 2.5, 45000, -1);
            INSERT INTO Team VALUES(2, 'Арсенал', 'UKR', 1.75, 45000.5, 0);
            INSERT INTO Team VALUES(3, 'Арсенал', 'ENG', 3, NULL, 0);
            INSERT INTO Team VALUES(4, 'O''Higgins', 'CHI', NULL, NULL, -1);
            INSERT INTO Team VALUES(5, 'Зенит', 'RUS', 0.1, 44000, 0);
            CREATE TABLE FormSetting(FormName TEXT COLLATE JETNOCASE, IsMax YESNO NOT NULL DEFAULT 0, Width INTEGER);
            INSERT INTO FormSetting VALUES('DlgMain', 0, 640);
            INSERT INTO FormSetting VALUES('DlgOther', 0, 320);
        )");
    }

    // Opens a select and returns the query standing on its first row.
    TADOQuery& Select(const std::string& sql)
    {
        query_.SetSQL(sql);
        query_.Open();
        return query_;
    }

    std::string Name() { return query_.FieldByName("Name")->AsString(); }
    int Id() { return query_.FieldByName("TeamID")->AsInteger(); }

    // The TeamIDs of the rows, joined by ",".
    std::string Ids()
    {
        std::string ids;
        for (query_.First(); !query_.Eof(); query_.Next())
            ids += (ids.empty() ? "" : ",") + std::to_string(Id());
        return ids;
    }

    TempFolder folder_;
    std::string path_ = folder_.File("data.mdb");
    TADOConnection connection_{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path_ + ";"};
    TADOQuery query_{&connection_};
};

}  // namespace

TEST_F(AdoQueryTest, MovingPastEitherEndKeepsTheEdgeRowCurrent)
{
    Select("SELECT TeamID, Name FROM Team ORDER BY TeamID");
    EXPECT_EQ(query_.RecordCount(), 5);
    EXPECT_EQ(query_.RecNo(), 1);
    EXPECT_TRUE(query_.Bof());
    for (int i = 0; i < 4; ++i)
        query_.Next();
    EXPECT_EQ(query_.RecNo(), 5);
    EXPECT_FALSE(query_.Eof());
    query_.Next();
    query_.Next();
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.RecNo(), 5);
    EXPECT_EQ(Name(), "Зенит") << "readers after the loop read the last row";

    query_.Prior();
    EXPECT_FALSE(query_.Eof());
    EXPECT_EQ(query_.RecNo(), 4);
    for (int i = 0; i < 5; ++i)
        query_.Prior();
    EXPECT_TRUE(query_.Bof());
    EXPECT_EQ(Id(), 1);
    query_.Next();
    EXPECT_FALSE(query_.Bof());
    EXPECT_EQ(Id(), 2);
    query_.Last();
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(Id(), 5);
}

TEST_F(AdoQueryTest, NullsAndEmptyResultsReadAsNeutralValues)
{
    Select("SELECT * FROM Team WHERE TeamID=4");
    EXPECT_TRUE(query_.FieldByName("Rating")->IsNull());
    EXPECT_EQ(query_.FieldByName("Rating")->AsString(), "");
    EXPECT_EQ(query_.FieldByName("Rating")->AsFloat(), 0.0);
    EXPECT_EQ(query_.FieldByName("Founded")->AsDateTime(), 0.0);
    EXPECT_EQ(query_.FieldByName("Founded")->AsString(), "");

    Select("SELECT * FROM Team WHERE TeamID=99");
    EXPECT_EQ(query_.RecordCount(), 0);
    EXPECT_EQ(query_.RecNo(), 0);
    EXPECT_TRUE(query_.Bof());
    query_.Next();
    query_.Prior();
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(Id(), 0);
    EXPECT_EQ(Name(), "");
    EXPECT_FALSE(query_.FieldByName("Fav")->AsBoolean());
    EXPECT_EQ(query_.FieldByName("Rating")->AsFloat(), 0.0);

    Select("SELECT MAX(TeamID) AS Maximum FROM Team WHERE TeamID>99");
    EXPECT_EQ(query_.RecordCount(), 1);
    EXPECT_EQ(query_.FieldByName("Maximum")->AsString(), "");
    EXPECT_EQ(query_.FieldByName("Maximum")->AsInteger(), 0);
}

TEST_F(AdoQueryTest, TextFormsFollowTheDeclaredColumnType)
{
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    Select("SELECT TeamID, Rating, Rating * 2 AS Doubled, Fav AS Favourite, Founded FROM Team ORDER BY TeamID");
    EXPECT_EQ(query_.FieldByName("TeamID")->AsString(), "1");
    EXPECT_EQ(query_.FieldByName("Rating")->AsString(), "2,5");
    EXPECT_EQ(query_.FieldByName("Doubled")->AsString(), "5");
    EXPECT_EQ(query_.FieldByName("Favourite")->AsString(), "True");
    EXPECT_EQ(query_.FieldByName("Founded")->AsString(), "15.03.2023");
    query_.Next();
    EXPECT_EQ(query_.FieldByName("Rating")->AsString(), "1,75");
    EXPECT_EQ(query_.FieldByName("Favourite")->AsString(), "False");
    EXPECT_EQ(query_.FieldByName("Founded")->AsString(), "15.03.2023 12:00:00");
    query_.Next();
    EXPECT_EQ(query_.FieldByName("Rating")->AsString(), "3") << "a whole REAL shows no decimals";
}

TEST_F(AdoQueryTest, TypedReadsConvertBetweenKinds)
{
    Select("SELECT Fav, '12' AS Txt, 'True' AS Flag, 3.5 AS Half, 2.5 AS Even FROM Team WHERE TeamID=1");
    EXPECT_EQ(query_.FieldByName("Half")->AsInteger(), 4);
    EXPECT_EQ(query_.FieldByName("Even")->AsInteger(), 2) << "halves round to even";
    EXPECT_EQ(query_.FieldByName("Txt")->AsInteger(), 12);
    EXPECT_DOUBLE_EQ(query_.FieldByName("Txt")->AsFloat(), 12.0);
    EXPECT_TRUE(query_.FieldByName("Flag")->AsBoolean());
    EXPECT_EQ(query_.FieldByName("Fav")->AsInteger(), -1);
    EXPECT_THROW(query_.FieldByName("Flag")->AsInteger(), EConvertError);
}

TEST_F(AdoQueryTest, FieldByNameIgnoresLetterCaseAndRaisesOnAMissingColumn)
{
    Select("SELECT TeamID, Name AS TeamName FROM Team WHERE TeamID=5");
    EXPECT_EQ(query_.FieldByName("teamname")->AsString(), "Зенит");
    EXPECT_EQ(query_.FieldByName("tEaMiD")->AsInteger(), 5);
    EXPECT_THROW(query_.FieldByName("Name"), EDatabaseError);
    query_.Close();
    EXPECT_TRUE(query_.Eof());
    EXPECT_THROW(query_.FieldByName("TeamID"), EDatabaseError);
    EXPECT_THROW(query_.Next(), EDatabaseError);
}

TEST_F(AdoQueryTest, FilterMatchesTypedNamesQuotesAndCountries)
{
    Select("SELECT * FROM Team ORDER BY TeamID");
    query_.SetFiltered(true);
    const std::pair<const char*, const char*> cases[]{
        {"Name LIKE 'спар*'", "1"},
        {"Name LIKE '%ени%'", "5"},
        {"name='зенит'", "5"},
        {"Name='Зени'", ""},
        {"Name LIKE 'o''hig*'", "4"},
        {"Name = 'O''HIGGINS'", "4"},
        {"Name LIKE 'арс*' AND NationalID='eng'", "3"},
        {"NationalID='RUS' and Name like '*'", "1,5"},
        {"", "1,2,3,4,5"},
    };
    for (const auto& [filter, ids] : cases) {
        query_.SetFilter(filter);
        EXPECT_EQ(Ids(), ids) << filter;
    }
    EXPECT_THROW(query_.SetFilter("Name LIKE 'O'Hig*'"), EDatabaseError);
    EXPECT_THROW(query_.SetFilter("Nickname='x'"), EDatabaseError);

    // Counts and moves stay within the filter.
    query_.SetFilter("NationalID='RUS'");
    Select("SELECT * FROM Team ORDER BY TeamID");
    EXPECT_EQ(query_.RecordCount(), 2);
    query_.Next();
    EXPECT_EQ(query_.RecNo(), 2);
    EXPECT_EQ(Name(), "Зенит");
    query_.Next();
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.RecNo(), 2);
    query_.Prior();
    query_.Prior();
    EXPECT_TRUE(query_.Bof());
    EXPECT_EQ(Name(), "Спартак");
    query_.SetFiltered(false);
    EXPECT_EQ(query_.RecordCount(), 5);
}

TEST_F(AdoQueryTest, EditedRowsAreWrittenByPostOrByMovingOn)
{
    Select("SELECT * FROM FormSetting ORDER BY FormName");
    query_.Edit();
    query_.FieldByName("Width")->SetAsInteger(800);
    query_.FieldByName("IsMax")->SetAsBoolean(true);
    EXPECT_EQ(query_.FieldByName("Width")->AsInteger(), 800) << "an assigned field reads its new value";
    query_.Post();
    query_.Next();
    query_.Edit();
    query_.FieldByName("Width")->SetAsString("1024");
    query_.Prior();

    Select("SELECT FormName, Width, IsMax FROM FormSetting ORDER BY FormName");
    EXPECT_EQ(query_.FieldByName("Width")->AsInteger(), 800);
    EXPECT_EQ(query_.FieldByName("IsMax")->AsInteger(), -1);
    query_.Next();
    EXPECT_EQ(query_.FieldByName("Width")->AsInteger(), 1024);

    Select("SELECT TeamID, Name, Rating FROM Team WHERE TeamID=5");
    query_.Edit();
    query_.FieldByName("Rating")->SetAsString("1.50");
    query_.FieldByName("Name")->SetAsString("Зенит СПб");
    query_.Post();
    Select("SELECT Name, Rating FROM Team WHERE TeamID=5");
    EXPECT_EQ(Name(), "Зенит СПб");
    EXPECT_EQ(query_.FieldByName("Rating")->AsFloat(), 1.5);
}

TEST_F(AdoQueryTest, EditRefusesWhatItCannotWrite)
{
    Select("SELECT * FROM FormSetting WHERE FormName='DlgMain'");
    EXPECT_THROW(query_.FieldByName("Width")->SetAsInteger(1), EDatabaseError) << "no edit mode";
    EXPECT_THROW(query_.Post(), EDatabaseError);

    TADOQuery other(&connection_);
    other.SetSQL("UPDATE FormSetting SET Width=1 WHERE FormName='DlgMain'");
    EXPECT_EQ(other.ExecSQL(), 1);
    query_.Edit();
    query_.FieldByName("Width")->SetAsInteger(2);
    EXPECT_THROW(query_.Post(), EDatabaseError) << "the row changed meanwhile";

    for (const char* twoTablesOrAnExpression :
         {"SELECT T.Name, F.Width FROM Team AS T, FormSetting AS F WHERE T.TeamID=1 AND F.FormName='DlgMain'",
          "SELECT Width * 2 AS Width FROM FormSetting"}) {
        Select(twoTablesOrAnExpression);
        query_.Edit();
        query_.FieldByName("Width")->SetAsInteger(1);
        EXPECT_THROW(query_.Post(), EDatabaseError) << twoTablesOrAnExpression;
    }

    Select("SELECT * FROM FormSetting WHERE FormName='Missing'");
    EXPECT_THROW(query_.Edit(), EDatabaseError) << "no row";
}

TEST_F(AdoQueryTest, ExecSqlCountsChangedRowsAndOpenRunsNoActionStatement)
{
    query_.SetSQL("UPDATE Team SET Fav=0 WHERE NationalID='RUS'");
    EXPECT_EQ(query_.ExecSQL(), 2);
    query_.SetSQL("SELECT * FROM Team");
    EXPECT_EQ(query_.ExecSQL(), 0);
    query_.SetSQL("DELETE FROM Team");
    EXPECT_THROW(query_.Open(), EDatabaseError);
    EXPECT_FALSE(query_.Active());
    EXPECT_EQ(Select("SELECT * FROM Team").RecordCount(), 5);
}
