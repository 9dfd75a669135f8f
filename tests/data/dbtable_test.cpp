#include "data/dbtable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/codes.h"
#include "matchdatafixture.h"

namespace {

// Standings of the league (10) from hand-made Stats rows, over the fixture's teams and
// Dortmund (21), in seasons 1 to 3.
class DBTableTest : public MatchDataFixture {
protected:
    static constexpr int Dortmund = 21;

    DBTableTest()
    {
        Exec("INSERT INTO Team VALUES(21, 'Dortmund', 'GER')");
        Exec("INSERT INTO Season VALUES(3, '2024/2025', 2024)");
    }

    // Season 2: Dortmund 12 points; Bayern, Chelsea, Arsenal and Liverpool 10 each,
    // told apart by goals scored, goal difference and wins. Season 1 has a table stage
    // and a row of the other stages; season 3 one match.
    void AddStandings()
    {
        AddStats({.champ = League, .season = 2, .team = Liverpool, .win = 2, .draw = 4, .gol1 = 3, .gol2 = 1});
        AddStats({.champ = League, .season = 2, .team = Arsenal, .win = 3, .draw = 1, .gol1 = 5, .gol2 = 3});
        AddStats({.champ = League, .season = 2, .team = Chelsea, .win = 2, .draw = 1, .gol1 = 4, .gol2 = 1});
        AddStats({.champ = League, .season = 2, .team = Chelsea, .field = FieldCode::Away, .win = 1, .gol1 = 2,
                  .gol2 = 1});
        AddStats({.champ = League, .season = 2, .team = Bayern, .win = 2, .gol1 = 5, .gol2 = 2});
        AddStats({.champ = League, .season = 2, .team = Bayern, .field = FieldCode::Away, .win = 1, .draw = 1,
                  .gol1 = 3, .gol2 = 2});
        AddStats({.champ = League, .season = 2, .team = Dortmund, .win = 4, .lose = 1, .gol1 = 6, .gol2 = 5});
        AddStats({.champ = League, .season = 1, .team = Arsenal, .win = 5, .gol1 = 9, .gol2 = 0});
        AddStats({.champ = League, .season = 1, .team = Liverpool, .round = TotalsRoundID, .win = 1, .gol1 = 2,
                  .gol2 = 0});
        AddStats({.champ = League, .season = 3, .team = Arsenal, .win = 1, .gol1 = 1, .gol2 = 0});
        AddStats({.champ = Cup, .season = 3, .team = Arsenal, .round = TotalsRoundID, .lose = 1, .gol2 = 2});
    }

    // The open rows as "Team games W-D-L goals points", joined by "; ".
    std::string Standings()
    {
        std::string rows;
        for (table.GetQuery()->First(); !table.GetQuery()->Eof(); table.GetQuery()->Next())
            rows += (rows.empty() ? "" : "; ") + table.GetTeam() + " " + std::to_string(table.GetGame()) + " " +
                    std::to_string(table.GetWin()) + "-" + std::to_string(table.GetDraw()) + "-" +
                    std::to_string(table.GetLose()) + " " + std::to_string(table.GetGol1()) + ":" +
                    std::to_string(table.GetGol2()) + " " + std::to_string(table.GetPoint());
        return rows;
    }

    // Every standings select of one tournament season gives these rows in this order.
    void ExpectStandings(int champ, int season, const std::string& expected)
    {
        ASSERT_TRUE(table.SelectTable(champ, season, FieldCode::Both, 0));
        EXPECT_EQ(Standings(), expected) << "SelectTable";
        ASSERT_TRUE(table.SelectTableFull(champ, season, FieldCode::Both));
        EXPECT_EQ(Standings(), expected) << "SelectTableFull";
        ASSERT_TRUE(table.SelectTableSeason(champ, season, FieldCode::Both, false));
        EXPECT_EQ(Standings(), expected) << "SelectTableSeason";
    }

    // The open rows' texts of one column: "a; b".
    std::string Column(const std::function<std::string()>& read)
    {
        std::string texts;
        for (table.GetQuery()->First(); !table.GetQuery()->Eof(); table.GetQuery()->Next())
            texts += (texts.empty() ? "" : "; ") + read();
        return texts;
    }

    DBTable table;
};

TEST_F(DBTableTest, LevelTeamsAreOrderedByWinsThenGoalDifferenceThenGoalsScored)
{
    AddStandings();
    ExpectStandings(League, 2,
                    "Dortmund 5 4-0-1 6:5 12; Bayern 4 3-1-0 8:4 10; Chelsea 4 3-1-0 6:2 10; "
                    "Arsenal 4 3-1-0 5:3 10; Liverpool 6 2-4-0 3:1 10");
    ASSERT_TRUE(table.SelectTable(League, 2, FieldCode::Both, 0));
    EXPECT_DOUBLE_EQ(table.GetPointAvg(), 12.0 / 5);

    // Each key against the next: Liverpool's extra win beats Arsenal's better difference
    // and goals; Chelsea's better difference beats Bayern's goals.
    AddStats({.champ = Cup, .season = 2, .team = Bayern, .win = 1, .lose = 1, .gol1 = 5, .gol2 = 4});
    AddStats({.champ = Cup, .season = 2, .team = Arsenal, .win = 2, .draw = 3, .gol1 = 9, .gol2 = 4});
    AddStats({.champ = Cup, .season = 2, .team = Chelsea, .win = 1, .gol1 = 2});
    AddStats({.champ = Cup, .season = 2, .team = Liverpool, .win = 3, .lose = 1, .gol1 = 4, .gol2 = 3});
    ExpectStandings(Cup, 2,
                    "Liverpool 4 3-0-1 4:3 9; Arsenal 5 2-3-0 9:4 9; Chelsea 1 1-0-0 2:0 3; Bayern 2 1-0-1 5:4 3");

    AddStats({.champ = Europe, .season = 2, .team = Liverpool});
    ASSERT_TRUE(table.SelectTable(Europe, 2, FieldCode::Both, 0));
    EXPECT_EQ(table.GetPointAvg(), 0.0) << "points per game of a row without games";
}

TEST_F(DBTableTest, SeasonSideAndStageNarrowTheSums)
{
    AddStandings();
    struct Case {
        const char* what;
        std::function<bool()> select;
        const char* expected;
    };
    const Case cases[] = {
            {"away table of season 2", [&] { return table.SelectTable(League, 2, FieldCode::Away, 0); },
             "Bayern 2 1-1-0 3:2 4; Chelsea 1 1-0-0 2:1 3"},
            {"home table of season 2 in the full select", [&] { return table.SelectTableFull(League, 2, FieldCode::Home); },
             "Dortmund 5 4-0-1 6:5 12; Arsenal 4 3-1-0 5:3 10; Liverpool 6 2-4-0 3:1 10; Chelsea 3 2-1-0 4:1 7; "
             "Bayern 2 2-0-0 5:2 6"},
            {"season 0 sums every season and stage", [&] { return table.SelectTable(League, 0, FieldCode::Both, 0); },
             "Arsenal 10 9-1-0 15:3 28; Liverpool 7 3-4-0 5:1 13; Dortmund 5 4-0-1 6:5 12; Bayern 4 3-1-0 8:4 10; "
             "Chelsea 4 3-1-0 6:2 10"},
            {"the table stage of season 1", [&] { return table.SelectTable(League, 1, FieldCode::Both, 1); },
             "Arsenal 5 5-0-0 9:0 15"},
            {"the other stages of season 1",
             [&] { return table.SelectTable(League, 1, FieldCode::Both, TotalsRoundID); }, "Liverpool 1 1-0-0 2:0 3"},
            {"from the season before season 3", [&] { return table.SelectTableSeason(League, 3, FieldCode::Both, true); },
             "Arsenal 5 4-1-0 6:3 13; Dortmund 5 4-0-1 6:5 12; Bayern 4 3-1-0 8:4 10; Chelsea 4 3-1-0 6:2 10; "
             "Liverpool 6 2-4-0 3:1 10"},
            {"one team from the season before",
             [&] { return table.UpdateStatsTeamSeason(Arsenal, League, 3, FieldCode::Both, true); },
             "Arsenal 5 4-1-0 6:3 13"},
            {"one team in one season", [&] { return table.UpdateStatsTeamSeason(Arsenal, League, 3, 0, false); },
             "Arsenal 1 1-0-0 1:0 3"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.select()) << c.what;
        EXPECT_EQ(Standings(), c.expected) << c.what;
    }
}

TEST_F(DBTableTest, SeasonSumsOfATeamAndOfATournamentComeNewestFirst)
{
    AddStandings();
    ASSERT_TRUE(table.SelectTeamSeasons(Arsenal, FieldCode::Both, ChampTypeID::League));
    EXPECT_EQ(Column([&] { return table.GetSeasonName() + " " + table.GetChampName() + " " +
                                  std::to_string(table.GetGame()); }),
              "2024/2025 Premier League 1; 2023/2024 Premier League 4; 2022/2023 Premier League 5");
    ASSERT_TRUE(table.SelectTeamSeasons(Arsenal, FieldCode::Both, ChampTypeID::Cup));
    EXPECT_EQ(Column([&] { return table.GetSeasonName() + " " + std::to_string(table.GetLose()); }), "2024/2025 1");
    ASSERT_TRUE(table.SelectTeamSeasons(Chelsea, FieldCode::Away, ChampTypeID::League));
    EXPECT_EQ(Column([&] { return std::to_string(table.GetGame()); }), "1");

    // Only home rows: each match once.
    ASSERT_TRUE(table.SelectChampSeasons(League));
    EXPECT_EQ(Column([&] { return table.GetSeasonName() + " " + std::to_string(table.GetGame()); }),
              "2024/2025 1; 2023/2024 20; 2022/2023 6");
}

TEST_F(DBTableTest, FavouriteTournamentsSortByTheirSharesAsFractions)
{
    // Home rows of season 2; the cup is no favourite, away rows and season 1 do not count.
    AddStats({.champ = League, .season = 2, .team = Arsenal, .win = 6, .draw = 1, .lose = 3, .gol1 = 17, .gol2 = 9,
              .under = 6, .over = 4});
    AddStats({.champ = Europe, .season = 2, .team = Bayern, .win = 2, .draw = 2, .lose = 1, .gol1 = 9, .gol2 = 6,
              .under = 2, .over = 3});
    AddStats({.champ = Europe, .season = 2, .team = Bayern, .field = FieldCode::Away, .lose = 5, .gol2 = 40});
    AddStats({.champ = Europe, .season = 1, .team = Bayern, .win = 9, .gol1 = 90});
    AddStats({.champ = Cup, .season = 2, .team = Chelsea, .win = 9, .gol1 = 90});
    // By share: wins .6/.4, draws .1/.4, losses .3/.2, over .4/.6, under .6/.4, home
    // goals 1.7/1.8 (equal as whole numbers), away goals .9/1.2; 8 by sort name.
    const char* const expected[] = {"", "10; 30", "30; 10", "10; 30", "30; 10", "10; 30", "30; 10", "30; 10", "10; 30"};
    for (int mode = 1; mode <= 8; ++mode) {
        ASSERT_TRUE(table.SelectChampsStats(2, mode));
        EXPECT_EQ(Column([&] { return std::to_string(table.GetChampID()); }), std::string(expected[mode]))
                << "sort mode " << mode;
    }
    ASSERT_TRUE(table.SelectChampsStats(2, 9));
    EXPECT_EQ(table.Count(), 2) << "any other mode leaves the rows unordered";
    ASSERT_TRUE(table.SelectChampsStats(0, 8));
    EXPECT_EQ(Column([&] { return table.GetNationalID() + ". " + table.GetChampName() + " " +
                                  std::to_string(table.GetGame()); }),
              "ENG. Premier League 10; EUR. Champions League 14");
}

}  // namespace
