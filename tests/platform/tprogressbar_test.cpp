#include "platform/tprogressbar.h"

#include <gtest/gtest.h>

TEST(TProgressBarTest, StartsAtZeroClampsPositionsToItsRangeAndShowsNoText)
{
    TProgressBar bar;
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(47);
    EXPECT_EQ(bar.Position(), 47);
    EXPECT_EQ(bar.text(), "") << "no percentage";
    bar.SetPosition(130);
    EXPECT_EQ(bar.Position(), 100) << "a plain QProgressBar would stay at 47";
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
}
