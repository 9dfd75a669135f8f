#include "data/dbtable.h"

#include "data/codes.h"
#include "data/constants.h"
#include "platform/sysutils.h"

namespace {

const AnsiString StandingsOrder =
        "ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;";
const AnsiString GroupByTeam = "GROUP BY Team.Name,Team.TeamID ";

// "AND Stats.<column>=<value> " when the value is not 0.
AnsiString AndIfSet(const char* column, int value)
{
    return value != 0 ? AnsiString("AND Stats.") + column + "=" + IntToStr(value) + " " : AnsiString();
}

AnsiString SeasonCondition(int seasonID, bool fromPrevSeason)
{
    return fromPrevSeason ? "AND Stats.SeasonID>=" + IntToStr(seasonID - 1) + " "
                          : "AND Stats.SeasonID=" + IntToStr(seasonID) + " ";
}

AnsiString ChampsStatsOrder(int sortMode)
{
    static const char* const ratios[] = {"Win", "Draw", "Lose", "Over", "Under", "Gol1", "Gol2"};
    if (sortMode >= 1 && sortMode <= 7) {
        const AnsiString column = ratios[sortMode - 1];
        return "ORDER BY Sum(Stats." + column + ")/Sum(Stats.Game) DESC";
    }
    return sortMode == 8 ? "ORDER BY Champ.SortName " : "";
}

}  // namespace

bool DBTable::SelectTable(int champID, int seasonID, int field, int roundID)
{
    AnsiString sql = SqlTableSelect + "WHERE ";
    if (field != 0)
        sql += "Stats.Field=" + IntToStr(field) + " AND ";
    if (roundID != 0)
        sql += "Stats.RoundID=" + IntToStr(roundID) + " AND ";
    sql += "Stats.ChampID=" + IntToStr(champID) + " " + AndIfSet("SeasonID", seasonID);
    return Select(sql + "GROUP BY Team.Name,Team.TeamID ORDER BY Sum(Stats.Point) DESC, Sum(Stats.Win) DESC , "
                        "Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;");
}

bool DBTable::SelectTableFull(int champID, int seasonID, int field)
{
    return Select(SqlTableFullSelect + "WHERE Stats.ChampID=" + IntToStr(champID) + " " + AndIfSet("Field", field) +
                  AndIfSet("SeasonID", seasonID) + GroupByTeam + StandingsOrder);
}

bool DBTable::SelectTableSeason(int champID, int seasonID, int field, bool fromPrevSeason)
{
    return Select(SqlTableFullSelect + "WHERE Stats.ChampID=" + IntToStr(champID) + " " + AndIfSet("Field", field) +
                  SeasonCondition(seasonID, fromPrevSeason) + GroupByTeam + StandingsOrder);
}

bool DBTable::UpdateStatsTeamSeason(int teamID, int champID, int seasonID, int field, bool fromPrevSeason)
{
    // A failed select is logged by Select; the caller reads the empty row as zeros.
    Select(SqlTableFullSelect + "WHERE Stats.TeamID=" + IntToStr(teamID) + " " + "AND Stats.ChampID=" +
           IntToStr(champID) + " " + SeasonCondition(seasonID, fromPrevSeason) + AndIfSet("Field", field) +
           GroupByTeam);
    return true;
}

bool DBTable::SelectTeamSeasons(int teamID, int field, int typeID)
{
    return Select(SqlTableSeasonChampSelect + "WHERE Stats.TeamID=" + IntToStr(teamID) + " " + "AND Champ.TypeID=" +
                  IntToStr(typeID) + " " + AndIfSet("Field", field) +
                  "GROUP BY Team.Name,Team.TeamID,Season.Name,Stats.SeasonID,Champ.Name " +
                  "ORDER BY Stats.SeasonID DESC");
}

bool DBTable::SelectChampSeasons(int champID)
{
    return Select(SqlStatsBySeasonSelect + "WHERE Stats.ChampID=" + IntToStr(champID) + " " + "AND Stats.Field=" +
                  IntToStr(FieldCode::Home) + " " + "GROUP BY Season.Name,Stats.SeasonID,Stats.ChampID " +
                  "ORDER BY Stats.SeasonID DESC");
}

bool DBTable::SelectChampsStats(int seasonID, int sortMode)
{
    return Select(SqlStatsByChampSelect + "WHERE Stats.Field=" + IntToStr(FieldCode::Home) + " AND Champ.Fav=True " +
                  AndIfSet("SeasonID", seasonID) +
                  "GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name,Champ.SortName " + ChampsStatsOrder(sortMode));
}

AnsiString DBTable::GetTeam()
{
    return ReadString("Team");
}

AnsiString DBTable::GetSeasonName()
{
    return ReadString("SeasonName");
}

AnsiString DBTable::GetChampName()
{
    return ReadString("ChampName");
}

AnsiString DBTable::GetNationalID()
{
    return ReadString("NationalID");
}

int DBTable::GetChampID()
{
    return ReadInteger("ChampID");
}

int DBTable::GetTeamID()
{
    return ReadInteger("TeamID");
}

int DBTable::GetGame()
{
    return ReadInteger("Game");
}

int DBTable::GetWin()
{
    return ReadInteger("Win");
}

int DBTable::GetDraw()
{
    return ReadInteger("Draw");
}

int DBTable::GetLose()
{
    return ReadInteger("Lose");
}

int DBTable::GetGol1()
{
    return ReadInteger("Gol1");
}

int DBTable::GetGol2()
{
    return ReadInteger("Gol2");
}

int DBTable::GetPoint()
{
    return ReadInteger("Point");
}

int DBTable::GetUnder()
{
    return ReadInteger("Under");
}

int DBTable::GetOver()
{
    return ReadInteger("Over");
}

int DBTable::GetByScore()
{
    return ReadInteger("ByScore");
}

int DBTable::GetByMiss()
{
    return ReadInteger("ByMiss");
}

int DBTable::GetNoScore()
{
    return ReadInteger("NoScore");
}

int DBTable::GetNoMiss()
{
    return ReadInteger("NoMiss");
}

int DBTable::GetMinus()
{
    return ReadInteger("Minus");
}

int DBTable::GetPlus()
{
    return ReadInteger("Plus");
}

double DBTable::GetPointAvg()
{
    const int games = GetGame();
    return games == 0 ? 0.0 : static_cast<double>(GetPoint()) / games;
}
