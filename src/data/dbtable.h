#pragma once

#include "data/dbase.h"

// Standings and statistics summed from the derived table Stats: the standings of a
// tournament season, stage and side, one team's or one tournament's sums season by
// season, and the sums of the favourite tournaments. The getters read the current row.
class DBTable : public DBase {
public:
    // Standings ordered by points, wins, goal difference and goals scored. field: 0
    // both sides, 1 home, 2 away; seasonID 0 every season; roundID 0 every stage.
    bool SelectTable(int champID, int seasonID, int field, int roundID);
    // The same with every counter, all stages together.
    bool SelectTableFull(int champID, int seasonID, int field);
    // As SelectTableFull; fromPrevSeason sums the season before too, and every later one.
    bool SelectTableSeason(int champID, int seasonID, int field, bool fromPrevSeason);
    // One team's row of SelectTableSeason.
    bool UpdateStatsTeamSeason(int teamID, int champID, int seasonID, int field, bool fromPrevSeason);
    // One team's sums per season in the tournaments of a type, newest first.
    bool SelectTeamSeasons(int teamID, int field, int typeID);
    // A tournament's sums per season over its home rows (each match once), newest first.
    bool SelectChampSeasons(int champID);
    // The favourite tournaments' sums over their home rows, in every season when
    // seasonID is 0; sortMode 1-7 by win, draw, loss, over, under, home goal and away
    // goal share, 8 by name, any other unordered.
    bool SelectChampsStats(int seasonID, int sortMode);

    AnsiString GetTeam();
    AnsiString GetSeasonName();
    AnsiString GetChampName();
    AnsiString GetNationalID();
    int GetChampID();
    int GetTeamID();
    int GetGame();
    int GetWin();
    int GetDraw();
    int GetLose();
    int GetGol1();
    int GetGol2();
    int GetPoint();
    int GetUnder();
    int GetOver();
    int GetByScore();
    int GetByMiss();
    int GetNoScore();
    int GetNoMiss();
    int GetMinus();
    int GetPlus();
    // Points per game; 0 for a row without games.
    double GetPointAvg();
};
