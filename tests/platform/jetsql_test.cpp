#include "platform/jetsql.h"

#include <gtest/gtest.h>

#include <cmath>

#include "jetsqlcatalog.h"
#include "jettestdatabase.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

namespace {

const std::string& ProgramText(const std::string& name)
{
    for (const ProgramSqlText& text : ProgramStatements())
        if (text.name == name)
            return text.jetSql;
    throw std::logic_error("no program text " + name);
}

class JetSqlTest : public ::testing::Test {
protected:
    // A league (tournament 1, table round 1) and a cup (tournament 2, round 2 played
    // outside any table), season 3. Team 1's matches, from its side: home 3:1 and 1:2,
    // away 0:0 and 4:0 in the league; away 0:2 and home 2:2 in the cup.
    void AddMatches()
    {
        for (const char* statement :
             {"INSERT INTO ChampType VALUES(1, 'League')", "INSERT INTO ChampType VALUES(2, 'Cup')",
              "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(1, 'League', 1, True)",
              "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(2, 'Cup', 2, False)",
              "INSERT INTO Season VALUES(2, '2018', 2018)", "INSERT INTO Season VALUES(3, '2019', 2019)",
              "INSERT INTO Round VALUES(1, 'Table', True, 1)", "INSERT INTO Round VALUES(2, 'Final', False, 2)"})
            db.ExecJet(statement);
        for (const char* match : {"1, #8/1/2019#, 1, 2, 3, 1, 1, 1", "2, #8/8/2019#, 2, 1, 0, 0, 1, 1",
                                  "3, #8/15/2019#, 1, 3, 1, 2, 1, 1", "4, #8/22/2019#, 3, 1, 0, 4, 1, 1",
                                  "5, #9/1/2019#, 3, 1, 2, 0, 2, 2", "6, #9/8/2019#, 1, 2, 2, 2, 2, 2"})
            db.ExecJet(std::string("INSERT INTO Fixed(FixedIND, Date, Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, "
                                   "SeasonID) VALUES(") + match + ", 3)");
    }

    JetTestDatabase db;
};

}  // namespace

TEST_F(JetSqlTest, TopGivesTheFirstRowsAlsoBeforeASemicolonAndInASubSelect)
{
    db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
            "INSERT INTO Fixed(FixedIND, Date, Team1ID, Team2ID) SELECT i, 40000 + i, i % 7, i % 5 FROM n");
    const SqlRows rows = db.QueryJet("SELECT TOP 500 F.Date AS Date1 FROM Fixed AS F ORDER BY F.Date DESC, F.Team1ID;");
    ASSERT_EQ(rows.size(), 500u);
    EXPECT_EQ(rows.front()[0], "40600");
    EXPECT_EQ(rows.back()[0], "40101");
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM Fixed WHERE FixedIND IN (SELECT TOP 10 FixedIND FROM Fixed "
                          "ORDER BY Date)"),
              "10");
}

TEST_F(JetSqlTest, TeamResultsRowsFillColumnsByNameSoAwayRowsSwapTheGoals)
{
    AddMatches();
    for (int run = 0; run < 2; ++run)  // DELETE * empties the table for the second run
        for (const char* name : {"team results cleared", "team results home", "team results away"})
            db.ExecJet(ProgramText(name));
    // League matches only, each once from either side.
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM TeamResults"), "8");
    EXPECT_EQ(db.QueryJet("SELECT Field, RivalID, Gol1, Gol2, Tour, Date FROM TeamResults WHERE TeamID=1 "
                          "ORDER BY Date"),
              (SqlRows{{"1", "2", "3", "1", "0", "43678"},
                       {"2", "2", "0", "0", "0", "43685"},
                       {"1", "3", "1", "2", "0", "43692"},
                       {"2", "3", "4", "0", "0", "43699"}}));
    EXPECT_EQ(db.QueryJet("SELECT Gol1, Gol2, Count(TeamResults.TeamID) AS Cnt FROM TeamResults GROUP BY TeamID, "
                          "[Gol1]-[Gol2], Gol1, Gol2, Field HAVING TeamID=1 ORDER BY [Gol1]-[Gol2] DESC, Gol1 DESC"),
              (SqlRows{{"4", "0", "1"}, {"3", "1", "1"}, {"0", "0", "1"}, {"1", "2", "1"}}));
}

TEST_F(JetSqlTest, StatsRowsCountWinsAndGoalConditionsAsPositiveNumbers)
{
    AddMatches();
    for (const char* name : {"stats cleared", "stats home table rounds", "stats home other rounds",
                             "stats away table rounds", "stats away other rounds"})
        db.ExecJet(ProgramText(name));
    EXPECT_EQ(db.QueryJet("SELECT ChampID, RoundID, Field, Game, Win, Draw, Lose, Gol1, Gol2, Point, Under, Over, "
                          "ByScore, ByMiss, NoScore, NoMiss, MinusF, PlusF FROM Stats WHERE TeamID=1 AND SeasonID=3 "
                          "ORDER BY ChampID, Field"),
              (SqlRows{{"1", "1", "1", "2", "1", "0", "1", "4", "3", "3", "0", "2", "2", "2", "0", "0", "1", "2"},
                       {"1", "1", "2", "2", "1", "1", "0", "4", "0", "4", "1", "1", "1", "0", "1", "2", "1", "2"},
                       {"2", "7", "1", "1", "0", "1", "0", "2", "2", "1", "0", "1", "1", "1", "0", "0", "0", "1"},
                       {"2", "7", "2", "1", "0", "0", "1", "0", "2", "0", "1", "0", "0", "1", "1", "0", "0", "0"}}));
}

TEST_F(JetSqlTest, RatingStatisticsCountAwayWinsThroughAChainedComparison)
{
    AddMatches();
    // Rating differences 25 and 35 round half to even: 2.5 to 2 and 3.5 to 4.
    for (const char* row : {"INSERT INTO EloFixed VALUES(1,1025,1000,1030,995,1)",
                            "INSERT INTO EloFixed VALUES(2,1035,1000,1030,1005,1)",
                            "INSERT INTO EloFixed VALUES(3,1000,1000,990,1010,1)",
                            "INSERT INTO EloFixed VALUES(4,1000,1000,980,1020,1)"})
        db.ExecJet(row);
    db.ExecJet(ProgramText("rating statistics"));
    EXPECT_EQ(db.QueryJet("SELECT Deff, Game, Win1, Draw, Win2, Under, Over, Gol1, Gol2 FROM EloStats ORDER BY Deff"),
              (SqlRows{{"0", "2", "0", "0", "2", "0", "2", "1", "6"},
                       {"20", "1", "1", "0", "0", "0", "1", "3", "1"},
                       {"40", "1", "0", "1", "0", "1", "0", "0", "0"}}));
}

TEST_F(JetSqlTest, YesNoColumnsHoldMinusOneAndMatchTrueInAnyForm)
{
    AddMatches();
    db.ExecJet("INSERT INTO Version(UpdateNum, UpdateDate) VALUES('104', '01.06.2019')");
    db.ExecJet("UPDATE Version SET UpdateSeries=1");
    EXPECT_EQ(db.ValueJet("SELECT UpdateSeries FROM Version"), "-1");
    db.ExecJet("UPDATE Version SET UpdateSeries=0");
    EXPECT_EQ(db.ValueJet("SELECT UpdateSeries FROM Version"), "0");

    EXPECT_EQ(db.QueryJet("SELECT Champ.Name FROM Champ WHERE Champ.Fav=-1"), (SqlRows{{"League"}}));
    EXPECT_EQ(db.QueryJet("SELECT Name FROM Champ WHERE Fav=TRUE"), (SqlRows{{"League"}}));
    db.ExecJet(ProgramText("history team"));
    db.ExecJet(ProgramText("history pair"));
    db.ExecJet("UPDATE Filter SET Cur=false, Row=4 WHERE FilterID=3");
    EXPECT_EQ(db.QueryJet("SELECT FilterID, Cur, Row FROM Filter WHERE Cur=true"), (SqlRows{{"4", "-1", "1"}}));
    EXPECT_EQ(db.QueryJet("SELECT FilterID FROM Filter WHERE Cur<>true"), (SqlRows{{"3"}}));
    db.ExecJet("INSERT INTO EloFixed VALUES(1,1000,1000,1009,988,1)");
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM EloFixed WHERE IsStats=True"), "1");
}

TEST_F(JetSqlTest, DivisionOrdersByTheRealRatio)
{
    // Wins per game: 0.9, 1.0, 1.9, 1.5; whole-number division would make three of them 1.
    for (const char* row : {"INSERT INTO Stats(ChampID, Win, Game) VALUES(1, 9, 10)",
                            "INSERT INTO Stats(ChampID, Win, Game) VALUES(2, 1, 1)",
                            "INSERT INTO Stats(ChampID, Win, Game) VALUES(3, 19, 10)",
                            "INSERT INTO Stats(ChampID, Win, Game) VALUES(4, 3, 2)"})
        db.ExecJet(row);
    EXPECT_EQ(db.QueryJet("SELECT Stats.ChampID FROM Stats GROUP BY Stats.ChampID "
                          "ORDER BY Sum(Stats.Win)/Sum(Stats.Game) DESC"),
              (SqlRows{{"3"}, {"4"}, {"2"}, {"1"}}));
    EXPECT_EQ(db.ValueJet("SELECT 7/2"), "3.5");
}

TEST_F(JetSqlTest, RoundSendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(db.QueryJet("SELECT Round(2.5), Round(3.5), Round(-2.5), Round(2.6), Round(0.125, 2), Round(0.375, 2), "
                          "Round(7), Round(Null), Round(2.5, Null)"),
              (SqlRows{{"2.0", "4.0", "-2.0", "3.0", "0.12", "0.38", "7", "<null>", "<null>"}}));
    EXPECT_THROW(db.QueryJet("SELECT Round(2.5, -1)"), std::runtime_error);
}

TEST_F(JetSqlTest, LiteralsArriveUntouchedAndQuotedNamesMustExist)
{
    const std::string typed = "O'Neil's ''club'' \"Ураган\" '";
    db.ExecJet(" INSERT INTO Team VALUES( 40,'Nott''m Forest','#1' ) ");
    db.ExecJet("INSERT INTO Team VALUES(41, \"say \"\"hi\"\" -- [now]\", 'Date()')");
    db.ExecJet("INSERT INTO Team VALUES(42, " + JetQuoted(typed) + ", " + JetQuoted("") + ")");
    EXPECT_EQ(db.QueryJet("SELECT Name, NationalID FROM Team ORDER BY TeamID"),
              (SqlRows{{"Nott'm Forest", "#1"}, {"say \"hi\" -- [now]", "Date()"}, {typed, ""}}));
    EXPECT_EQ(db.ValueJet("SELECT TeamID FROM Team WHERE Name='Nott''m Forest'"), "40");
    EXPECT_EQ(db.ValueJet("SELECT [TeamID] FROM Team WHERE Name=" + JetQuoted(typed)), "42");
    EXPECT_THROW(db.QueryJet("SELECT [Nmae] FROM Team"), std::runtime_error) << "a misspelled name is no text";
}

TEST_F(JetSqlTest, DatesCompareAsDayNumbers)
{
    AddMatches();
    EXPECT_EQ(db.QueryJet("SELECT FixedIND FROM Fixed WHERE Date = #08/15/2019#"), (SqlRows{{"3"}}));
    EXPECT_EQ(db.QueryJet("SELECT FixedIND FROM Fixed WHERE Date >= #8/22/2019# ORDER BY Date"),
              (SqlRows{{"4"}, {"5"}, {"6"}}));
    const double today = Date();
    db.ExecJet("INSERT INTO Fixed(FixedIND, Date) VALUES(7, " + FloatToSqlStr(today - 3) + ")");
    db.ExecJet("INSERT INTO Fixed(FixedIND, Date) VALUES(8, " + FloatToSqlStr(today - 10) + ")");
    EXPECT_EQ(db.QueryJet("SELECT F.FixedIND FROM Fixed AS F WHERE F.Date>=Date()-7"), (SqlRows{{"7"}}));
    EXPECT_EQ(db.ValueJet("SELECT Date()"), FloatToSqlStr(today) + ".0");
    const double sinceMidnight = std::stod(db.ValueJet("SELECT Now()-Date()"));
    EXPECT_GE(sinceMidnight, 0.0);
    EXPECT_LT(sinceMidnight, 1.0);
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM Fixed WHERE Date>=(SELECT MAX(Date) FROM Fixed)-10"), "2");
}

TEST_F(JetSqlTest, IsNullAndIifGiveJetValuesOverANestedRightJoin)
{
    AddMatches();
    db.ExecJet("INSERT INTO TeamFav VALUES(2)");
    const std::string from = "FROM TeamFav RIGHT JOIN (Fixed INNER JOIN Champ ON Champ.ChampID = Fixed.ChampID) "
                             "ON TeamFav.TeamID = Fixed.Team2ID ";
    EXPECT_EQ(db.QueryJet("SELECT IsNull(TeamFav.TeamID) AS NotFav, IIF(Fixed.Team1ID=1, 'home', 'away') AS Side " +
                          from + "WHERE Champ.TypeID=1 ORDER BY Fixed.Date"),
              (SqlRows{{"0", "home"}, {"-1", "away"}, {"-1", "home"}, {"-1", "away"}}));
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) " + from + "WHERE IsNull(TeamFav.TeamID)"), "4");
}

TEST_F(JetSqlTest, ParkedMatchesComeBackByPositionAndBecomeFixtures)
{
    AddMatches();
    db.ExecJet("INSERT INTO _Fixed SELECT * FROM Fixed WHERE Date >= #09/01/2019#");
    db.ExecJet("DELETE FROM Fixed WHERE Date >= #09/01/2019#");
    db.ExecJet(ProgramText("calendar cleared"));
    db.ExecJet(ProgramText("parked matches as fixtures"));
    EXPECT_EQ(db.QueryJet("SELECT Team1ID, Team2ID, FixTime, Gol1, Gol2 FROM Calendar ORDER BY Date"),
              (SqlRows{{"3", "1", "0000", "2", "0"}, {"1", "2", "0000", "2", "2"}}));
    db.ExecJet(ProgramText("parked matches back"));
    EXPECT_EQ(db.QueryJet("SELECT FixedIND, Gol1, Gol2, RoundID FROM Fixed WHERE FixedIND>4"),
              (SqlRows{{"5", "2", "0", "2"}, {"6", "2", "2", "2"}}));
}

TEST_F(JetSqlTest, TextComparesOrdersAndGroupsIgnoringCaseInEveryScript)
{
    for (const char* name :
         {"cherry", "Banana", "apple", "СПАРТАК", "спартак", "Арсенал", "бавария", "Ёлка"})
        db.ExecJet(std::string("INSERT INTO Team(Name) VALUES('") + name + "')");
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM Team WHERE Name='Спартак'"), "2");
    EXPECT_EQ(db.ValueJet("SELECT COUNT(*) FROM Team WHERE Name='APPLE'"), "1");
    EXPECT_EQ(db.QueryJet("SELECT Name FROM Team WHERE TeamID<4 ORDER BY Name"),
              (SqlRows{{"apple"}, {"Banana"}, {"cherry"}}));
    EXPECT_EQ(db.QueryJet("SELECT Count(*) AS Cnt FROM Team WHERE TeamID>3 GROUP BY Name ORDER BY Name"),
              (SqlRows{{"1"}, {"1"}, {"2"}, {"1"}}));
}

TEST_F(JetSqlTest, ConditionsOnIndexedColumnsStillUseTheIndex)
{
    auto plan = [&](const std::string& jetSql) {
        std::string text;
        for (const auto& row : db.Query("EXPLAIN QUERY PLAN " + TranslateJetSql(jetSql)))
            text += row.back() + "\n";
        return text;
    };
    const std::string byTeam1 = plan("SELECT F.Date FROM Fixed AS F WHERE F.Team1ID=17 ORDER BY F.Date DESC");
    EXPECT_NE(byTeam1.find("USING COVERING INDEX ix_Fixed_Team1ID_Date (Team1ID=?)"), std::string::npos) << byTeam1;
    const std::string recent = plan("SELECT F.Date FROM Fixed AS F WHERE F.Date>=Date()-7");
    EXPECT_NE(recent.find("USING COVERING INDEX ix_Fixed_Date (Date>?)"), std::string::npos) << recent;
    const std::string seriesMatches = plan(ProgramText("series matches"));
    EXPECT_NE(seriesMatches.find("USING INDEX ix_Fixed_Team2ID_Date (Team2ID=?)"), std::string::npos) << seriesMatches;
}

TEST_F(JetSqlTest, RepeatedTextsGiveTheSameTranslation)
{
    const std::string& text = LongestSharedSelect();
    const std::string first = TranslateJetSql(text);
    EXPECT_EQ(TranslateJetSql(text), first);
    EXPECT_THROW(TranslateJetSql("SELECT FROM"), EDatabaseError);
    EXPECT_THROW(TranslateJetSql("SELECT FROM"), EDatabaseError);
}
