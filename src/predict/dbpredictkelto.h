#pragma once

#include <array>

#include "platform/types.h"
#include "predict/dbpredictpercent.h"

// Three rule algorithms over the match, each giving one short pick text ("{IT1}",
// "{W2}" ...) or none.
class DBPredictKelto : public DBPredictPercent {
public:
    // "{OZ}" when both sides' expected goals over their last 5 results reach 1.45
    // (pick text 0). False when the expected goals fail.
    bool UpdatePredictKeltoAlgo1();
    // The pick of the model odds against the bookmaker's (pick text 1). False when the
    // percentages fail or, with a favourite by percentage, the odds name no favourite.
    bool UpdatePredictKeltoAlgo2();
    // The pick of the two sides' points per game (pick text 2).
    bool UpdatePredictKeltoAlgo3();
    // Pick text 0, 1 or 2; the empty text for any other index.
    AnsiString GetAlgoText(int i) const;

    // The rules of the odds, the first that holds: model odds of the favourite (side
    // favSide) and of the outsider against the bookmaker's.
    static AnsiString OddsPick(int favSide, float myFav, float bkFav, float myOut, float bkOut);
    // The rule of the points per game: each side between 1.5 and 2.5 (inclusive).
    static AnsiString PointsPick(float point1, float point2);

private:
    std::array<AnsiString, 3> AlgoText;
};
