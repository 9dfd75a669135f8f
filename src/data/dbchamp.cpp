#include "data/dbchamp.h"

#include "data/codes.h"
#include "data/constants.h"
#include "data/dbtable.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"

namespace {

// Fewer matches than this give no averages worth predicting from.
constexpr int MinAverageGames = 10;

AnsiString SqlFlag(bool flag)
{
    return flag ? "-1" : "0";
}

AnsiString WithoutZero(bool withZero)
{
    return withZero ? "" : "AND Champ.ChampID>0 ";
}

}  // namespace

bool DBChamp::OpenFav(bool fav, bool withZero)
{
    return Select(SqlChampSelect + "WHERE Champ.Fav=" + SqlFlag(fav) + " " + WithoutZero(withZero) +
                  "ORDER BY Champ.SortName");
}

bool DBChamp::OpenList(int typeID, int seasonID, bool withZero)
{
    AnsiString where = seasonID != 0
            ? "WHERE ChampID IN (SELECT ChampID FROM Stats WHERE SeasonID=" + IntToStr(seasonID) + ") AND "
            : AnsiString("WHERE ");
    where += "Champ.Fav=true ";
    if (typeID != 0)
        where += "AND Champ.TypeID=" + IntToStr(typeID) + " ";
    return Select(SqlChampSelect + where + WithoutZero(withZero) + "ORDER BY Champ.SortName");
}

bool DBChamp::OpenTodayFav(const AnsiString& date)
{
    return Select(SqlChampSelect + "WHERE Champ.Fav=true AND ChampID IN " +
                  "(SELECT ChampID FROM Calendar WHERE Calendar.Date = #" + date + "#) " + "ORDER BY Champ.SortName");
}

bool DBChamp::OpenByID(int champID)
{
    return Select(SqlChampSelect + "WHERE Champ.ChampID=" + IntToStr(champID));
}

int DBChamp::GetChampID()
{
    return ReadInteger("ChampID");
}

int DBChamp::GetTypeID()
{
    return ReadInteger("TypeID");
}

AnsiString DBChamp::GetChampName()
{
    return ReadString("ChampName");
}

AnsiString DBChamp::GetNationalID()
{
    return ReadString("NationalID");
}

AnsiString DBChamp::GetDisplayName()
{
    const int type = GetTypeID();
    if (GetChampID() == 0 || type == ChampTypeID::League)
        return GetChampName();
    if (type == ChampTypeID::Cup)
        return ReadString("NationalName") + " " + GetChampName();
    if (type >= ChampTypeID::International)
        return ReadString("ChampNat") + ". " + GetChampName();
    return AnsiString();
}

void DBChamp::GetItemText(AnsiString& text)
{
    text = GetDisplayName();
}

int DBChamp::GetMainLeague(int teamID)
{
    return SelectInteger("SELECT Stats.ChampID FROM Stats INNER JOIN Champ ON Champ.ChampID=Stats.ChampID WHERE "
                         "TeamID=" + IntToStr(teamID) + " AND Champ.TypeID=" + IntToStr(ChampTypeID::League) +
                         " ORDER BY SeasonID DESC, Stats.Game DESC",
                         "ChampID");
}

bool DBChamp::GetGoalAverages(int champID, double& avg1, double& avg2)
{
    avg1 = -1.0;
    avg2 = -1.0;
    DBTable table;
    table.SelectChampSeasons(champID);
    if (table.Count() == 0)
        return false;
    TADOQuery* query = table.GetQuery();
    query->First();
    double sumGol1 = table.GetGol1();
    double sumGol2 = table.GetGol2();
    int games = table.GetGame();
    // The season before the newest, when there is one: a single season counts once.
    query->Next();
    if (!query->Eof()) {
        sumGol1 += table.GetGol1();
        sumGol2 += table.GetGol2();
        games += table.GetGame();
    }
    if (games < MinAverageGames)
        return false;
    avg1 = sumGol1 / games;
    avg2 = sumGol2 / games;
    return true;
}
