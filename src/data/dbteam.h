#pragma once

#include "data/dbase.h"

// Teams for the pickers and cards, narrowed by the start of the name and by country
// without a new select, and the user's favourite teams (table TeamFav).
class DBTeam : public DBase {
public:
    // Set by the caller before ApplyFilter; empty means no condition.
    AnsiString NameFilter;
    AnsiString NationalFilter;

    // Every team ordered by name, or only those with statistics in the tournament
    // and/or season; 0 means no condition.
    bool OpenList(int champID, int seasonID);
    bool OpenByID(int teamID);
    int GetTeamID();
    AnsiString GetName();
    AnsiString GetNationalID();
    void GetItemText(AnsiString& text) override;

    // Narrows the rows of the last list to NameFilter (start of the name, any letter
    // case) and NationalFilter (country code); both empty shows every row.
    void ApplyFilter();

    bool IsFav();
    static bool IsTeamFav(int teamID);
    // False when the team is a favourite already.
    static bool AddFav(int teamID);
    static void DeleteFav(int teamID);

    // A name of 18 characters or more with blanks becomes the first word and the
    // initials of the next three words ("Borussia Mönchengladbach" "Borussia M. ").
    static AnsiString ShortName(const AnsiString& name);
};
