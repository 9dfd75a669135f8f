#include "platform/jetsql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <random>

#include "jetsqlcatalog.h"
#include "jettestdatabase.h"
#include "platform/exceptions.h"

using namespace std::string_literals;

namespace {

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

TEST(JetTranslatorTest, TranslatesEachJetRuleToSqlite)
{
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[]{
        // TOP becomes LIMIT after ORDER BY, before a trailing ";", also in a sub-select.
        {"SELECT TOP 5 Name FROM Team ORDER BY Name", "SELECT Name FROM Team ORDER BY Name LIMIT 5"},
        {"SELECT TOP 500 F.Date AS Date1 FROM Fixed AS F ORDER BY F.Date DESC;",
         "SELECT F.Date AS Date1 FROM Fixed AS F ORDER BY F.Date DESC LIMIT 500;"},
        {"SELECT Name FROM Team WHERE TeamID IN (SELECT TOP 2 TeamID FROM Stats ORDER BY Point DESC)",
         "SELECT Name FROM Team WHERE TeamID IN (SELECT TeamID FROM Stats ORDER BY Point DESC LIMIT 2)"},
        {"SELECT DISTINCT TOP 3 a FROM t", "SELECT DISTINCT a FROM t LIMIT 3"},
        // DELETE * deletes from the table.
        {"DELETE * FROM TeamFav WHERE TeamID=17", "DELETE FROM TeamFav WHERE TeamID = 17"},
        {"DELETE TeamFav.* FROM TeamFav", "DELETE FROM TeamFav"},
        {"DELETE FROM Stats", "DELETE FROM Stats"},
        // INSERT ... SELECT without columns fills them by the output names.
        {"INSERT INTO TeamResults SELECT Fixed.Gol1 AS Gol2, Fixed.Gol2 AS Gol1, [Date] FROM Fixed",
         "INSERT INTO TeamResults(Gol2, Gol1, Date) SELECT Fixed.Gol1 AS Gol2, Fixed.Gol2 AS Gol1, \"Date\" "
         "FROM Fixed"},
        {"INSERT INTO Fixed SELECT * FROM _Fixed", "INSERT INTO Fixed SELECT * FROM _Fixed"},
        {"INSERT INTO _Fixed SELECT F.* FROM Fixed AS F", "INSERT INTO _Fixed SELECT F.* FROM Fixed AS F"},
        {"INSERT INTO TeamFav VALUES(17)", "INSERT INTO TeamFav VALUES(17)"},
        {"INSERT INTO Filter(FilterID,TeamID)SELECT 1, TeamID FROM Team",
         "INSERT INTO \"Filter\"(FilterID, TeamID) SELECT 1, TeamID FROM Team"},
        // Literals stay untouched; [names] and names SQLite reserves are quoted.
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
        // Date literals become day numbers; month first, day first when no date reads that way.
        {"SELECT #06/12/2019#, #6/12/2019#, #2019-06-12#", "SELECT 43628, 43628, 43628"},
        {"SELECT #6/12/2019 13:30#, #6/12/2019 1:30 PM#, #12:00#", "SELECT 43628.5625, 43628.5625, 0.5"},
        // Month first; a text that is no date that way reads day first, as Jet reads it.
        {"SELECT #13/06/2019#, #1/1/30#, #1/1/29#", "SELECT 43629, 10959, 47119"},
        {"SELECT Date(), Now(), date(), NOW()", "SELECT JetDate(), JetNow(), JetDate(), JetNow()"},
        {"SELECT MAX(Date) FROM Fixed", "SELECT MAX(Date) FROM Fixed"},
        // True and False are -1 and 0.
        {"SELECT True, false FROM Champ WHERE Fav=True AND Cur=true",
         "SELECT -1, 0 FROM Champ WHERE Fav = -1 AND Cur = -1"},
        {"UPDATE Filter SET Cur=false, Row=4 WHERE FilterID=2",
         "UPDATE \"Filter\" SET Cur = 0, \"Row\" = 4 WHERE FilterID = 2"},
        // Comparisons are -1 only where used as values, never in WHERE, ON or HAVING.
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
        // Division is floating point.
        {"SELECT Sum(Stats.Win)/Sum(Stats.Game) FROM Stats",
         "SELECT CAST(Sum(Stats.Win) AS REAL) / Sum(Stats.Game) FROM Stats"},
        {"SELECT a/b/c, (a+b)/2, a/(b*c), 1.5/b, a*b/c FROM t",
         "SELECT CAST(a AS REAL) / b / c, CAST((a + b) AS REAL) / 2, CAST(a AS REAL) / (b * c), 1.5 / b, "
         "CAST(a * b AS REAL) / c FROM t"},
        // Jet functions become SQL or registered functions.
        {"SELECT IsNull(a), IIF(IsNull(a), 0, a), IIF(a>b, a>c, 0) FROM t WHERE IsNull(b) OR NOT IsNull(c)",
         "SELECT -(a IS NULL), CASE WHEN a IS NULL THEN 0 ELSE a END, CASE WHEN a > b THEN -(a > c) ELSE 0 END FROM t "
         "WHERE b IS NULL OR NOT c IS NULL"},
        {"SELECT Round(2.5), Round(x, 2), Round(([Rang1]-[Rang2])/10)*10 FROM t",
         "SELECT JetRound(2.5), JetRound(x, 2), JetRound(CAST((\"Rang1\" - \"Rang2\") AS REAL) / 10) * 10 FROM t"},
        {"SELECT Count(*), Avg(Skills) FROM Players", "SELECT Count(*), Avg(Skills) FROM Players"},
        {"SELECT Replace(Name, 'a', 'b') FROM Team", "SELECT Replace(Name, 'a', 'b') FROM Team"},
        // Signs never form a comment.
        {"SELECT a FROM t WHERE a - -b = --c", "SELECT a FROM t WHERE a - -b = -(-c)"},
        {"SELECT -(-a), +a FROM t", "SELECT -(-a), +a FROM t"},
        // Nested and RIGHT joins keep their shape.
        {"SELECT a FROM TeamFav AS TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN Fixed ON TeamFav.TeamID = Fixed.Team1ID) "
         "ON TeamFav_1.TeamID = Fixed.Team2ID",
         "SELECT a FROM TeamFav AS TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN Fixed ON TeamFav.TeamID = Fixed.Team1ID) "
         "ON TeamFav_1.TeamID = Fixed.Team2ID"},
        {"SELECT a FROM ((t LEFT OUTER JOIN u ON t.x=u.x) INNER JOIN v ON v.y=u.y)",
         "SELECT a FROM ((t LEFT JOIN u ON t.x = u.x) INNER JOIN v ON v.y = u.y)"},
        {"SELECT x FROM (SELECT TOP 3 a AS x FROM t ORDER BY a) AS s",
         "SELECT x FROM (SELECT a AS x FROM t ORDER BY a LIMIT 3) AS s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        try {
            EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite);
        } catch (const EDatabaseError& error) {
            ADD_FAILURE() << "raised: " << error.Message();
        }
    }
}

TEST(JetTranslatorTest, UnreadableTextRaisesADatabaseErrorNamingThePlace)
{
    EXPECT_EQ(TranslationError("SELECT FROM Team"),
              "Cannot read the SQL text: a value was expected at character 8 (\"FROM Team\")");
    EXPECT_EQ(TranslationError("SELECT a FROM t WHERE 'abc"),
              "Cannot read the SQL text: unclosed string literal at character 23 (\"'abc\")");
    EXPECT_EQ(TranslationError(""), "Cannot read the SQL text: a SELECT, INSERT, UPDATE or DELETE statement was "
                                    "expected at the end of the text");
    const std::pair<std::string, const char*> cases[]{
        {"INSERT INTO Stats SELECT Count(*) FROM Fixed", "needs a name"},
        {"SELECT IIF(a, b) FROM t", "IIF takes 3 argument"},
        {"SELECT Date(1) FROM t", "Date takes 0 argument"},
        {"SELECT #2/30/2019#", ""}, {"SELECT #1/2#", ""}, {"SELECT #25:00#", ""}, {"SELECT #1/2/2019 x#", ""},
        {"SELECT ##", ""}, {"SELECT #1/2/2019", ""}, {"SELECT a FROM t; DELETE FROM t", ""}, {"SELECT a FROM [t", ""},
        {"SELECT TOP 5 PERCENT a FROM t", ""}, {"SELECT TOP x a FROM t", ""}, {"SELECT 12abc FROM t", ""},
        {"SELECT a FROM t WHERE a ! b", ""}, {"CREATE TABLE t (a INTEGER)", ""}, {"SELECT a FROM t WHERE (a = 1", ""},
        {"UPDATE t SET a", ""}, {"SELECT [] FROM t", ""}, {"SELECT T.* + 1 FROM t", ""}, {"SELECT a, FROM t", ""},
        // SQLite would stop reading at a NUL, or cannot parse a call of one of its keywords.
        {"SELECT 'a\0b' FROM t"s, "NUL character in a string literal at character 10"},
        {"SELECT [a\0b] FROM t"s, "NUL character in a [name] at character 10"},
        {"SELECT Cast(a) FROM t", "SQLite has no function Cast at character 8"},
        {"SELECT Limit(1) FROM t", "SQLite has no function Limit"},
        {"SELECT Left(Name, 2) FROM Team", "SQLite has no function Left"}};
    for (const auto& [text, detail] : cases) {
        SCOPED_TRACE(text);
        const std::string message = TranslationError(text);
        EXPECT_EQ(message.rfind("Cannot read the SQL text: ", 0), 0u) << message;
        EXPECT_NE(message.find(detail), std::string::npos) << message;
    }
}

TEST(JetTranslatorTest, DeepNestingIsRefusedNotOverflowingTheStack)
{
    const std::pair<std::string, std::string> cases[]{
        {"SELECT ", "("}, {"SELECT ", "NOT "}, {"SELECT ", "-"}, {"SELECT ", "a IN (SELECT "},
        {"SELECT * FROM ", "(SELECT * FROM "}, {"SELECT * FROM ", "(a INNER JOIN "}, {"SELECT 1", " < 1"}};
    for (const auto& [start, opening] : cases) {
        std::string text = start;
        for (int i = 0; i < 100000; ++i)
            text += opening;
        EXPECT_NE(TranslationError(text + (opening.starts_with(" ") ? "" : "1")).find("nested too deeply"), std::string::npos) << opening;
    }
}

// Long statements translate whole: each operator of a chain extends the text in place.
TEST(JetTranslatorTest, ChainsOfAMillionBytesTranslateWhole)
{
    const std::pair<std::string, std::string> chains[]{
        {"a+", "a + "}, {"a-", "a - "}, {"a*", "a * "}, {"a=1 AND ", "a = 1 AND "}, {"a=1 OR ", "a = 1 OR "}};
    for (const auto& [jet, sqlite] : chains) {
        std::string jetText = "SELECT a FROM t WHERE ";
        std::string expected = "SELECT a FROM t WHERE ";
        while (jetText.size() < 1'000'000) {
            jetText += jet;
            expected += sqlite;
        }
        EXPECT_EQ(TranslateJetSql(jetText + "b"), expected + "b") << jet;
    }
    std::string quotient = "SELECT a";
    for (int i = 0; i < 200'000; ++i)
        quotient += "/b";
    const std::string translated = TranslateJetSql(quotient);
    EXPECT_TRUE(translated.starts_with("SELECT CAST(a AS REAL) / b / b")) << "one cast, before the first division";
    EXPECT_EQ(translated.rfind("CAST"), translated.find("CAST"));
}

// Arbitrary text, and program texts with a few bytes changed, either translate into
// something SQLite can prepare without harm or raise our database error.
TEST(JetTranslatorTest, RandomTextTranslatesOrRaisesDatabaseError)
{
    JetTestDatabase database;
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(database.Path().c_str(), &handle), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(handle, sqlite3_close);
    RegisterJetFunctions(handle);
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
        sqlite3_prepare_v2(handle, sqlite.c_str(), -1, &statement, nullptr);
        sqlite3_finalize(statement);
    }
    EXPECT_GT(translated, 1000);
}
