#pragma once

#include <array>
#include <memory>

#include "data/codes.h"
#include "data/dbase.h"

class DBFixed;

// Streaks of teams: the current and longest run of each kind for one team, computed
// from its played matches; score distributions of one team or of a coming match; and
// the leaders of one run kind in the stored table Series (the streak top list).
class DBSeries : public DBase {
public:
    DBSeries();
    ~DBSeries() override;

    // Zeroes the runs, the score cells and the score total.
    void Reset();
    // The runs (SeriesCalcIndex order) and score cells of one team over its played
    // matches from season seasonFrom on, of the types in typeList ("1,2"; empty: every
    // type), on side field (FieldCode). A match decided after extra time counts as a
    // draw at the lower of its two stored goal counts.
    void Calc(int teamID, int seasonFrom, const AnsiString& typeList, int field);
    // The number of matches the last Calc walked.
    int GetCount();
    int GetMax(int index) const;
    int GetCur(int index) const;
    int GetScore(int cell) const;

    // The score distribution of a coming match, team1 at home against team2, from
    // TeamResults: team1's results (at home unless allFields) and team2's results
    // (away unless allFields) read home goals to away goals.
    void CalcScores(int team1ID, int team2ID, bool allFields);
    int GetScoreTotal() const;

    // The top list of one kind (SeriesKind) on the object's own query: the longest or
    // the current run first, then more games, then the name; at most 1500 teams.
    bool OpenTop(int kind, int field, bool byMax, int typeID);
    // Columns of the current top-list row; kindName is one of SeriesKind::Names.
    int GetCurField(const AnsiString& kindName);
    int GetMaxField(const AnsiString& kindName);
    AnsiString GetTeamName();
    AnsiString GetTeamNatID();
    int GetTeamID();
    int GetGame();

private:
    // Adds the score groups of the open set to the cells; mirrored reads them from the rival's side.
    void AddScoreGroups(bool mirrored);

    std::unique_ptr<DBFixed> Matches;
    std::array<int, SeriesCalcIndex::Count> Max{};
    std::array<int, SeriesCalcIndex::Count> Cur{};
    std::array<int, ScoreCell::Count> Score{};
    int ScoreTotal = 0;
};
