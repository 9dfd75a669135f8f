#pragma once

#include "data/dbase.h"

// Seasons for the season lists, and the latest season overall, of a team, of a team
// in a tournament, or of a tournament.
class DBSeason : public DBase {
public:
    // The newest season first; with season 0 only when asked for.
    bool OpenList(bool withSeasonZero);
    bool OpenByID(int seasonID);
    AnsiString GetName();
    int GetSeasonID();
    void GetItemText(AnsiString& text) override;

    static int GetMaxSeasonID();
    static int GetLastSeasonOfTeam(int teamID);
    static int GetLastSeasonOfTeamChamp(int teamID, int champID);
    static int GetLastSeasonOfChamp(int champID);
};
