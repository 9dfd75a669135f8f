#pragma once

#include "data/dbase.h"

// A verdict of one result mark: good for the team, a draw, or bad for it.
enum class MarkTone { Favourable, Draw, Unfavourable };

// One result judged by one MarkKind: the mark character and its verdict.
struct ResultMark {
    const char* text;
    MarkTone tone;
};

// Recent results of teams from TeamResults (league matches of the newest two seasons,
// each seen from its team: Gol1 own goals, Gol2 the rival's), newest first: the last
// results of one team, the sample of one tournament for the predictions, and every
// team of a tournament season; and the average goals of the open set.
class DBResult : public DBase {
public:
    // resultOp (">", "=", "<", ">=", "<=", "<>" or empty) compares own with rival goals,
    // totalOp ("<", ">" or empty) the goals of both with 2; field is a FieldCode.
    bool OpenLast(int top, int teamID, const AnsiString& resultOp, const AnsiString& totalOp, int field);
    // days, when not 0, counts back from the newest played match in the database.
    bool OpenPredict(int top, int teamID, int champID, int seasonFrom, int field, int days);
    // Every result in the season of each team with standings in the tournament season,
    // also in its other league tournaments, by team and newest first within a team.
    bool OpenChamp(int champID, int seasonID, int field);

    int GetTeamID();
    int GetRivalID();
    int GetGol1();
    int GetGol2();
    AnsiString GetTeamName();

    // The average own and rival goals of the open set; trim leaves out each side's
    // largest and smallest value when at least three rows are there to trim. An empty
    // set gives -1.0. The current row stays current.
    void CalcAvg(bool trim);
    double GetAvgGol1() const { return AvgGol1; }
    double GetAvgGol2() const { return AvgGol2; }

    // The mark of own and rival goals by kind (MarkKind), with the lines
    // tourTotal + 0.5 and tourHandicap + 0.5 (the settings TourTotal and TourHandicap).
    static ResultMark GetMark(int kind, int own, int rival, int tourTotal, int tourHandicap);

private:
    double AvgGol1 = -1.0;
    double AvgGol2 = -1.0;
};
