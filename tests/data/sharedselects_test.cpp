// The shared select texts, completed as the data classes complete them, run on the
// real schema with a small data set and give the rows a reader expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/constants.h"
#include "data/dbase.h"
#include "datafolderfixture.h"
#include "platform/adofield.h"

namespace {

class SharedSelectsTest : public DataFolderFixture {
protected:
    SharedSelectsTest()
    {
        for (const char* sql : {
                 "INSERT INTO [National] VALUES('ENG', 'England')",
                 "INSERT INTO [National] VALUES('RUS', 'Россия')",
                 "INSERT INTO ChampType VALUES(1, 'League')",
                 "INSERT INTO ChampType VALUES(2, 'Cup')",
                 "INSERT INTO ChampType VALUES(3, 'International')",
                 "INSERT INTO Champ VALUES(0, 'All', 'ENG', 1, -1, '0', 0)",
                 "INSERT INTO Champ VALUES(1, 'Premier League', 'ENG', 1, -1, 'a', 1.0)",
                 "INSERT INTO Champ VALUES(2, 'FA Cup', 'ENG', 2, 0, 'b', 0.5)",
                 "INSERT INTO Season VALUES(0, '', 0)",
                 "INSERT INTO Season VALUES(1, '2023/2024', 2023)",
                 "INSERT INTO Season VALUES(2, '2024/2025', 2024)",
                 "INSERT INTO Round VALUES(1, 'Tour', True, 1)",
                 "INSERT INTO Round VALUES(2, 'Final', False, 0)",
                 "INSERT INTO Team VALUES(1, 'Arsenal', 'ENG')",
                 "INSERT INTO Team VALUES(2, 'Chelsea', 'ENG')",
                 "INSERT INTO Team VALUES(3, 'Спартак', 'RUS')",
                 "INSERT INTO Fixed VALUES(1, #08/10/2024#, 1, 2, 2, 1, 1, False, 1, 1, 2, 1.8, 3.5, 4.2, 1.9, 1.9, "
                 "'-0.5', 1.9, 1.9)",
                 "INSERT INTO Fixed VALUES(2, #08/17/2024#, 2, 1, 0, 0, 2, False, 1, 1, 2, 2.1, 3.2, 3.6, 1.7, 2.1, "
                 "'0', 1.9, 1.9)",
                 "INSERT INTO Fixed VALUES(3, #05/20/2024#, 1, 3, 2, 1, 0, True, 2, 2, 1, 0, 0, 0, 0, 0, '', 0, 0)",
                 "INSERT INTO Calendar VALUES(#12/20/2026#, 1, 2, 1, 3, 1, '1930', 1.9, 3.4, 4.0, 1.8, 2.0, '-0.5', "
                 "1.9, 1.95, 0, 0)",
                 "INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(1,1,2)",
                 "INSERT INTO Filter(FilterID,Mode,TeamID,TeamRivalID,SeasonWith)VALUES(2,3,1,2,0)",
                 "INSERT INTO TeamFav VALUES(1)",
                 "INSERT INTO Stats VALUES(1, 2, 1, 1, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(1, 2, 1, 1, 2, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(1, 2, 2, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(1, 2, 2, 1, 2, 1, 0, 0, 1, 1, 2, 0, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(2, 1, 1, 7, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO TeamResults VALUES(#08/10/2024#, 1, 1, 1, 2, 2, 2, 1, 0)",
                 "INSERT INTO TeamResults VALUES(#08/17/2024#, 1, 2, 1, 2, 2, 0, 0, 0)",
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
              (Expected{"1|True|1|Arsenal||2024/2025|!", "2|True|3|Arsenal|Chelsea||!"}));
}

TEST_F(SharedSelectsTest, PlayedMatchesOfATeam)
{
    EXPECT_EQ(Rows("SELECT " + SqlFixedColumns + "(F.Team1ID=1 OR F.Team2ID=1) ORDER BY F.Date DESC",
                   {"Date1", "Team1", "Team2", "Gol1", "Gol2", "AET", "Round", "Champ", "Season", "Kef1"}),
              (Expected{"17.08.2024|Chelsea|Arsenal|0|0|False|Tour|Premier League|2024/2025|2.1",
                    "10.08.2024|Arsenal|Chelsea|2|1|False|Tour|Premier League|2024/2025|1.8",
                    "20.05.2024|Arsenal|Спартак|2|1|True|Final|FA Cup|2023/2024|0"}));
    EXPECT_EQ(Rows("SELECT TOP 1 " + SqlFixedColumns + "F.ChampID=1 ORDER BY F.Date DESC", {"Team1"}),
              (Expected{"Chelsea"}));
}

TEST_F(SharedSelectsTest, ComingMatchesWithAndWithoutOdds)
{
    EXPECT_EQ(Rows(SqlCalendarOddsSelect + "WHERE C.ChampID=1",
                   {"Date1", "Team1", "Team2", "Champ", "KefUn", "KefOv", "FixTime", "AHandi", "AKef2"}),
              (Expected{"20.12.2026|Arsenal|Chelsea|Premier League|1.8|2|1930|-0.5|1.95"}));
    EXPECT_EQ(Rows(SqlCalendarSelect + "C.ChampID=1 ORDER BY C.Date", {"Team2", "Round", "Tur"}),
              (Expected{"Chelsea|Tour|3"}));
}

TEST_F(SharedSelectsTest, FavouriteTeamTexts)
{
    EXPECT_EQ(Rows("SELECT " + SqlFavFixedColumns + "ORDER BY Fixed.Date", {"IsTeam1Fav", "IsTeam2Fav", "Team2"}),
              (Expected{"0|-1|Спартак", "0|-1|Chelsea", "-1|0|Arsenal"}));
    EXPECT_EQ(Rows(SqlFavCalendarSelect, {"Team1", "IsTeam1Fav"}), (Expected{"Arsenal|0"}));
}

TEST_F(SharedSelectsTest, StandingsSums)
{
    const std::string league = "WHERE Stats.ChampID=1 AND Stats.SeasonID=2 GROUP BY Team.Name, Team.TeamID "
                               "ORDER BY Sum(Stats.Point) DESC";
    EXPECT_EQ(Rows(SqlTableSelect + league, {"Team", "Game", "Win", "Draw", "Lose", "Gol1", "Gol2", "Point"}),
              (Expected{"Arsenal|2|1|1|0|2|1|4", "Chelsea|2|0|1|1|1|2|1"}));
    EXPECT_EQ(Rows(SqlTableFullSelect + league, {"Team", "Under", "Over", "NoMiss", "Plus"}),
              (Expected{"Arsenal|1|1|1|2", "Chelsea|1|1|1|2"}));
    EXPECT_EQ(Rows(SqlTableSeasonChampSelect +
                       "WHERE Stats.TeamID=1 GROUP BY Team.Name,Team.TeamID,Season.Name,Champ.Name ORDER BY Champ.Name",
                   {"ChampName", "SeasonName", "Game"}),
              (Expected{"FA Cup|2023/2024|1", "Premier League|2024/2025|2"}));
    EXPECT_EQ(Rows(SqlRankingSelect + "GROUP BY Team.Name, Team.TeamID ORDER BY Team.Name", {"Team", "Rang"}),
              (Expected{"Arsenal|1.833", "Chelsea|0.5"}));
}

TEST_F(SharedSelectsTest, StatisticsBySeasonAndByTournament)
{
    EXPECT_EQ(Rows(SqlStatsBySeasonSelect + "WHERE Stats.TeamID=1 GROUP BY Stats.SeasonID, Season.Name "
                                            "ORDER BY Stats.SeasonID",
                   {"SeasonName", "Game", "Win"}),
              (Expected{"2023/2024|1|1", "2024/2025|2|1"}));
    EXPECT_EQ(Rows(SqlStatsByChampSelect + "WHERE Stats.Field=1 GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name "
                                           "ORDER BY Stats.ChampID",
                   {"ChampName", "NationalID", "Game"}),
              (Expected{"Premier League|ENG|2", "FA Cup|ENG|1"}));
}

TEST_F(SharedSelectsTest, RecentTeamResultsAndTournaments)
{
    EXPECT_EQ(Rows("SELECT " + SqlTeamResultsColumns + "TeamResults.TeamID=1 ORDER BY TeamResults.Date DESC",
                   {"Date1", "TeamName", "Field", "RivalID", "Gol1", "Gol2"}),
              (Expected{"17.08.2024|Arsenal|2|2|0|0", "10.08.2024|Arsenal|1|2|2|1"}));
    EXPECT_EQ(Rows(SqlChampSelect + "WHERE Champ.ChampID>0 ORDER BY Champ.SortName",
                   {"ChampID", "ChampNat", "ChampName", "ChampType", "NationalName"}),
              (Expected{"1|England|Premier League|League|England", "2|England|FA Cup|Cup|England"}));
}
