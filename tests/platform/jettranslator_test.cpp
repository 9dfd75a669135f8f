#include "platform/jettranslator.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

#include "jetsqlcatalog.h"
#include "jettestdatabase.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

struct TranslationCase {
    const char* jet;
    const char* sqlite;
};

void ExpectTranslations(std::initializer_list<TranslationCase> cases)
{
    for (const TranslationCase& c : cases) {
        try {
            EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite) << "Jet text: " << c.jet;
        } catch (const EDatabaseError& error) {
            ADD_FAILURE() << "Jet text: " << c.jet << "\nraised: " << error.Message();
        }
    }
}

std::string TranslationError(const std::string& jet)
{
    try {
        const std::string sqlite = TranslateJetSql(jet);
        return "translated to: " + sqlite;
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
}

}  // namespace

TEST(JetTranslatorTest, TopBecomesLimitAfterOrderAndBeforeSemicolon)
{
    ExpectTranslations({
        {"SELECT TOP 5 Name FROM Team ORDER BY Name", "SELECT Name FROM Team ORDER BY Name LIMIT 5"},
        {"SELECT TOP 500 F.Date AS Date1 FROM Fixed AS F ORDER BY F.Date DESC;",
         "SELECT F.Date AS Date1 FROM Fixed AS F ORDER BY F.Date DESC LIMIT 500;"},
        {"SELECT Name FROM Team WHERE TeamID IN (SELECT TOP 2 TeamID FROM Stats ORDER BY Point DESC)",
         "SELECT Name FROM Team WHERE TeamID IN (SELECT TeamID FROM Stats ORDER BY Point DESC LIMIT 2)"},
        {"SELECT DISTINCT TOP 3 a FROM t", "SELECT DISTINCT a FROM t LIMIT 3"},
    });
}

TEST(JetTranslatorTest, DeleteStarDeletesFromTheTable)
{
    ExpectTranslations({
        {"DELETE * FROM TeamFav WHERE TeamID=17", "DELETE FROM TeamFav WHERE TeamID = 17"},
        {"DELETE TeamFav.* FROM TeamFav", "DELETE FROM TeamFav"},
        {"DELETE FROM Stats", "DELETE FROM Stats"},
    });
}

TEST(JetTranslatorTest, InsertSelectWithoutColumnsNamesTheOutputColumns)
{
    ExpectTranslations({
        {"INSERT INTO TeamResults SELECT Fixed.Gol1 AS Gol2, Fixed.Gol2 AS Gol1, [Date] FROM Fixed",
         "INSERT INTO TeamResults(Gol2, Gol1, Date) SELECT Fixed.Gol1 AS Gol2, Fixed.Gol2 AS Gol1, \"Date\" "
         "FROM Fixed"},
        {"INSERT INTO Fixed SELECT * FROM _Fixed", "INSERT INTO Fixed SELECT * FROM _Fixed"},
        {"INSERT INTO _Fixed SELECT F.* FROM Fixed AS F", "INSERT INTO _Fixed SELECT F.* FROM Fixed AS F"},
        {"INSERT INTO TeamFav VALUES(17)", "INSERT INTO TeamFav VALUES(17)"},
        {"INSERT INTO Filter(FilterID,TeamID)SELECT 1, TeamID FROM Team",
         "INSERT INTO \"Filter\"(FilterID, TeamID) SELECT 1, TeamID FROM Team"},
    });
    EXPECT_NE(TranslationError("INSERT INTO Stats SELECT Count(*) FROM Fixed").find("needs a name"), std::string::npos);
}

TEST(JetTranslatorTest, LiteralsAndQuotedNames)
{
    ExpectTranslations({
        {"SELECT \"0000\" AS FixTime, \"it's\" AS a, \"say \"\"hi\"\"\" AS b",
         "SELECT '0000' AS FixTime, 'it''s' AS a, 'say \"hi\"' AS b"},
        {"SELECT 'Nott''m Forest', '#1', '[x]', 'a--b', 'True', 'Date()', \"-- no comment\"",
         "SELECT 'Nott''m Forest', '#1', '[x]', 'a--b', 'True', 'Date()', '-- no comment'"},
        {"SELECT 'Спартак' FROM Team", "SELECT 'Спартак' FROM Team"},
        {"SELECT [National].[Name], [My Table].[Gol 1] FROM [National], [My Table]",
         "SELECT \"National\".\"Name\", \"My Table\".\"Gol 1\" FROM \"National\", \"My Table\""},
        // Names that SQLite reserves are quoted; the program has columns Row and Over.
        {"SELECT F.Row, Sum(Stats.Over) AS Over FROM Filter AS F",
         "SELECT F.\"Row\", Sum(Stats.\"Over\") AS \"Over\" FROM \"Filter\" AS F"},
        {"SELECT Players.PosID FROM Players WHERE Players.FlangID IN(1,2,3,5)ORDER BY Players.Skills DESC;",
         "SELECT Players.PosID FROM Players WHERE Players.FlangID IN (1, 2, 3, 5) ORDER BY Players.Skills DESC;"},
    });
}

TEST(JetTranslatorTest, DateLiteralsBecomeDayNumbers)
{
    ExpectTranslations({
        {"SELECT #06/12/2019#, #6/12/2019#, #2019-06-12#", "SELECT 43628, 43628, 43628"},
        {"SELECT #6/12/2019 13:30#, #6/12/2019 1:30 PM#, #12:00#", "SELECT 43628.5625, 43628.5625, 0.5"},
        // Month first; a text that is no date that way reads day first, as Jet reads it.
        {"SELECT #13/06/2019#, #1/1/30#, #1/1/29#", "SELECT 43629, 10959, 47119"},
        {"SELECT Date(), Now(), date(), NOW()", "SELECT JetDate(), JetNow(), JetDate(), JetNow()"},
        {"SELECT MAX(Date) FROM Fixed", "SELECT MAX(Date) FROM Fixed"},
    });
    for (const char* bad : {"#2/30/2019#", "#1/2#", "#25:00#", "#1/2/2019 x#", "##", "#1/2/2019"})
        EXPECT_NE(TranslationError(std::string("SELECT ") + bad).find("Cannot read the SQL text"), std::string::npos)
            << bad;
}

TEST(JetTranslatorTest, TrueAndFalseAreMinusOneAndZero)
{
    ExpectTranslations({
        {"SELECT True, false FROM Champ WHERE Fav=True AND Cur=true",
         "SELECT -1, 0 FROM Champ WHERE Fav = -1 AND Cur = -1"},
        {"UPDATE Filter SET Cur=false, Row=4 WHERE FilterID=2",
         "UPDATE \"Filter\" SET Cur = 0, \"Row\" = 4 WHERE FilterID = 2"},
    });
}

TEST(JetTranslatorTest, ComparisonsAreMinusOneOnlyWhereUsedAsValues)
{
    ExpectTranslations({
        {"SELECT a>b AS x FROM t WHERE a>b", "SELECT -(a > b) AS x FROM t WHERE a > b"},
        {"SELECT -SUM(Gol1>Gol2) FROM Fixed", "SELECT -SUM(-(Gol1 > Gol2)) FROM Fixed"},
        {"SELECT -Sum([Fixed].[Gol1]<[Fixed].[Gol2]<0) FROM Fixed",
         "SELECT -Sum(-(-(\"Fixed\".\"Gol1\" < \"Fixed\".\"Gol2\") < 0)) FROM Fixed"},
        {"SELECT a FROM t WHERE a = b < c", "SELECT a FROM t WHERE -(a = b) < c"},
        {"SELECT a FROM t GROUP BY a=b ORDER BY a>b DESC", "SELECT a FROM t GROUP BY -(a = b) ORDER BY -(a > b) DESC"},
        {"SELECT a FROM t INNER JOIN u ON t.x=u.x HAVING Count(*)>1",
         "SELECT a FROM t INNER JOIN u ON t.x = u.x HAVING Count(*) > 1"},
        {"SELECT -(a>b), NOT a, a AND b FROM t WHERE NOT a>b",
         "SELECT -(-(a > b)), -(NOT a), -(a AND b) FROM t WHERE NOT a > b"},
        {"SELECT a FROM t WHERE a BETWEEN 1 AND 5 AND b NOT IN (1,2) AND c IS NOT NULL AND EXISTS (SELECT * FROM u)",
         "SELECT a FROM t WHERE a BETWEEN 1 AND 5 AND b NOT IN (1, 2) AND c IS NOT NULL AND EXISTS (SELECT * FROM u)"},
    });
}

TEST(JetTranslatorTest, DivisionIsFloatingPoint)
{
    ExpectTranslations({
        {"SELECT Sum(Stats.Win)/Sum(Stats.Game) FROM Stats",
         "SELECT CAST(Sum(Stats.Win) AS REAL) / Sum(Stats.Game) FROM Stats"},
        {"SELECT a/b/c, (a+b)/2, a/(b*c), 1.5/b, a*b/c FROM t",
         "SELECT CAST(a AS REAL) / b / c, CAST((a + b) AS REAL) / 2, CAST(a AS REAL) / (b * c), 1.5 / b, "
         "CAST(a * b AS REAL) / c FROM t"},
    });
}

TEST(JetTranslatorTest, JetFunctionsBecomeSqlOrRegisteredFunctions)
{
    ExpectTranslations({
        {"SELECT IsNull(a), IIF(IsNull(a), 0, a), IIF(a>b, a>c, 0) FROM t WHERE IsNull(b) OR NOT IsNull(c)",
         "SELECT -(a IS NULL), CASE WHEN a IS NULL THEN 0 ELSE a END, CASE WHEN a > b THEN -(a > c) ELSE 0 END FROM t "
         "WHERE b IS NULL OR NOT c IS NULL"},
        {"SELECT Round(2.5), Round(x, 2), Round(([Rang1]-[Rang2])/10)*10 FROM t",
         "SELECT JetRound(2.5), JetRound(x, 2), JetRound(CAST((\"Rang1\" - \"Rang2\") AS REAL) / 10) * 10 FROM t"},
        {"SELECT Count(*), Avg(Skills) FROM Players", "SELECT Count(*), Avg(Skills) FROM Players"},
    });
    EXPECT_NE(TranslationError("SELECT IIF(a, b) FROM t").find("IIF takes 3 argument"), std::string::npos);
    EXPECT_NE(TranslationError("SELECT Date(1) FROM t").find("Date takes 0 argument"), std::string::npos);
}

TEST(JetTranslatorTest, SignsNeverFormAComment)
{
    ExpectTranslations({
        {"SELECT a FROM t WHERE a - -b = --c", "SELECT a FROM t WHERE a - -b = -(-c)"},
        {"SELECT -(-a), +a FROM t", "SELECT -(-a), +a FROM t"},
    });
}

TEST(JetTranslatorTest, NestedAndRightJoinsKeepTheirShape)
{
    ExpectTranslations({
        {"SELECT a FROM TeamFav AS TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN Fixed ON TeamFav.TeamID = Fixed.Team1ID) "
         "ON TeamFav_1.TeamID = Fixed.Team2ID",
         "SELECT a FROM TeamFav AS TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN Fixed ON TeamFav.TeamID = Fixed.Team1ID) "
         "ON TeamFav_1.TeamID = Fixed.Team2ID"},
        {"SELECT a FROM ((t LEFT OUTER JOIN u ON t.x=u.x) INNER JOIN v ON v.y=u.y)",
         "SELECT a FROM ((t LEFT JOIN u ON t.x = u.x) INNER JOIN v ON v.y = u.y)"},
        {"SELECT x FROM (SELECT TOP 3 a AS x FROM t ORDER BY a) AS s",
         "SELECT x FROM (SELECT a AS x FROM t ORDER BY a LIMIT 3) AS s"},
    });
}

TEST(JetTranslatorTest, UnreadableTextRaisesADatabaseErrorNamingThePlace)
{
    EXPECT_EQ(TranslationError("SELECT FROM Team"),
              "Cannot read the SQL text: a value was expected at character 8 (\"FROM Team\")");
    EXPECT_EQ(TranslationError("SELECT a FROM t WHERE 'abc"),
              "Cannot read the SQL text: unclosed string literal at character 23 (\"'abc\")");
    EXPECT_EQ(TranslationError(""), "Cannot read the SQL text: a SELECT, INSERT, UPDATE or DELETE statement was "
                                    "expected at the end of the text");
    for (const char* bad : {"SELECT a FROM t; DELETE FROM t", "SELECT a FROM [t", "SELECT TOP 5 PERCENT a FROM t",
                            "SELECT TOP x a FROM t", "SELECT 12abc FROM t", "SELECT a FROM t WHERE a ! b",
                            "CREATE TABLE t (a INTEGER)", "SELECT a FROM t WHERE (a = 1", "UPDATE t SET a",
                            "SELECT [] FROM t", "SELECT T.* + 1 FROM t", "SELECT a, FROM t"})
        EXPECT_EQ(TranslationError(bad).rfind("Cannot read the SQL text: ", 0), 0u) << bad;
}

TEST(JetTranslatorTest, DeepNestingIsRefusedNotOverflowingTheStack)
{
    const std::pair<std::string, std::string> cases[]{
        {"SELECT ", "("}, {"SELECT ", "NOT "}, {"SELECT ", "-"}, {"SELECT ", "a IN (SELECT "},
        {"SELECT * FROM ", "(SELECT * FROM "}, {"SELECT * FROM ", "(a INNER JOIN "}};
    for (const auto& [start, opening] : cases) {
        std::string text = start;
        for (int i = 0; i < 100000; ++i)
            text += opening;
        EXPECT_NE(TranslationError(text + "1").find("nested too deeply"), std::string::npos) << opening;
    }
}

// Arbitrary text, and program texts with a few bytes changed, either translate into
// something SQLite can prepare without harm or raise our database error.
TEST(JetTranslatorTest, RandomTextTranslatesOrRaisesDatabaseError)
{
    JetTestDatabase database;
    database.CreateMatchSchema();
    const std::vector<std::string> fragments{
        "SELECT ", "TOP 3 ", "FROM ", "WHERE ", "INSERT INTO ", "VALUES", "UPDATE ", "SET ", "DELETE ", "* ",
        "AND ", "OR ", "NOT ", "IN ", "IS NULL ", "BETWEEN ", "LIKE ", "GROUP BY ", "ORDER BY ", "HAVING ", "AS ",
        "INNER JOIN ", "LEFT JOIN ", "RIGHT JOIN ", "ON ", "True ", "IIF(", "IsNull(", "Round(", "Date()", "Sum(",
        "Team ", "F.Date ", "[My Name] ", "Gol1 ", "'x' ", "'it''s' ", "\"q\" ", "#1/2/2019# ", "#bad# ", "12 ",
        "2.5 ", ".5 ", "(", ")", ",", ".", ";", "=", "<>", "<", ">=", "+", "-", "/", "#", "'", "\"", "[", "]",
        "\x01", "\xD0\x90", "\xFF", "--", "/*"};
    std::vector<std::string> texts;
    for (const ProgramSqlText& text : ProgramStatements())
        texts.push_back(text.jetSql);
    std::mt19937 random(20240601);
    auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    int translated = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            for (size_t count = below(16); count > 0; --count)
                text += fragments[below(fragments.size())];
        } else {
            text = texts[below(texts.size())];
            for (size_t edits = 1 + below(3); edits > 0; --edits) {
                const size_t at = below(text.size() + 1);
                if (below(2) == 0 && at < text.size())
                    text.erase(at, 1 + below(8));
                else
                    text.insert(at, fragments[below(fragments.size())]);
            }
        }
        std::string sqlite;
        try {
            sqlite = TranslateJetSql(text);
        } catch (const EDatabaseError& error) {
            ASSERT_EQ(error.Message().rfind("Cannot read the SQL text: ", 0), 0u) << text;
            continue;
        } catch (const std::exception& error) {
            FAIL() << "raised " << error.what() << " for: " << text;
        }
        ++translated;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(database.Handle(), sqlite.c_str(), -1, &statement, nullptr);
        sqlite3_finalize(statement);
    }
    EXPECT_GT(translated, 1000);
}

TEST(JetTranslatorTest, LiteralInsertsSplitIntoParametersAndValues)
{
    const std::optional<JetLiteralInsert> insert =
            JetTranslator::SplitLiteralInsert(" INSERT INTO [National](NationalID, Name) VALUES( 'RUS','Россия' ) ;");
    ASSERT_TRUE(insert);
    EXPECT_EQ(insert->sqliteSql, "INSERT INTO \"National\"(NationalID, Name) VALUES(?1, ?2)");
    ASSERT_EQ(insert->values.size(), 2u);
    EXPECT_EQ(insert->values[1].text, "Россия");

    // Everything but literal values goes the translator's way.
    for (const char* other : {"INSERT INTO T VALUES(1+1)", "INSERT INTO T VALUES(Date())", "INSERT INTO T VALUES(--1)",
                              "INSERT INTO T SELECT * FROM U", "INSERT INTO T VALUES(1) x", "INSERT INTO T VALUES(-'a')",
                              "UPDATE T SET A=1", "SELECT 1", "INSERT INTO T VALUES('open", "INSERTS"})
        EXPECT_FALSE(JetTranslator::SplitLiteralInsert(other)) << other;
}
