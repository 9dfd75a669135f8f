#include "data/dbround.h"

#include "platform/sysutils.h"

bool DBRound::OpenTableRounds(int champID, int seasonID)
{
    return Select("SELECT * FROM Round WHERE RoundID IN (SELECT RoundID FROM Stats WHERE Stats.ChampID=" +
                  IntToStr(champID) + " AND Stats.SeasonID=" + IntToStr(seasonID) +
                  ") AND Round.IsTable=true ORDER BY OrderNumber");
}

AnsiString DBRound::GetName()
{
    return ReadString("Name");
}

int DBRound::GetRoundID()
{
    return ReadInteger("RoundID");
}
