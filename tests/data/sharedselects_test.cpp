// The shared select texts, completed as the data classes complete them, run on the
// real schema with a small data set and give the rows a reader expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/constants.h"
#include "data/dbase.h"
#include "matchdatafixture.h"
#include "platform/adofield.h"

namespace {

class SharedSelectsTest : public MatchDataFixture {
protected:
    SharedSelectsTest()
    {
        AddEntry(1, true, 1, Arsenal, 0, 0, 2);
        AddEntry(2, true, 3, Arsenal, Chelsea, 0, 0);
        for (const char* sql : {
                 "UPDATE Champ SET Koef=0.5 WHERE ChampID=20",
                 "INSERT INTO Calendar VALUES(#12/20/2026#, 17, 18, 1, 3, 10, '1930', 1.9, 3.4, 4.0, 1.8, 2.0, '-0.5', "
                 "1.9, 1.95, 0, 0)",
                 "INSERT INTO TeamFav VALUES(17)",
                 "INSERT INTO Stats VALUES(10, 2, 17, 1, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 17, 1, 2, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 18, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 18, 1, 2, 1, 0, 0, 1, 1, 2, 0, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(20, 1, 17, 7, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO TeamResults VALUES(#10/10/2023#, 17, 1, 10, 2, 18, 2, 1, 4)",
                 "INSERT INTO TeamResults VALUES(#12/10/2023#, 17, 2, 10, 2, 19, 0, 0, 5)",
             })
            Exec(sql);
    }

    // Each row as its columns' texts joined by "|".
    std::vector<std::string> Rows(const std::string& sql, const std::vector<std::string>& columns)
    {
        DBase data;
        EXPECT_TRUE(data.Select(sql)) << sql;
        std::vector<std::string> rows;
        for (data.GetQuery()->First(); !data.GetQuery()->Eof(); data.GetQuery()->Next()) {
            std::string row;
            for (const std::string& column : columns)
                row += (row.empty() ? "" : "|") + data.GetQuery()->FieldByName(column)->AsString();
            rows.push_back(row);
        }
        return rows;
    }
};

using Expected = std::vector<std::string>;

}  // namespace

TEST_F(SharedSelectsTest, HistoryWithTheNamesOfItsTeamsAndSeason)
{
    EXPECT_EQ(Rows(SqlFilterSelect, {"FilterID", "Cur", "Mode", "Team", "TeamRival", "SeasonName", "TotalEq"}),
              (Expected{"1|True|1|Arsenal||2023/2024|!", "2|True|3|Arsenal|Chelsea||!"}));
}

TEST_F(SharedSelectsTest, PlayedMatchesOfATeam)
{
    EXPECT_EQ(Rows("SELECT " + SqlFixedColumns + "F.FixedIND IN (1,3,8) ORDER BY F.Date DESC",
                   {"Date1", "Team1", "Team2", "Gol1", "Gol2", "AET", "Round", "Champ", "Season", "Kef1"}),
              (Expected{"10.11.2023|Liverpool|Arsenal|2|1|True|Final|FA Cup|2023/2024|0",
                        "10.10.2022|Chelsea|Arsenal|0|3|False|Matchday|Premier League|2022/2023|",
                        "10.08.2022|Arsenal|Chelsea|3|1|False|Matchday|Premier League|2022/2023|1.5"}));
    EXPECT_EQ(Rows("SELECT TOP 1 " + SqlFixedColumns + "F.ChampID=10 ORDER BY F.Date DESC", {"Team1"}),
              (Expected{"Chelsea"}));
}

TEST_F(SharedSelectsTest, ComingMatchesWithAndWithoutOdds)
{
    EXPECT_EQ(Rows(SqlCalendarOddsSelect + "WHERE C.ChampID=10",
                   {"Date1", "Team1", "Team2", "Champ", "KefUn", "KefOv", "FixTime", "AHandi", "AKef2"}),
              (Expected{"20.12.2026|Arsenal|Chelsea|Premier League|1.8|2|1930|-0.5|1.95"}));
    EXPECT_EQ(Rows(SqlCalendarSelect + "C.ChampID=10 ORDER BY C.Date", {"Team2", "Round", "Tur"}),
              (Expected{"Chelsea|Matchday|3"}));
}

TEST_F(SharedSelectsTest, FavouriteTeamTexts)
{
    EXPECT_EQ(Rows("SELECT " + SqlFavFixedColumns + "AND Fixed.ChampID=20 ORDER BY Fixed.Date",
                   {"IsTeam1Fav", "IsTeam2Fav", "Team2"}),
              (Expected{"0|-1|Chelsea", "0|-1|Liverpool", "-1|0|Arsenal"}));
    EXPECT_EQ(Rows(SqlFavCalendarSelect, {"Team1", "IsTeam1Fav"}), (Expected{"Arsenal|0"}));
}

TEST_F(SharedSelectsTest, StandingsSums)
{
    const std::string league = "WHERE Stats.ChampID=10 AND Stats.SeasonID=2 GROUP BY Team.Name, Team.TeamID "
                               "ORDER BY Sum(Stats.Point) DESC";
    EXPECT_EQ(Rows(SqlTableSelect + league, {"Team", "Game", "Win", "Draw", "Lose", "Gol1", "Gol2", "Point"}),
              (Expected{"Arsenal|2|1|1|0|2|1|4", "Chelsea|2|0|1|1|1|2|1"}));
    EXPECT_EQ(Rows(SqlTableFullSelect + league, {"Team", "Under", "Over", "NoMiss", "Plus"}),
              (Expected{"Arsenal|1|1|1|2", "Chelsea|1|1|1|2"}));
    EXPECT_EQ(Rows(SqlTableSeasonChampSelect +
                       "WHERE Stats.TeamID=17 GROUP BY Team.Name,Team.TeamID,Season.Name,Champ.Name ORDER BY Champ.Name",
                   {"ChampName", "SeasonName", "Game"}),
              (Expected{"FA Cup|2022/2023|1", "Premier League|2023/2024|2"}));
    EXPECT_EQ(Rows(SqlRankingSelect + "GROUP BY Team.Name, Team.TeamID ORDER BY Team.Name", {"Team", "Rang"}),
              (Expected{"Arsenal|1.833", "Chelsea|0.5"}));
}

TEST_F(SharedSelectsTest, StatisticsBySeasonAndByTournament)
{
    EXPECT_EQ(Rows(SqlStatsBySeasonSelect + "WHERE Stats.TeamID=17 GROUP BY Stats.SeasonID, Season.Name "
                                            "ORDER BY Stats.SeasonID",
                   {"SeasonName", "Game", "Win"}),
              (Expected{"2022/2023|1|1", "2023/2024|2|1"}));
    EXPECT_EQ(Rows(SqlStatsByChampSelect + "WHERE Stats.Field=1 GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name "
                                           "ORDER BY Stats.ChampID",
                   {"ChampName", "NationalID", "Game"}),
              (Expected{"Premier League|ENG|2", "FA Cup|ENG|1"}));
}

TEST_F(SharedSelectsTest, RecentTeamResultsAndTournaments)
{
    EXPECT_EQ(Rows("SELECT " + SqlTeamResultsColumns + "TeamResults.TeamID=17 ORDER BY TeamResults.Date DESC",
                   {"Date1", "TeamName", "Field", "RivalID", "Gol1", "Gol2"}),
              (Expected{"10.12.2023|Arsenal|2|19|0|0", "10.10.2023|Arsenal|1|18|2|1"}));
    EXPECT_EQ(Rows(SqlChampSelect + "WHERE Champ.ChampID>0 ORDER BY Champ.SortName",
                   {"ChampID", "ChampNat", "ChampName", "ChampType", "NationalName"}),
              (Expected{"10|England|Premier League|League|England", "20|England|FA Cup|Cup|England",
                        "30|Europe|Champions League|International|Europe"}));
}
