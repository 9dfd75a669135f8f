#include "sampledata/matchmodel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Implied(int hundredths)
{
    return 100.0 / hundredths;
}

}  // namespace

TEST(MatchModelTest, StrongerSideIsTheFavourite)
{
    const SampleOdds home = PriceMatch(ExpectedGoals(0.8, -0.4, 0, false));
    EXPECT_LT(home.kef1, home.kef2);
    EXPECT_LT(home.handicapQuarters, 0);  // the favourite gives goals

    const SampleOdds away = PriceMatch(ExpectedGoals(-0.4, 0.8, 0, false));
    EXPECT_GT(away.kef1, away.kef2);
    EXPECT_GT(away.handicapQuarters, 0);
}

TEST(MatchModelTest, EveryMarketCarriesAModestMargin)
{
    for (double gap : {-1.5, -0.7, 0.0, 0.4, 1.2, 2.0}) {
        const SampleOdds odds = PriceMatch(ExpectedGoals(gap, 0, 0, false));
        const double matchBook = Implied(odds.kef1) + Implied(odds.kefX) + Implied(odds.kef2);
        EXPECT_GT(matchBook, 1.02) << gap;
        EXPECT_LT(matchBook, 1.10) << gap;
        const double totalBook = Implied(odds.under25) + Implied(odds.over25);
        EXPECT_GT(totalBook, 1.02) << gap;
        EXPECT_LT(totalBook, 1.09) << gap;
        // The line is the one that balances the two sides best.
        ASSERT_TRUE(odds.hasHandicap) << gap;
        EXPECT_LT(std::abs(odds.asian1 - odds.asian2), 45) << gap;
        EXPECT_GE(odds.kef1, 101);
        EXPECT_GE(odds.asian2, 101);
    }
}

