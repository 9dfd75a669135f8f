#include "data/dbseason.h"

#include <gtest/gtest.h>

#include "data/codes.h"
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
    // The display order is not the order of the ids: the championship round comes first.
    Exec("INSERT INTO Round VALUES(1, 'Regular season', True, 2)");
    Exec("INSERT INTO Round VALUES(2, 'Championship round', True, 1)");
    Exec("INSERT INTO Round VALUES(3, 'Relegation round', True, 3)");
    Exec("INSERT INTO Round VALUES(8, 'Final', False, 0)");
    // A knock-out stage whose id is that of the totals round, as the sample has it.
    Exec("INSERT INTO Round VALUES(" + std::to_string(TotalsRoundID) + ", 'Semi-final', False, 0)");
    AddStats(10, 1, 5, 1);
    AddStats(10, 1, 6, 2);
    AddStats(10, 1, 6, TotalsRoundID);
    AddStats(10, 2, 6, 3);
    // A cup season: its knock-out matches are summed under the totals round only.
    AddStats(20, 1, 6, TotalsRoundID);
    DBRound rounds;
    const auto names = [&rounds] {
        std::string names;
        for (rounds.GetQuery()->First(); !rounds.GetQuery()->Eof(); rounds.GetQuery()->Next())
            names += (names.empty() ? "" : "; ") + rounds.GetName();
        return names;
    };
    ASSERT_TRUE(rounds.OpenTableRounds(10, 1));
    EXPECT_EQ(names(), "Championship round; Regular season");
    ASSERT_TRUE(rounds.OpenTableRounds(20, 1));
    EXPECT_EQ(rounds.Count(), 0);
    ASSERT_TRUE(rounds.OpenTableRounds(10, 5));
    EXPECT_EQ(rounds.Count(), 0);
}
