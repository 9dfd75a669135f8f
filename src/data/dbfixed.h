#pragma once

#include "data/dbase.h"

class DBFilter;

// Single matches: played ones (table Fixed) and coming ones (table Calendar). Each
// open builds one select and keeps its rows; the readers read the current row.
// Results and goals are told from the side of the remembered team, the team whose
// matches were opened last.
class DBFixed : public DBase {
public:
    // The goal-condition kinds of a history entry.
    static inline const AnsiString ScoreKind = "Score";  // goals the team scored
    static inline const AnsiString MissKind = "Miss";    // goals the team conceded
    static inline const AnsiString TotalKind = "Total";  // goals of both sides

    // field: 0 both sides, 1 home, 2 away. typeList: tournament types such as "1,2,3",
    // no condition when empty.
    bool OpenLastByTeam(int team, int top, const AnsiString& typeList, int field);
    bool OpenSeriesByTeam(int team, int seasonFrom, const AnsiString& typeList, int field);
    bool OpenHeadToHead(int team, int rival, const AnsiString& typeList, int field);
    // Played matches of the favourite tournaments of the last days; champID 0 for all.
    bool OpenRecentFav(int days, int champID);
    // Coming matches from today on.
    bool OpenCalendarByChamp(int champID);
    bool OpenCalendarByTeam(int team);
    // Coming matches of one day (its time part is ignored).
    bool OpenCalendarByDate(TDateTime date);
    // Coming matches of a tournament on one day; dateText is month/day/year.
    bool OpenCalendarByChampDate(int champID, const AnsiString& dateText);

    // The matches of the history's current entry, by its mode; false for an unknown
    // mode, which opens nothing.
    bool OpenByFilter(DBFilter* filter);
    bool OpenTeamFilter(DBFilter* filter);
    bool OpenChampFilter(DBFilter* filter);
    bool OpenPairFilter(DBFilter* filter);
    // The entry's condition on goals of one kind, from the team's side; empty when the
    // entry sets none.
    static AnsiString BuildScoreCondition(DBFilter* filter, const AnsiString& kind);

    AnsiString GetTeam1();
    AnsiString GetTeam2();
    TDateTime GetDate();
    // The round name, with the matchday after it when there is one.
    AnsiString GetRound();
    AnsiString GetScoreText();
    // Odds read 1.0 when there are none (stored as 0 or empty).
    double GetKef1();
    double GetKefX();
    double GetKef2();
    double GetKefUn();
    double GetKefOv();
    double GetAKef1();
    double GetAKef2();
    AnsiString GetAHandi();
    AnsiString GetChamp();
    int GetTeam1ID();
    int GetTeam2ID();
    int GetChampID();
    AnsiString GetChampNat();
    // The tournament after its country's code and a point; an international tournament
    // (country "EUR") by its name alone.
    AnsiString GetChampWithNat();
    AnsiString GetTeam1Nat();
    AnsiString GetTeam2Nat();
    int GetGol1();
    int GetGol2();
    bool GetAET();
    AnsiString GetSeason();
    int GetSeasonID();
    AnsiString GetFixTime();
    AnsiString GetTeamIDText() const;

    // From the remembered team: 0 win, 1 draw (level score), 2 loss, 3 decided after
    // extra time and not level.
    int GetResultForTeam();
    // From the home side: -1 home win, 0 draw or decided after extra time, 1 away win.
    int GetResult();

private:
    double ReadOdds(std::string_view column) const;

    int TeamID = 0;
};
