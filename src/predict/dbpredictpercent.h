#pragma once

#include "predict/dbpredictbase.h"

// Outcome and total-goals percentages of the match from the two sides' season sums,
// model odds from them, and expected goals from each side's recent results.
class DBPredictPercent : public DBPredictBase {
public:
    // The bookmaker's margin the model odds allow for.
    static constexpr float Margin = 0.05f;

    // From the home side's and the away side's sums in the league in seasonID (with
    // withPrevSeason in every season from the one before on): field 1 the home side's
    // home and the away side's away matches, 0 every match. True with every value -1 when a side has no sums; false
    // (a warning) for another field or a side with fewer than 5 games.
    bool EnterPercentLastCurSeason(int seasonID, int field, bool withPrevSeason);
    // The same from the season before the match's season on.
    bool EnterPercent(int field);
    // The home-win or away-win percentage, or as odds with the margin taken off.
    float GetPercent1(bool asKef) const;
    float GetPercent2(bool asKef) const;

    // Expected goals: the home side's average goals scored plus the away side's average
    // conceded, and the other way round, over each side's last n league results from the
    // season before the match's on (its home or away results with fieldSplit; trim
    // leaves out each side's highest and lowest), less the league's mean goals; never
    // below 0. False when no match is set (an error) or a side has fewer than n results.
    bool EnterScoreLastFixed(int n, bool fieldSplit, bool trim);
    float GetScore1() const { return Score1; }
    float GetScore2() const { return Score2; }

protected:
    float P1 = -1.0f;
    float PX = -1.0f;
    float P2 = -1.0f;
    float PUnder = -1.0f;
    float POver = -1.0f;
    int Games = 0;
    float Score1 = -1.0f;
    float Score2 = -1.0f;

private:
    void ClearPercents();
};
