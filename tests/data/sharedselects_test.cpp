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

TEST_F(SharedSelectsTest, EachSelectGivesTheRowsItsReadersExpect)
{
    const std::string league = "WHERE Stats.ChampID=10 AND Stats.SeasonID=2 GROUP BY Team.Name, Team.TeamID "
                               "ORDER BY Sum(Stats.Point) DESC";
    const struct {
        std::string sql;
        std::vector<std::string> columns;
        Expected rows;
    } cases[] = {
            {SqlFilterSelect, {"FilterID", "Cur", "Mode", "Team", "TeamRival", "SeasonName", "TotalEq"},
             {"1|True|1|Arsenal||2023/2024|!", "2|True|3|Arsenal|Chelsea||!"}},
            {"SELECT " + SqlFixedColumns + "F.FixedIND IN (1,3,8) ORDER BY F.Date DESC",
             {"Date1", "Team1", "Team2", "Gol1", "Gol2", "AET", "Round", "Champ", "Season", "Kef1"},
             {"10.11.2023|Liverpool|Arsenal|2|1|True|Final|FA Cup|2023/2024|0",
              "10.10.2022|Chelsea|Arsenal|0|3|False|Matchday|Premier League|2022/2023|",
              "10.08.2022|Arsenal|Chelsea|3|1|False|Matchday|Premier League|2022/2023|1.5"}},
            {"SELECT TOP 1 " + SqlFixedColumns + "F.ChampID=10 ORDER BY F.Date DESC", {"Team1"}, {"Chelsea"}},
            {SqlCalendarOddsSelect + "WHERE C.ChampID=10",
             {"Date1", "Team1", "Team2", "Champ", "KefUn", "KefOv", "FixTime", "AHandi", "AKef2"},
             {"20.12.2026|Arsenal|Chelsea|Premier League|1.8|2|1930|-0.5|1.95"}},
            {SqlCalendarSelect + "C.ChampID=10 ORDER BY C.Date", {"Team2", "Round", "Tur"}, {"Chelsea|Matchday|3"}},
            {"SELECT " + SqlFavFixedColumns + "AND Fixed.ChampID=20 ORDER BY Fixed.Date",
             {"IsTeam1Fav", "IsTeam2Fav", "Team2"},
             {"0|-1|Chelsea", "0|-1|Liverpool", "-1|0|Arsenal"}},
            {SqlFavCalendarSelect, {"Team1", "IsTeam1Fav"}, {"Arsenal|0"}},
            {SqlTableSelect + league, {"Team", "Game", "Win", "Draw", "Lose", "Gol1", "Gol2", "Point"},
             {"Arsenal|2|1|1|0|2|1|4", "Chelsea|2|0|1|1|1|2|1"}},
            {SqlTableFullSelect + league, {"Team", "Under", "Over", "NoMiss", "Plus"},
             {"Arsenal|1|1|1|2", "Chelsea|1|1|1|2"}},
            {SqlTableSeasonChampSelect +
                     "WHERE Stats.TeamID=17 GROUP BY Team.Name,Team.TeamID,Season.Name,Champ.Name ORDER BY Champ.Name",
             {"ChampName", "SeasonName", "Game"},
             {"FA Cup|2022/2023|1", "Premier League|2023/2024|2"}},
            {SqlRankingSelect + "GROUP BY Team.Name, Team.TeamID ORDER BY Team.Name", {"Team", "Rang"},
             {"Arsenal|1.833", "Chelsea|0.5"}},
            {SqlStatsBySeasonSelect + "WHERE Stats.TeamID=17 GROUP BY Stats.SeasonID, Season.Name ORDER BY Stats.SeasonID",
             {"SeasonName", "Game", "Win"},
             {"2022/2023|1|1", "2023/2024|2|1"}},
            {SqlStatsByChampSelect +
                     "WHERE Stats.Field=1 GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name ORDER BY Stats.ChampID",
             {"ChampName", "NationalID", "Game"},
             {"Premier League|ENG|2", "FA Cup|ENG|1"}},
            {"SELECT " + SqlTeamResultsColumns + "TeamResults.TeamID=17 ORDER BY TeamResults.Date DESC",
             {"Date1", "TeamName", "Field", "RivalID", "Gol1", "Gol2"},
             {"10.12.2023|Arsenal|2|19|0|0", "10.10.2023|Arsenal|1|18|2|1"}},
            {SqlChampSelect + "WHERE Champ.ChampID>0 ORDER BY Champ.SortName",
             {"ChampID", "ChampNat", "ChampName", "ChampType", "NationalName"},
             {"10|England|Premier League|League|England", "20|England|FA Cup|Cup|England",
              "30|Europe|Champions League|International|Europe"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(c.sql, c.columns), c.rows) << c.sql;
}

// The select texts as the program quotes them, blank for blank: callers append their
// clauses directly, and the double blanks of two texts stay.
TEST(SharedTextsTest, SelectTextsStandExactlyAsQuoted)
{
    const struct {
        const char* name;
        const AnsiString& text;
        const char* quoted;
    } texts[] = {
            {"SqlFilterSelect", SqlFilterSelect,
             "SELECT F.FilterID AS FilterID, F.Cur AS Cur, F.Row AS Row, F.Mode AS Mode, F.TeamID AS TeamID, "
             "F.TeamRivalID AS TeamRivalID, F.ChampID AS ChampID, F.Field AS Field, F.IsChamp AS IsChamp, F.IsCup AS "
             "IsCup, F.IsEuro AS IsEuro, F.IsFriend AS IsFriend, F.IsWin AS IsWin, F.IsDraw AS IsDraw, F.IsLose AS "
             "IsLose, F.SeasonWith AS SeasonWith, S.Name AS SeasonName, F.ScoreEq AS ScoreEq, F.ScoreCount AS "
             "ScoreCount, F.MissEq AS MissEq, F.MissCount AS MissCount, F.TotalEq AS TotalEq, F.TotalCount AS "
             "TotalCount, T1.Name AS Team, T2.Name AS TeamRival, T1.NationalID AS TeamNat, T2.NationalID AS "
             "TeamRivalNat, C.Name AS ChampName, C.NationalID AS ChampNat, C.TypeID AS ChampTypeID FROM ((((Filter AS "
             "F LEFT JOIN Season AS S ON S.SeasonID = F.SeasonWith) LEFT JOIN Team AS T1 ON F.TeamID = T1.TeamID) "
             "LEFT JOIN Champ AS C ON F.ChampID = C.ChampID) LEFT JOIN Team AS T2 ON T2.TeamID = F.TeamRivalID) ORDER "
             "BY FilterID"},
            {"SqlFixedColumns", SqlFixedColumns,
             "F.Date AS Date1, T1.Name AS Team1, T2.Name AS Team2, F.Gol1 AS Gol1, F.Gol2 AS Gol2, F.Tur AS Tur, "
             "F.AET AS AET, R.Name AS Round, R.RoundID AS RoundID, C.Name AS Champ, S.Name AS Season, F.Team1ID AS "
             "Team1ID, F.Team2ID AS Team2ID, C.TypeID AS TypeID, C.ChampID AS ChampID, T1.NationalID AS Team1Nat, "
             "T2.NationalID AS Team2Nat, C.NationalID AS ChampNat, F.SeasonID AS SeasonID, F.Kef1 AS Kef1, F.KefX AS "
             "KefX, F.Kef2 AS Kef2 FROM (((((Fixed AS F LEFT JOIN Season AS S ON F.SeasonID = S.SeasonID) LEFT JOIN "
             "Team AS T1 ON T1.TeamID = F.Team1ID) LEFT JOIN Team AS T2 ON T2.TeamID = F.Team2ID) LEFT JOIN Champ AS "
             "C ON C.ChampID = F.ChampID) LEFT JOIN Round AS R ON R.RoundID = F.RoundID) WHERE "},
            {"SqlCalendarOddsSelect", SqlCalendarOddsSelect,
             "SELECT C.Date AS Date1, T1.Name AS Team1,  C.Team1ID AS Team1ID, T2.Name AS Team2, C.Team2ID AS "
             "Team2ID, C.Tur AS Tur, R.Name AS Round, CH.Name AS Champ, C.RoundID AS RoundID,  CH.NationalID AS "
             "ChampNat, C.Kef1 AS Kef1, C.KefX AS KefX, C.Kef2 AS Kef2, C.Un25 AS KefUn, C.Ov25 AS KefOv, C.FixTime "
             "AS FixTime, C.Gol1 AS Gol1, C.Gol2 AS Gol2, C.AsianHandicap AS AHandi, C.AsianKef1 AS AKef1, "
             "C.AsianKef2 AS AKef2 FROM ((((Calendar AS C INNER JOIN Champ AS CH ON C.ChampID = CH.ChampID) LEFT JOIN "
             "Round AS R ON C.RoundID = R.RoundID) INNER JOIN Team AS T1 ON T1.TeamID = C.Team1ID) INNER JOIN Team AS "
             "T2 ON T2.TeamID = C.Team2ID) "},
            {"SqlCalendarSelect", SqlCalendarSelect,
             "SELECT C.Date AS Date1, C.Team1ID AS Team1ID, T1.Name AS Team1, C.Team2ID AS Team2ID, T2.Name AS Team2, "
             "C.ChampID AS ChampID, C.Tur AS Tur, R.Name AS Round, R.RoundID AS RoundID, C.FixTime AS FixTime FROM "
             "(((Calendar AS C LEFT JOIN Team AS T1 ON T1.TeamID = C.Team1ID) LEFT JOIN Team AS T2 ON T2.TeamID = "
             "C.Team2ID) LEFT JOIN Round AS R ON R.RoundID = C.RoundID) WHERE "},
            {"SqlFavFixedColumns", SqlFavFixedColumns,
             "IsNull(TeamFav.TeamID) AS IsTeam1Fav, IsNull(TeamFav_1.TeamID) AS IsTeam2Fav, Fixed.Date AS Date1, "
             "Team.Name AS Team1, Team_1.Name AS Team2, Fixed.Gol1 AS Gol1, Fixed.Gol2 AS Gol2, Fixed.Tur AS Tur, "
             "Fixed.AET AS AET, Round.Name AS Round, Champ.Name AS Champ, Fixed.Team1ID AS Team1ID, Fixed.Team2ID AS "
             "Team2ID, Champ.TypeID AS TypeID, Champ.ChampID AS ChampID, Team.NationalID AS Team1Nat, "
             "Team_1.NationalID AS Team2Nat, Champ.NationalID AS ChampNat, Fixed.SeasonID AS SeasonID FROM TeamFav AS "
             "TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN (Team AS Team_1 INNER JOIN (Champ INNER JOIN (Round INNER JOIN "
             "(Team INNER JOIN Fixed ON Team.TeamID = Fixed.Team1ID) ON Round.RoundID = Fixed.RoundID) ON "
             "Champ.ChampID = Fixed.ChampID) ON Team_1.TeamID = Fixed.Team2ID) ON TeamFav.TeamID = Fixed.Team1ID) ON "
             "TeamFav_1.TeamID = Fixed.Team2ID WHERE (Fixed.Team1ID In (SELECT TeamID FROM TeamFav) OR Fixed.Team2ID "
             "In (SELECT TeamID FROM TeamFav)) "},
            {"SqlFavCalendarSelect", SqlFavCalendarSelect,
             "SELECT Calendar.Date AS Date1, Team.Name AS Team1, Calendar.Team1ID AS Team1ID, Team_1.Name AS Team2, "
             "Calendar.Team2ID AS Team2ID, IsNull(TeamFav.TeamID) AS IsTeam1Fav, IsNull(TeamFav_1.TeamID) AS "
             "IsTeam2Fav, Calendar.Tur AS Tur, Round.Name AS Round, Champ.Name AS Champ, Calendar.RoundID AS RoundID, "
             "Champ.NationalID AS ChampNat  FROM ((((Champ INNER JOIN (Calendar INNER JOIN Round ON Calendar.RoundID "
             "= Round.RoundID) ON Champ.ChampID = Calendar.ChampID) LEFT JOIN Team AS Team_1 ON Calendar.Team2ID = "
             "Team_1.TeamID) LEFT JOIN Team ON Calendar.Team1ID = Team.TeamID) LEFT JOIN TeamFav ON Calendar.Team1ID "
             "= TeamFav.TeamID) LEFT JOIN TeamFav AS TeamFav_1 ON Calendar.Team2ID = TeamFav_1.TeamID "},
            {"SqlRankingSelect", SqlRankingSelect,
             "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Point) AS Point, "
             "Round(Sum(Stats.Point*Champ.Koef)/Sum(Stats.Game),3) AS Rang FROM ((Stats INNER JOIN Champ ON "
             "Stats.ChampID = Champ.ChampID) INNER JOIN Season ON Stats.SeasonID = Season.SeasonID) INNER JOIN Team "
             "ON Stats.TeamID = Team.TeamID "},
            {"SqlTableSelect", SqlTableSelect,
             "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, "
             "Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS Gol2, "
             "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.Point) AS Point FROM ((Stats INNER JOIN "
             "Team ON Stats.TeamID = Team.TeamID) INNER JOIN Champ ON Stats.ChampID = Champ.ChampID) INNER JOIN "
             "Season ON Stats.SeasonID = Season.SeasonID "},
            {"SqlTableFullSelect", SqlTableFullSelect,
             "SELECT Team.Name AS Team, Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, "
             "Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, "
             "Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS ByMiss, Sum(Stats.NoScore) AS NoScore, "
             "Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS "
             "Gol1, Sum(Stats.Gol2) AS Gol2, Sum(Stats.Point) AS Point FROM ((Stats INNER JOIN Team ON Stats.TeamID = "
             "Team.TeamID) INNER JOIN Champ ON Stats.ChampID = Champ.ChampID) INNER JOIN Season ON Stats.SeasonID = "
             "Season.SeasonID "},
            {"SqlTableSeasonChampSelect", SqlTableSeasonChampSelect,
             "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Season.Name AS SeasonName, Champ.Name AS ChampName, "
             "Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, "
             "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS "
             "ByMiss, Sum(Stats.NoScore) AS NoScore, Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, "
             "Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS Gol2 FROM ((Stats INNER JOIN Team "
             "ON Stats.TeamID = Team.TeamID) INNER JOIN Champ ON Stats.ChampID = Champ.ChampID) INNER JOIN Season ON "
             "Stats.SeasonID = Season.SeasonID "},
            {"SqlStatsBySeasonSelect", SqlStatsBySeasonSelect,
             "SELECT Stats.SeasonID AS SeasonID, Season.Name AS SeasonName, Sum(Stats.Game) AS Game, Sum(Stats.Win) "
             "AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Under) AS Under, Sum(Stats.Over) AS "
             "Over, Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS ByMiss, Sum(Stats.NoScore) AS NoScore, "
             "Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS "
             "Gol1, Sum(Stats.Gol2) AS Gol2 FROM Stats INNER JOIN Season ON Stats.SeasonID = Season.SeasonID "},
            {"SqlStatsByChampSelect", SqlStatsByChampSelect,
             "SELECT Stats.ChampID AS ChampID, Champ.Name AS ChampName, Champ.NationalID AS NationalID, "
             "Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, "
             "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS "
             "ByMiss, Sum(Stats.NoScore) AS NoScore, Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, "
             "Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS Gol2 FROM Stats INNER JOIN Champ "
             "ON Stats.ChampID = Champ.ChampID "},
            {"SqlTeamResultsColumns", SqlTeamResultsColumns,
             "TeamResults.Date AS Date1, Team.TeamID AS TeamID, Team.Name AS TeamName, TeamResults.Field AS Field, "
             "TeamResults.RivalID AS RivalID, TeamResults.Gol1 AS Gol1, TeamResults.Gol2 AS Gol2 FROM Team INNER JOIN "
             "TeamResults ON Team.TeamID = TeamResults.TeamID WHERE "},
            {"SqlChampSelect", SqlChampSelect,
             "SELECT Champ.ChampID AS ChampID, National.Name AS ChampNat, Champ.Name AS ChampName, Champ.NationalID "
             "AS NationalID, ChampType.Name AS ChampType, Champ.TypeID AS TypeID, National.Name AS NationalName FROM "
             "ChampType INNER JOIN ([National] INNER JOIN Champ ON National.NationalID = Champ.NationalID) ON "
             "ChampType.TypeID = Champ.TypeID "},
    };
    for (const auto& [name, text, quoted] : texts)
        EXPECT_EQ(text, quoted) << name;
}
