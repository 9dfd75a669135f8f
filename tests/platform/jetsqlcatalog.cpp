#include "jetsqlcatalog.h"

#include <algorithm>

#include "data/constants.h"

const std::vector<ProgramSqlText>& SharedSelectStatements()
{
    static const std::vector<ProgramSqlText> texts{
        {"SqlFilterSelect", SqlFilterSelect},
        {"SqlFixedColumns", "SELECT " + SqlFixedColumns + "F.Team1ID=17 ORDER BY F.Date DESC"},
        {"SqlCalendarOddsSelect", SqlCalendarOddsSelect + "WHERE C.ChampID=1 AND C.Date >= Date() ORDER BY C.Date"},
        {"SqlCalendarSelect", SqlCalendarSelect + "C.ChampID=1 AND C.Date = #06/12/2019# ORDER BY C.Date, C.Team1ID, C.Tur"},
        {"SqlFavFixedColumns", "SELECT " + SqlFavFixedColumns},
        {"SqlFavCalendarSelect", SqlFavCalendarSelect},
        {"SqlRankingSelect", SqlRankingSelect + "GROUP BY Team.Name,Team.TeamID"},
        {"SqlTableSelect", SqlTableSelect},
        {"SqlTableFullSelect", SqlTableFullSelect},
        {"SqlTableSeasonChampSelect", SqlTableSeasonChampSelect},
        {"SqlStatsBySeasonSelect", SqlStatsBySeasonSelect},
        {"SqlStatsByChampSelect", SqlStatsByChampSelect},
        {"SqlTeamResultsColumns", "SELECT TOP 30 " + SqlTeamResultsColumns + "Team.TeamID=17 ORDER BY TeamResults.Date DESC"},
        {"SqlChampSelect", SqlChampSelect + "WHERE Champ.ChampID=1"},
    };
    return texts;
}

const std::vector<ProgramSqlText>& ProgramStatements()
{
    const std::string fixed = "SELECT " + SqlFixedColumns;
    const std::string tableOrder =
        "GROUP BY Team.Name,Team.TeamID ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , "
        "Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;";
    const std::string statsInsert =
        "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game,Win,Draw,Lose,Gol1,Gol2,Point,Under,Over,"
        "ByScore,ByMiss,NoScore,NoMiss,MinusF,PlusF) ";
    const std::string squad =
        "SELECT Players.PlayerID AS PlayerID, Players.Name AS PlayerName, National.Name AS NationalName, "
        "Players.Born AS Born, Players.Height AS Height, Players.Skills AS Skills, PlayerPos.Name AS PosName, "
        "PlayerFlang.Name AS FlangName, PlayerPos.PosID AS PosID, PlayerFlang.FlangID AS FlangID, Players.NationalID "
        "AS NationalID FROM (PlayerPos INNER JOIN (PlayerFlang INNER JOIN ([National] INNER JOIN Players ON "
        "National.NationalID = Players.NationalID) ON PlayerFlang.FlangID = Players.FlangID) ON PlayerPos.PosID = "
        "Players.PosID) INNER JOIN PlayersSquad ON Players.PlayerID = PlayersSquad.PlayerID ";
    static const std::vector<ProgramSqlText> texts{
        {"version", "SELECT * FROM Version"},
        {"maximum", "SELECT MAX(SeasonID) AS Maximum FROM Stats WHERE TeamID=17 AND ChampID=1"},
        {"form setting", "SELECT * FROM FormSetting WHERE FormName='DlgMain'"},
        {"form data", "SELECT * FROM FormData WHERE FormName='DlgToday' ORDER BY ControlIndex"},
        {"form data update", "UPDATE FormData SET [Value]='Premier League' WHERE FormName='DlgToday' AND "
         "ControlIndex=0"},
        {"seasons", "SELECT * FROM Season WHERE SeasonID>0 ORDER BY NameYear DESC"},
        {"season", "SELECT * FROM Season WHERE SeasonID=3"},
        {"table rounds", "SELECT * FROM Round WHERE RoundID IN (SELECT RoundID FROM Stats WHERE Stats.ChampID=1 AND "
         "Stats.SeasonID=3) AND Round.IsTable=true ORDER BY OrderNumber"},
        {"history renumber", "UPDATE Filter SET FilterID=1 WHERE FilterID=7"},
        {"history erase", "DELETE * FROM Filter WHERE Cur<>true"},
        {"history first", "UPDATE Filter SET FilterID=1 WHERE Cur=true"},
        {"history minimum", "SELECT MIN(FilterID) AS Minimum FROM Filter"},
        {"history row", "UPDATE Filter SET Row=3 WHERE FilterID=2"},
        {"history flag", "UPDATE Filter SET IsWin=False WHERE FilterID=2"},
        {"history relation", "UPDATE Filter SET ScoreEq='>' WHERE FilterID=2"},
        {"history count", "UPDATE Filter SET TotalCount=2.5 WHERE FilterID=2"},
        {"history back", "UPDATE Filter SET Cur=false, Row=4 WHERE FilterID=2"},
        {"history current", "UPDATE Filter SET Cur=true WHERE FilterID=1"},
        {"history cut", "DELETE * FROM Filter WHERE FilterID>2"},
        {"history team", "INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(3,17,0)"},
        {"history pair", "INSERT INTO Filter(FilterID,Mode,TeamID,TeamRivalID,SeasonWith)VALUES(4,3,17,18,0)"},
        {"history champ", "INSERT INTO Filter(FilterID,Mode,ChampID,SeasonWith)VALUES(5,2,1,3)"},
        {"last matches", "SELECT TOP 10 " + SqlFixedColumns + "(F.Team1ID=17 OR F.Team2ID=17) AND C.TypeID IN (1,2) "
         "ORDER BY F.Date DESC"},
        {"series matches", fixed + "F.Team2ID=17 AND F.SeasonID>=2 ORDER BY F.Date DESC"},
        {"head to head", fixed + "((F.Team1ID=17 AND F.Team2ID=18) OR (F.Team2ID=17 AND F.Team1ID=18)) ORDER BY F.Date "
         "DESC;"},
        {"recent favourites", "SELECT TOP 500 " + SqlFixedColumns + "F.Date>=Date()-7 AND C.Fav=true AND F.ChampID=1 "
         "ORDER BY F.Date DESC, C.SortName, F.Team1ID;"},
        {"calendar by team", SqlCalendarOddsSelect + "WHERE (C.Team1ID=17 OR C.Team2ID=17) AND C.Date >= Date() ORDER "
         "BY C.Date"},
        {"calendar by date", SqlCalendarOddsSelect + "WHERE C.Date = #06/12/2019# ORDER BY C.Date, C.FixTime, "
         "C.Team1ID"},
        {"team view", fixed + "(F.Team1ID=17 AND F.Gol1>F.Gol2) AND (F.Gol1+F.Gol2>2.5)AND TypeID IN (1,2)  ORDER BY "
         "F.Date DESC;"},
        {"team view both sides", fixed + "((F.Team1ID=17 AND F.Gol1>=F.Gol2) OR (F.Team2ID=17 AND F.Gol2>=F.Gol1)) AND "
         "((F.Team1ID=17 AND F.Gol2<1.5) OR (F.Team2ID=17 AND F.Gol1<1.5))AND F.SeasonID=3  ORDER BY F.Date DESC;"},
        {"tournament view", fixed + "F.SeasonID=3 AND F.ChampID=1 ORDER BY F.Date DESC, F.Team1ID;"},
        {"pair view", fixed + "(F.Team1ID=18 AND F.Team2ID=17) AND TypeID IN (1) ORDER BY F.Date DESC;"},
        {"team list", "SELECT TeamID, Name, NationalID FROM Team WHERE TeamID IN (SELECT TeamID FROM Stats WHERE "
         "SeasonID=3 AND ChampID=1) ORDER BY Name"},
        {"team", "SELECT * FROM Team WHERE Team.TeamID=17"},
        {"favourite count", "SELECT COUNT(*) AS Cnt FROM TeamFav WHERE TeamID=17"},
        {"favourite add", "INSERT INTO TeamFav VALUES(17)"},
        {"favourite delete", "DELETE * FROM TeamFav WHERE TeamID=17"},
        {"favourite tournaments", SqlChampSelect + "WHERE Champ.Fav=-1 AND Champ.ChampID>0 ORDER BY Champ.SortName"},
        {"tournament list", SqlChampSelect + "WHERE ChampID IN (SELECT ChampID FROM Stats WHERE SeasonID=3) AND "
         "Champ.Fav=true AND Champ.TypeID=1 AND Champ.ChampID>0 ORDER BY Champ.SortName"},
        {"tournaments of the day", SqlChampSelect + "WHERE Champ.Fav=true AND ChampID IN (SELECT ChampID FROM Calendar "
         "WHERE Calendar.Date = #06/12/2019#) ORDER BY Champ.SortName"},
        {"main league", "SELECT Stats.ChampID FROM Stats INNER JOIN Champ ON Champ.ChampID=Stats.ChampID WHERE "
         "TeamID=17 AND Champ.TypeID=1 ORDER BY SeasonID DESC, Stats.Game DESC"},
        {"standings", SqlTableSelect + "WHERE Stats.Field=2 AND Stats.RoundID=2 AND Stats.ChampID=1 AND "
         "Stats.SeasonID=3 GROUP BY Team.Name,Team.TeamID ORDER BY Sum(Stats.Point) DESC, Sum(Stats.Win) DESC , "
         "Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;"},
        {"full standings", SqlTableFullSelect + "WHERE Stats.ChampID=1 AND Stats.Field=1 AND Stats.SeasonID=3 " +
         tableOrder},
        {"standings from season", SqlTableFullSelect + "WHERE Stats.ChampID=1 AND Stats.SeasonID>=2 " + tableOrder},
        {"team season sums", SqlTableFullSelect + "WHERE Stats.TeamID=17 AND Stats.ChampID=1 AND Stats.SeasonID=3 AND "
         "Stats.Field=1 GROUP BY Team.Name,Team.TeamID "},
        {"team seasons", SqlTableSeasonChampSelect + "WHERE Stats.TeamID=17 AND Champ.TypeID=1 AND Stats.Field=1 GROUP "
         "BY Team.Name,Team.TeamID,Season.Name,Stats.SeasonID,Champ.Name ORDER BY Stats.SeasonID DESC"},
        {"tournament seasons", SqlStatsBySeasonSelect + "WHERE Stats.ChampID=1 AND Stats.Field=1 GROUP BY Season.Name,"
         "Stats.SeasonID,Stats.ChampID ORDER BY Stats.SeasonID DESC"},
        {"favourite statistics", SqlStatsByChampSelect + "WHERE Stats.Field=1 AND Champ.Fav=True AND Stats.SeasonID=3 "
         "GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name,Champ.SortName ORDER BY Sum(Stats.Win)/Sum(Stats.Game) "
         "DESC"},
        {"favourite statistics by name", SqlStatsByChampSelect + "WHERE Stats.Field=1 AND Champ.Fav=True GROUP BY "
         "Stats.ChampID,Champ.NationalID,Champ.Name,Champ.SortName ORDER BY Champ.SortName "},
        {"score groups", "SELECT TeamID, Gol1, Gol2, Count(TeamResults.TeamID) AS Cnt FROM TeamResults GROUP BY TeamID,"
         " [Gol1]-[Gol2], Gol1, Gol2, Field HAVING TeamID=17 AND Field=1 ORDER BY [Gol1]-[Gol2] DESC, Gol1 DESC, Gol2 "
         "DESC"},
        {"streak leaders", "SELECT TOP 1500 Team.Name AS TeamName, Team.NationalID AS TeamNatID, National.Name AS "
         "TeamNat, Series.* FROM [National] INNER JOIN (Series INNER JOIN Team ON Series.TeamID = Team.TeamID) ON "
         "National.NationalID = Team.NationalID WHERE Series.Field=0 AND Series.TypeID=0 ORDER BY Series.Max00 DESC, "
         "Series.Game DESC, Team.Name"},
        {"last results", "SELECT TOP 30 " + SqlTeamResultsColumns + "Team.TeamID=17 AND "
         "TeamResults.Gol1-TeamResults.Gol2>=0 AND TeamResults.Gol1+TeamResults.Gol2<2 AND TeamResults.Field=2 ORDER "
         "BY TeamResults.Date DESC"},
        {"results for a prediction", "SELECT TOP 30 " + SqlTeamResultsColumns + "Team.TeamID=17 AND "
         "TeamResults.ChampID=1 AND TeamResults.SeasonID>=2 AND TeamResults.Date>=(SELECT MAX(Date) FROM Fixed)-30 "
         "ORDER BY TeamResults.Date DESC"},
        {"tournament results", "SELECT " + SqlTeamResultsColumns + "TeamResults.TeamID IN(SELECT Stats.TeamID FROM "
         "Stats WHERE Stats.SeasonID=3 AND Stats.ChampID=1 AND Stats.Field=1 GROUP BY Stats.TeamID) AND "
         "TeamResults.Field=1 AND TeamResults.SeasonID=3 ORDER BY TeamResults.TeamID,TeamResults.Date DESC"},
        {"whole squad", squad + "WHERE PlayersSquad.TeamID=17 AND Players.Skills>0 ORDER BY Players.PosID, "
         "Players.FlangID, Players.Skills DESC;"},
        {"right midfield", squad + "WHERE PlayersSquad.TeamID=17 AND Players.Skills>0 AND Players.PosID IN(5,4) AND "
         "Players.FlangID IN(1,2,3,5)ORDER BY Players.Skills DESC;"},
        {"centre back", squad + "WHERE PlayersSquad.TeamID=17 AND Players.Skills>0 AND ((Players.PosID=2 AND "
         "Players.FlangID IN(1,3,4,7)) OR (Players.PosID=3 AND Players.FlangID IN(1))) ORDER BY Players.Skills DESC;"},
        {"rating line", "SELECT IIF(Fixed.Team1ID=17,EloFixed.NewRang1,EloFixed.NewRang2) AS Rang FROM Fixed INNER "
         "JOIN EloFixed ON Fixed.FixedIND = EloFixed.FixedIND WHERE (Fixed.Team1ID=17 OR Fixed.Team2ID=17) AND "
         "Fixed.SeasonID=3 ORDER BY Fixed.Date"},
        {"squad skill", "SELECT Avg(Players.Skills) AS AvgSkills FROM Players INNER JOIN PlayersSquad ON "
         "Players.PlayerID = PlayersSquad.PlayerID GROUP BY PlayersSquad.TeamID HAVING (((PlayersSquad.TeamID)=17))"},
        {"series stale", "UPDATE Version SET UpdateSeries=1"},
        {"series fresh", "UPDATE Version SET UpdateSeries=0"},
        {"team results cleared", "DELETE * FROM TeamResults"},
        {"team results home", "INSERT INTO TeamResults SELECT Date AS [Date], Team1ID AS TeamID, 1 AS Field, "
         "Fixed.ChampID AS ChampID, Fixed.SeasonID AS SeasonID, Fixed.Team2ID AS RivalID, Fixed.Gol1 AS Gol1, "
         "Fixed.Gol2 AS Gol2, 0 AS Tour FROM ChampType INNER JOIN (Champ INNER JOIN Fixed ON Champ.ChampID = "
         "Fixed.ChampID) ON ChampType.TypeID = Champ.TypeID WHERE SeasonID>=2 AND Champ.TypeID=1"},
        {"team results away", "INSERT INTO TeamResults SELECT Date AS [Date], Team2ID AS TeamID, 2 AS Field, "
         "Fixed.ChampID AS ChampID, Fixed.SeasonID AS SeasonID, Fixed.Team1ID AS RivalID, Fixed.Gol1 AS Gol2, "
         "Fixed.Gol2 AS Gol1, 0 AS Tour FROM ChampType INNER JOIN (Champ INNER JOIN Fixed ON Champ.ChampID = "
         "Fixed.ChampID) ON ChampType.TypeID = Champ.TypeID WHERE SeasonID>=2 AND Champ.TypeID=1"},
        {"stats cleared", "DELETE FROM Stats"},
        {"stats home table rounds", statsInsert + "SELECT Fixed.ChampID,SeasonID,Team1ID,Fixed.RoundID,1,COUNT(*),"
         "-SUM(Gol1>Gol2),-SUM(Gol1=Gol2),-SUM(Gol1<Gol2),SUM(Gol1),SUM(Gol2),-SUM(Gol1>Gol2)*3+-SUM(Gol1=Gol2),"
         "-SUM(Gol1+Gol2<3),-SUM(Gol1+Gol2>2), -SUM(Gol1>0),-SUM(Gol2>0),-SUM(Gol1=0),-SUM(Gol2=0), -SUM(Gol1-Gol2>1), "
         "-SUM(Gol1-Gol2>-2) FROM Round INNER JOIN Fixed ON Round.RoundID = Fixed.RoundID WHERE Round.IsTable=True "
         "GROUP BY Fixed.ChampID,SeasonID,Team1ID,Fixed.RoundID"},
        {"stats home other rounds", statsInsert + "SELECT Fixed.ChampID,SeasonID,Team1ID,7,1,COUNT(*),-SUM(Gol1>Gol2),"
         "-SUM(Gol1=Gol2),-SUM(Gol1<Gol2),SUM(Gol1),SUM(Gol2),-SUM(Gol1>Gol2)*3+-SUM(Gol1=Gol2),-SUM(Gol1+Gol2<3),"
         "-SUM(Gol1+Gol2>2), -SUM(Gol1>0),-SUM(Gol2>0),-SUM(Gol1=0),-SUM(Gol2=0), -SUM(Gol1-Gol2>1), "
         "-SUM(Gol1-Gol2>-2) FROM Round INNER JOIN Fixed ON Round.RoundID = Fixed.RoundID WHERE Round.IsTable=False "
         "GROUP BY Fixed.ChampID,SeasonID,Team1ID"},
        {"stats away table rounds", statsInsert + "SELECT Fixed.ChampID,SeasonID,Team2ID,Fixed.RoundID,2,COUNT(*),"
         "-SUM(Gol1<Gol2),-SUM(Gol1=Gol2),-SUM(Gol1>Gol2),SUM(Gol2),SUM(Gol1),-SUM(Gol1<Gol2)*3+-SUM(Gol1=Gol2),"
         "-SUM(Gol1+Gol2<3),-SUM(Gol1+Gol2>2), -SUM(Gol2>0),-SUM(Gol1>0),-SUM(Gol2=0),-SUM(Gol1=0), -SUM(Gol2-Gol1>1), "
         "-SUM(Gol2-Gol1>-2) FROM Round INNER JOIN Fixed ON Round.RoundID = Fixed.RoundID WHERE Round.IsTable=True "
         "GROUP BY Fixed.ChampID,SeasonID,Team2ID,Fixed.RoundID"},
        {"stats away other rounds", statsInsert + "SELECT Fixed.ChampID,SeasonID,Team2ID,7,2,COUNT(*),-SUM(Gol1<Gol2),"
         "-SUM(Gol1=Gol2),-SUM(Gol1>Gol2),SUM(Gol2),SUM(Gol1),-SUM(Gol1<Gol2)*3+-SUM(Gol1=Gol2),-SUM(Gol1+Gol2<3),"
         "-SUM(Gol1+Gol2>2), -SUM(Gol2>0),-SUM(Gol1>0),-SUM(Gol2=0),-SUM(Gol1=0), -SUM(Gol2-Gol1>1), "
         "-SUM(Gol2-Gol1>-2) FROM Round INNER JOIN Fixed ON Round.RoundID = Fixed.RoundID WHERE Round.IsTable=False "
         "GROUP BY Fixed.ChampID,SeasonID,Team2ID"},
        {"series cleared", "DELETE * FROM Series"},
        {"series source", "SELECT TeamResults.Date AS Date1, TeamResults.TeamID AS TeamID, TeamResults.Field AS Field, "
         "TeamResults.Gol1 AS Gol1, TeamResults.Gol2 AS Gol2 FROM TeamResults INNER JOIN Champ ON TeamResults.ChampID "
         "= Champ.ChampID WHERE Champ.Fav=True ORDER BY TeamResults.TeamID DESC , TeamResults.Date;"},
        {"series row", "INSERT INTO Series VALUES(17,0,0,3,0,2,1,1,0,1,1,1,0,2,3,3,2,2,1,1,3,3,0,1,0,2,1,1,0,1)"},
        {"rating rows cleared", "DELETE FROM EloFixed WHERE FixedIND IN(SELECT FixedIND FROM Fixed WHERE SeasonID=3)"},
        {"rating teams", "SELECT Stats.TeamID AS TeamID FROM Stats INNER JOIN Champ ON Stats.ChampID = Champ.ChampID "
         "GROUP BY Stats.TeamID, Champ.TypeID, Stats.SeasonID HAVING Champ.TypeID=1 AND Stats.SeasonID=3;"},
        {"rating matches", "SELECT Fixed.FixedIND AS FixedIND, Fixed.Date AS Date1, Fixed.Team1ID AS Team1ID, "
         "Fixed.Team2ID AS Team2ID, Fixed.Gol1 AS Gol1, Fixed.Gol2 AS Gol2 FROM Champ INNER JOIN Fixed ON "
         "Champ.ChampID = Fixed.ChampID WHERE Champ.TypeID=1 AND Fixed.SeasonID=3 AND Fixed.Date<#06/12/2009# ORDER BY "
         "Fixed.Date;"},
        {"rating row", "INSERT INTO EloFixed VALUES(1,1000,1000,1009,988,0)"},
        {"rating statistics cleared", "DELETE FROM EloStats WHERE EloStats.SeasonID=3"},
        {"rating statistics", "INSERT INTO EloStats(Deff,ChampID,SeasonID,Game,Win1,Draw,Win2,Under,Over,Gol1,Gol2) "
         "SELECT Round(([Rang1]-[Rang2])/10)*10 AS Deff, Fixed.ChampID AS ChampID, Fixed.SeasonID AS SeasonID, "
         "Count(Fixed.FixedIND) AS Game, -Sum([Fixed].[Gol1]>[Fixed].[Gol2]) AS Win1, "
         "-Sum([Fixed].[Gol1]=[Fixed].[Gol2]) AS Draw, -Sum([Fixed].[Gol1]<[Fixed].[Gol2]<0) AS Win2, "
         "-Sum([Fixed].[Gol1]+[Fixed].[Gol2]<3) AS Under, -Sum([Fixed].[Gol1]+[Fixed].[Gol2]>2) AS Over, "
         "Sum(Fixed.Gol1) AS Gol1, Sum(Fixed.Gol2) AS Gol2 FROM Fixed INNER JOIN EloFixed ON Fixed.FixedIND = "
         "EloFixed.FixedIND WHERE EloFixed.IsStats=True AND Fixed.SeasonID=3 GROUP BY Round(([Rang1]-[Rang2])/10)*10, "
         "Fixed.ChampID, Fixed.SeasonID;"},
        {"ratings of a team", "SELECT Fixed.Team1ID AS Team1ID, Fixed.Team2ID AS Team2ID, EloFixed.NewRang1 AS Rang1, "
         "EloFixed.NewRang2 AS Rang2 FROM Fixed INNER JOIN EloFixed ON Fixed.FixedIND = EloFixed.FixedIND WHERE "
         "Fixed.Team1ID=17 OR Fixed.Team2ID=17 ORDER BY Fixed.Date DESC;"},
        {"parked matches back", "INSERT INTO Fixed SELECT * FROM _Fixed"},
        {"parking cleared", "DELETE FROM _Fixed"},
        {"matches parked", "INSERT INTO _Fixed SELECT * FROM Fixed WHERE Date >= #06/12/2019#"},
        {"parked matches removed", "DELETE FROM Fixed WHERE Date >= #06/12/2019#"},
        {"calendar cleared", "DELETE FROM Calendar"},
        {"parked matches as fixtures", "INSERT INTO Calendar SELECT F.Date, F.Team1ID, F.Team2ID, F.RoundID, F.Tur, "
         "F.ChampID, \"0000\" AS FixTime, F.Kef1 AS Kef1, F.KefX AS KefX, F.Kef2 AS Kef2, F.Un25 AS Un25, F.Ov25 AS "
         "Ov25, F.AsianHandicap, F.AsianKef1, F.AsianKef2, F.Gol1, F.Gol2 FROM _Fixed AS F"},
        // An update file's shorthand leaves the blanks of its tags in the text.
        {"update insert", " INSERT INTO Team VALUES( 40,'Nott''m Forest','ENG' ) "},
        {"update change", " UPDATE Team SET Name='Spartak' WHERE TeamID=40"},
        {"update delete", " DELETE FROM Team WHERE TeamID=40"},
        {"update version", " UPDATE Version SET UpdateNum='105', UpdateDate='12.06.2019'"},
    };
    return texts;
}

const std::string& LongestSharedSelect()
{
    static const std::string longest =
        std::max_element(SharedSelectStatements().begin(), SharedSelectStatements().end(),
                         [](const ProgramSqlText& a, const ProgramSqlText& b) { return a.jetSql.size() < b.jetSql.size(); })
            ->jetSql;
    return longest;
}
