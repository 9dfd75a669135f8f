#pragma once

#include "data/dbase.h"

// Tournaments with their country and type: the favourite tournaments for the pickers
// and the nearest-matches window, one tournament for its card, a team's main league
// and a tournament's average goals for the prediction models.
class DBChamp : public DBase {
public:
    // Tournaments whose favourite flag equals fav; the row that stands for all
    // tournaments only withZero.
    bool OpenFav(bool fav, bool withZero);
    // Favourite tournaments, of one type and with statistics in one season when those
    // are not 0.
    bool OpenList(int typeID, int seasonID, bool withZero);
    // Favourite tournaments with a coming match on the date, given as "mm/dd/yyyy".
    bool OpenTodayFav(const AnsiString& date);
    bool OpenByID(int champID);

    int GetChampID();
    int GetTypeID();
    AnsiString GetChampName();
    // The country code, also the name of the flag picture.
    AnsiString GetNationalID();
    // A league by its name, a cup after its country's name, an international
    // tournament after its country's name and a point.
    AnsiString GetDisplayName();
    void GetItemText(AnsiString& text) override;

    // The league of the team's newest season (of its most games in that season); 0
    // when the team has played in none.
    static int GetMainLeague(int teamID);
    // Home and away goals per match over the tournament's two newest seasons; false
    // (both -1) under 10 matches.
    static bool GetGoalAverages(int champID, double& avg1, double& avg2);
};
