#include "data/dbseason.h"

#include "platform/sysutils.h"

bool DBSeason::OpenList(bool withSeasonZero)
{
    return Select(AnsiString("SELECT * FROM Season ") + (withSeasonZero ? "" : "WHERE SeasonID>0 ") +
                  "ORDER BY NameYear DESC");
}

bool DBSeason::OpenByID(int seasonID)
{
    return Select("SELECT * FROM Season WHERE SeasonID=" + IntToStr(seasonID));
}

AnsiString DBSeason::GetName()
{
    return ReadString("Name");
}

int DBSeason::GetSeasonID()
{
    return ReadInteger("SeasonID");
}

void DBSeason::GetItemText(AnsiString& text)
{
    text = GetName();
}

int DBSeason::GetMaxSeasonID()
{
    return Max("Season", "SeasonID", "");
}

int DBSeason::GetLastSeasonOfTeam(int teamID)
{
    return Max("Stats", "SeasonID", "TeamID=" + IntToStr(teamID));
}

int DBSeason::GetLastSeasonOfTeamChamp(int teamID, int champID)
{
    return Max("Stats", "SeasonID", "TeamID=" + IntToStr(teamID) + " AND ChampID=" + IntToStr(champID));
}

int DBSeason::GetLastSeasonOfChamp(int champID)
{
    return Max("Stats", "SeasonID", "ChampID=" + IntToStr(champID));
}
