#include "predict/dbpredictkelto.h"

#include <cmath>

#include "data/codes.h"
#include "foundation/jxerr.h"

namespace {

// Each side's recent results behind the expected goals, and the goals both must reach.
constexpr int RecentResults = 5;
constexpr float BothScoreGoals = 1.45f;

// Below this percentage on both sides the odds rules have no favourite to judge.
constexpr float FavouritePercent = 45.0f;
// Odds apart by this much or more differ; by this much or less they agree.
constexpr float OddsApart = 0.5f;
constexpr float OddsAgree = 0.3f;
// Points per game of a side in good form.
constexpr float PointsLow = 1.5f;
constexpr float PointsHigh = 2.5f;

constexpr int AlgoGoals = 0;
constexpr int AlgoOdds = 1;
constexpr int AlgoPoints = 2;

AnsiString SidePick(const char* kind, int side)
{
    return AnsiString("{") + kind + std::to_string(side) + "}";
}

bool GoodForm(float points)
{
    return points >= PointsLow && points <= PointsHigh;
}

}  // namespace

bool DBPredictKelto::UpdatePredictKeltoAlgo1()
{
    AnsiString& pick = AlgoText[AlgoGoals];
    pick.clear();
    if (!EnterScoreLastFixed(RecentResults, false, true))
        return false;
    if (Score1 >= BothScoreGoals && Score2 >= BothScoreGoals)
        pick = "{OZ}";
    return true;
}

bool DBPredictKelto::UpdatePredictKeltoAlgo2()
{
    AnsiString& pick = AlgoText[AlgoOdds];
    pick.clear();
    if (!EnterPercent(FieldCode::Home))
        return false;
    if (P1 < FavouritePercent && P2 < FavouritePercent)
        return true;
    int favSide = 0;
    float myFav = 0.0f, bkFav = 0.0f, myOut = 0.0f, bkOut = 0.0f;
    if (Kef1 < Kef2) {
        favSide = 1;
        myFav = GetPercent1(true);
        bkFav = Kef1;
        myOut = GetPercent2(true);
        bkOut = Kef2;
    } else if (Kef1 > Kef2) {
        favSide = 2;
        myFav = GetPercent2(true);
        bkFav = Kef2;
        myOut = GetPercent1(true);
        bkOut = Kef1;
    }
    if (myFav == 0.0f || bkFav == 0.0f || myOut == 0.0f || bkOut == 0.0f) {
        JXErr::Warning("DBPredictKelto::UpdatePredictKeltoAlgo2: NOT KOEF");
        return false;
    }
    pick = OddsPick(favSide, myFav, bkFav, myOut, bkOut);
    return true;
}

bool DBPredictKelto::UpdatePredictKeltoAlgo3()
{
    AlgoText[AlgoPoints] = PointsPick(Point1, Point2);
    return true;
}

AnsiString DBPredictKelto::GetAlgoText(int i) const
{
    return i >= 0 && i < static_cast<int>(AlgoText.size()) ? AlgoText[i] : AnsiString();
}

AnsiString DBPredictKelto::OddsPick(int favSide, float myFav, float bkFav, float myOut, float bkOut)
{
    const int outSide = 3 - favSide;
    const bool favAgrees = std::fabs(bkFav - myFav) <= OddsAgree;
    if (myFav - bkFav >= OddsApart && bkOut - myOut >= OddsApart)
        return SidePick("IT", favSide);
    if (bkFav - myFav >= OddsApart && myOut - bkOut >= OddsApart)
        return SidePick("IT", outSide);
    if (favAgrees && myOut - bkOut >= OddsApart)
        return SidePick("IT", outSide);
    if (favAgrees && bkOut - myOut >= OddsApart)
        return SidePick("W", favSide);
    return AnsiString();
}

AnsiString DBPredictKelto::PointsPick(float point1, float point2)
{
    if (GoodForm(point1) && GoodForm(point2))
        return "{IT1} {IT2}";
    if (GoodForm(point1))
        return "{IT1}";
    if (GoodForm(point2))
        return "{IT2}";
    return AnsiString();
}
