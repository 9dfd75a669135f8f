#include "data/dbseason.h"

#include <gtest/gtest.h>

#include "data/dbround.h"
#include "datafolderfixture.h"

namespace {

class DBSeasonTest : public DataFolderFixture {
protected:
    void AddSeasons()
    {
        Exec("INSERT INTO Season VALUES(1, '2022/2023', 2022)");
        Exec("INSERT INTO Season VALUES(2, '2024/2025', 2024)");
        Exec("INSERT INTO Season VALUES(3, '2023/2024', 2023)");
    }

    void AddStats(int champ, int season, int team, int round)
    {
        Exec("INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game) VALUES(" + std::to_string(champ) + "," +
             std::to_string(season) + "," + std::to_string(team) + "," + std::to_string(round) + ",1,1)");
    }
};

}  // namespace

TEST_F(DBSeasonTest, ListsNewestFirstAndSeasonZeroOnlyWhenAsked)
{
    Exec("INSERT INTO Season VALUES(0, '', 0)");
    DBSeason seasons;
    ASSERT_TRUE(seasons.OpenList(false));
    EXPECT_EQ(seasons.Count(), 0);
    EXPECT_EQ(DBSeason::GetMaxSeasonID(), 0);

    AddSeasons();
    ASSERT_TRUE(seasons.OpenList(false));
    EXPECT_EQ(ItemTexts(seasons), "2024/2025; 2023/2024; 2022/2023");
    ASSERT_TRUE(seasons.OpenList(true));
    EXPECT_EQ(seasons.Count(), 4);
    ASSERT_TRUE(seasons.OpenByID(3));
    EXPECT_EQ(seasons.GetName(), "2023/2024");
    EXPECT_EQ(seasons.GetSeasonID(), 3);
}

TEST_F(DBSeasonTest, LatestSeasonsComeFromTheStatistics)
{
    AddSeasons();
    AddStats(10, 1, 5, 1);
    AddStats(10, 3, 5, 1);
    AddStats(20, 2, 6, 7);
    EXPECT_EQ(DBSeason::GetMaxSeasonID(), 3);
    EXPECT_EQ(DBSeason::GetLastSeasonOfTeam(5), 3);
    EXPECT_EQ(DBSeason::GetLastSeasonOfTeam(99), 0) << "a team without statistics";
    EXPECT_EQ(DBSeason::GetLastSeasonOfTeamChamp(5, 20), 0);
    EXPECT_EQ(DBSeason::GetLastSeasonOfTeamChamp(6, 20), 2);
    EXPECT_EQ(DBSeason::GetLastSeasonOfChamp(10), 3);
}

TEST_F(DBSeasonTest, TableRoundsOfATournamentSeasonInDisplayOrder)
{
    Exec("INSERT INTO Round VALUES(1, 'Regular season', True, 1)");
    Exec("INSERT INTO Round VALUES(2, 'Championship round', True, 2)");
    Exec("INSERT INTO Round VALUES(3, 'Relegation round', True, 3)");
    Exec("INSERT INTO Round VALUES(8, 'Final', False, 0)");
    AddStats(10, 1, 5, 2);
    AddStats(10, 1, 6, 1);
    AddStats(10, 1, 6, 7);
    AddStats(10, 2, 6, 3);
    DBRound rounds;
    ASSERT_TRUE(rounds.OpenTableRounds(10, 1));
    ASSERT_EQ(rounds.Count(), 2);
    EXPECT_EQ(rounds.GetName(), "Regular season");
    rounds.GetQuery()->Next();
    EXPECT_EQ(rounds.GetName(), "Championship round");
    ASSERT_TRUE(rounds.OpenTableRounds(10, 5));
    EXPECT_EQ(rounds.Count(), 0);
}
