#pragma once

#include "predict/dbpredictbase.h"

// Outcome and total-goals percentages of the match from the two sides' season sums,
// and model odds from them.
class DBPredictPercent : public DBPredictBase {
public:
    // The bookmaker's margin the model odds allow for.
    static constexpr float Margin = 0.05f;

    // The home side's and the away side's sums in the league from seasonID (from the
    // season before with withPrevSeason) on: field 1 its home and the away side's away
    // matches, 0 every match. True with every value -1 when a side has no sums; false
    // (a warning) for another field or a side with fewer than 5 games.
    bool EnterPercentLastCurSeason(int seasonID, int field, bool withPrevSeason);
    // The same from the season before the match's season on.
    bool EnterPercent(int field);
    // The home-win or away-win percentage, or as odds with the margin taken off.
    float GetPercent1(bool asKef) const;
    float GetPercent2(bool asKef) const;

protected:
    float P1 = -1.0f;
    float PX = -1.0f;
    float P2 = -1.0f;
    float PUnder = -1.0f;
    float POver = -1.0f;
    int Games = 0;

private:
    void ClearPercents();
};
