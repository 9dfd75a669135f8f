#include "data/constants.h"

const AnsiString ConnectionPrefix =
    "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password='k#~q8=t%3!';Data Source=";

const AnsiString SqlFilterSelect =
    "SELECT F.FilterID AS FilterID, F.Cur AS Cur, F.Row AS Row, F.Mode AS Mode, F.TeamID AS TeamID, "
    "F.TeamRivalID AS TeamRivalID, F.ChampID AS ChampID, F.Field AS Field, F.IsChamp AS IsChamp, F.IsCup "
    "AS IsCup, F.IsEuro AS IsEuro, F.IsFriend AS IsFriend, F.IsWin AS IsWin, F.IsDraw AS IsDraw, "
    "F.IsLose AS IsLose, F.SeasonWith AS SeasonWith, S.Name AS SeasonName, F.ScoreEq AS ScoreEq, "
    "F.ScoreCount AS ScoreCount, F.MissEq AS MissEq, F.MissCount AS MissCount, F.TotalEq AS TotalEq, "
    "F.TotalCount AS TotalCount, T1.Name AS Team, T2.Name AS TeamRival, T1.NationalID AS TeamNat, "
    "T2.NationalID AS TeamRivalNat, C.Name AS ChampName, C.NationalID AS ChampNat, C.TypeID AS "
    "ChampTypeID FROM ((((Filter AS F LEFT JOIN Season AS S ON S.SeasonID = F.SeasonWith) LEFT JOIN Team "
    "AS T1 ON F.TeamID = T1.TeamID) LEFT JOIN Champ AS C ON F.ChampID = C.ChampID) LEFT JOIN Team AS T2 "
    "ON T2.TeamID = F.TeamRivalID) ORDER BY FilterID";

const AnsiString SqlFixedColumns =
    "F.Date AS Date1, T1.Name AS Team1, T2.Name AS Team2, F.Gol1 AS Gol1, F.Gol2 AS Gol2, F.Tur AS Tur, "
    "F.AET AS AET, R.Name AS Round, R.RoundID AS RoundID, C.Name AS Champ, S.Name AS Season, F.Team1ID "
    "AS Team1ID, F.Team2ID AS Team2ID, C.TypeID AS TypeID, C.ChampID AS ChampID, T1.NationalID AS "
    "Team1Nat, T2.NationalID AS Team2Nat, C.NationalID AS ChampNat, F.SeasonID AS SeasonID, F.Kef1 AS "
    "Kef1, F.KefX AS KefX, F.Kef2 AS Kef2 FROM (((((Fixed AS F LEFT JOIN Season AS S ON F.SeasonID = "
    "S.SeasonID) LEFT JOIN Team AS T1 ON T1.TeamID = F.Team1ID) LEFT JOIN Team AS T2 ON T2.TeamID = "
    "F.Team2ID) LEFT JOIN Champ AS C ON C.ChampID = F.ChampID) LEFT JOIN Round AS R ON R.RoundID = "
    "F.RoundID) WHERE ";

const AnsiString SqlCalendarOddsSelect =
    "SELECT C.Date AS Date1, T1.Name AS Team1,  C.Team1ID AS Team1ID, T2.Name AS Team2, C.Team2ID AS "
    "Team2ID, C.Tur AS Tur, R.Name AS Round, CH.Name AS Champ, C.RoundID AS RoundID,  CH.NationalID AS "
    "ChampNat, C.Kef1 AS Kef1, C.KefX AS KefX, C.Kef2 AS Kef2, C.Un25 AS KefUn, C.Ov25 AS KefOv, "
    "C.FixTime AS FixTime, C.Gol1 AS Gol1, C.Gol2 AS Gol2, C.AsianHandicap AS AHandi, C.AsianKef1 AS "
    "AKef1, C.AsianKef2 AS AKef2 FROM ((((Calendar AS C INNER JOIN Champ AS CH ON C.ChampID = "
    "CH.ChampID) LEFT JOIN Round AS R ON C.RoundID = R.RoundID) INNER JOIN Team AS T1 ON T1.TeamID = "
    "C.Team1ID) INNER JOIN Team AS T2 ON T2.TeamID = C.Team2ID) ";

const AnsiString SqlCalendarSelect =
    "SELECT C.Date AS Date1, C.Team1ID AS Team1ID, T1.Name AS Team1, C.Team2ID AS Team2ID, T2.Name AS "
    "Team2, C.ChampID AS ChampID, C.Tur AS Tur, R.Name AS Round, R.RoundID AS RoundID, C.FixTime AS "
    "FixTime FROM (((Calendar AS C LEFT JOIN Team AS T1 ON T1.TeamID = C.Team1ID) LEFT JOIN Team AS T2 "
    "ON T2.TeamID = C.Team2ID) LEFT JOIN Round AS R ON R.RoundID = C.RoundID) WHERE ";

const AnsiString SqlFavFixedColumns =
    "IsNull(TeamFav.TeamID) AS IsTeam1Fav, IsNull(TeamFav_1.TeamID) AS IsTeam2Fav, Fixed.Date AS Date1, "
    "Team.Name AS Team1, Team_1.Name AS Team2, Fixed.Gol1 AS Gol1, Fixed.Gol2 AS Gol2, Fixed.Tur AS Tur, "
    "Fixed.AET AS AET, Round.Name AS Round, Champ.Name AS Champ, Fixed.Team1ID AS Team1ID, Fixed.Team2ID "
    "AS Team2ID, Champ.TypeID AS TypeID, Champ.ChampID AS ChampID, Team.NationalID AS Team1Nat, "
    "Team_1.NationalID AS Team2Nat, Champ.NationalID AS ChampNat, Fixed.SeasonID AS SeasonID FROM "
    "TeamFav AS TeamFav_1 RIGHT JOIN (TeamFav RIGHT JOIN (Team AS Team_1 INNER JOIN (Champ INNER JOIN "
    "(Round INNER JOIN (Team INNER JOIN Fixed ON Team.TeamID = Fixed.Team1ID) ON Round.RoundID = "
    "Fixed.RoundID) ON Champ.ChampID = Fixed.ChampID) ON Team_1.TeamID = Fixed.Team2ID) ON "
    "TeamFav.TeamID = Fixed.Team1ID) ON TeamFav_1.TeamID = Fixed.Team2ID WHERE (Fixed.Team1ID In (SELECT "
    "TeamID FROM TeamFav) OR Fixed.Team2ID In (SELECT TeamID FROM TeamFav)) ";

const AnsiString SqlFavCalendarSelect =
    "SELECT Calendar.Date AS Date1, Team.Name AS Team1, Calendar.Team1ID AS Team1ID, Team_1.Name AS "
    "Team2, Calendar.Team2ID AS Team2ID, IsNull(TeamFav.TeamID) AS IsTeam1Fav, IsNull(TeamFav_1.TeamID) "
    "AS IsTeam2Fav, Calendar.Tur AS Tur, Round.Name AS Round, Champ.Name AS Champ, Calendar.RoundID AS "
    "RoundID, Champ.NationalID AS ChampNat  FROM ((((Champ INNER JOIN (Calendar INNER JOIN Round ON "
    "Calendar.RoundID = Round.RoundID) ON Champ.ChampID = Calendar.ChampID) LEFT JOIN Team AS Team_1 ON "
    "Calendar.Team2ID = Team_1.TeamID) LEFT JOIN Team ON Calendar.Team1ID = Team.TeamID) LEFT JOIN "
    "TeamFav ON Calendar.Team1ID = TeamFav.TeamID) LEFT JOIN TeamFav AS TeamFav_1 ON Calendar.Team2ID = "
    "TeamFav_1.TeamID ";

const AnsiString SqlRankingSelect =
    "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Point) AS Point, "
    "Round(Sum(Stats.Point*Champ.Koef)/Sum(Stats.Game),3) AS Rang FROM ((Stats INNER JOIN Champ ON "
    "Stats.ChampID = Champ.ChampID) INNER JOIN Season ON Stats.SeasonID = Season.SeasonID) INNER JOIN "
    "Team ON Stats.TeamID = Team.TeamID ";

const AnsiString SqlTableSelect =
    "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, "
    "Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS Gol2, "
    "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.Point) AS Point FROM ((Stats INNER "
    "JOIN Team ON Stats.TeamID = Team.TeamID) INNER JOIN Champ ON Stats.ChampID = Champ.ChampID) INNER "
    "JOIN Season ON Stats.SeasonID = Season.SeasonID ";

const AnsiString SqlTableFullSelect =
    "SELECT Team.Name AS Team, Team.TeamID AS TeamID, Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, "
    "Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Under) AS Under, Sum(Stats.Over) AS "
    "Over, Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS ByMiss, Sum(Stats.NoScore) AS NoScore, "
    "Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) "
    "AS Gol1, Sum(Stats.Gol2) AS Gol2, Sum(Stats.Point) AS Point FROM ((Stats INNER JOIN Team ON "
    "Stats.TeamID = Team.TeamID) INNER JOIN Champ ON Stats.ChampID = Champ.ChampID) INNER JOIN Season ON "
    "Stats.SeasonID = Season.SeasonID ";

const AnsiString SqlTableSeasonChampSelect =
    "SELECT Team.Name AS Team,Team.TeamID AS TeamID, Season.Name AS SeasonName, Champ.Name AS ChampName, "
    "Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, "
    "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.ByScore) AS ByScore, "
    "Sum(Stats.ByMiss) AS ByMiss, Sum(Stats.NoScore) AS NoScore, Sum(Stats.NoMiss) AS NoMiss, "
    "Sum(Stats.MinusF) AS Minus, Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS "
    "Gol2 FROM ((Stats INNER JOIN Team ON Stats.TeamID = Team.TeamID) INNER JOIN Champ ON Stats.ChampID "
    "= Champ.ChampID) INNER JOIN Season ON Stats.SeasonID = Season.SeasonID ";

const AnsiString SqlStatsBySeasonSelect =
    "SELECT Stats.SeasonID AS SeasonID, Season.Name AS SeasonName, Sum(Stats.Game) AS Game, "
    "Sum(Stats.Win) AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, Sum(Stats.Under) AS Under, "
    "Sum(Stats.Over) AS Over, Sum(Stats.ByScore) AS ByScore, Sum(Stats.ByMiss) AS ByMiss, "
    "Sum(Stats.NoScore) AS NoScore, Sum(Stats.NoMiss) AS NoMiss, Sum(Stats.MinusF) AS Minus, "
    "Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS Gol2 FROM Stats INNER JOIN "
    "Season ON Stats.SeasonID = Season.SeasonID ";

const AnsiString SqlStatsByChampSelect =
    "SELECT Stats.ChampID AS ChampID, Champ.Name AS ChampName, Champ.NationalID AS NationalID, "
    "Sum(Stats.Game) AS Game, Sum(Stats.Win) AS Win, Sum(Stats.Draw) AS Draw, Sum(Stats.Lose) AS Lose, "
    "Sum(Stats.Under) AS Under, Sum(Stats.Over) AS Over, Sum(Stats.ByScore) AS ByScore, "
    "Sum(Stats.ByMiss) AS ByMiss, Sum(Stats.NoScore) AS NoScore, Sum(Stats.NoMiss) AS NoMiss, "
    "Sum(Stats.MinusF) AS Minus, Sum(Stats.PlusF) AS Plus, Sum(Stats.Gol1) AS Gol1, Sum(Stats.Gol2) AS "
    "Gol2 FROM Stats INNER JOIN Champ ON Stats.ChampID = Champ.ChampID ";

const AnsiString SqlTeamResultsColumns =
    "TeamResults.Date AS Date1, Team.TeamID AS TeamID, Team.Name AS TeamName, TeamResults.Field AS "
    "Field, TeamResults.RivalID AS RivalID, TeamResults.Gol1 AS Gol1, TeamResults.Gol2 AS Gol2 FROM Team "
    "INNER JOIN TeamResults ON Team.TeamID = TeamResults.TeamID WHERE ";

const AnsiString SqlChampSelect =
    "SELECT Champ.ChampID AS ChampID, National.Name AS ChampNat, Champ.Name AS ChampName, "
    "Champ.NationalID AS NationalID, ChampType.Name AS ChampType, Champ.TypeID AS TypeID, National.Name "
    "AS NationalName FROM ChampType INNER JOIN ([National] INNER JOIN Champ ON National.NationalID = "
    "Champ.NationalID) ON ChampType.TypeID = Champ.TypeID ";

const AnsiString VersionText = "3.0.3";

const AnsiString SettingsKey = "\\SOFTWARE\\Tarvik\\Kovral";

const std::array<const char*, 25> SettingValueNames = {
    "UseProxy", "ProxyAddress", "ProxyPort", "ProxyUser", "ProxyPwd", "UserName",
    "UserPwd", "MyMail", "StartTime", "SaveHistory", "AutoUpdate", "FilterTop",
    "LastFixed", "SeriesFixed", "FavDays", "TodayDays", "TodayDaysMinus", "Lang",
    "NoShowFilter", "SeriesSeason", "FavNext", "UpdServ", "TourHandicap", "PredictFileName",
    "TourTotal",
};

const std::array<const char*, 8> WindowKeys = {
    "DlgMain", "DlgSelectTeam", "DlgSelectChamp", "DlgSelectFixed", "DlgRanking", "DlgToday", "DlgFav", "DlgFixed",
};
