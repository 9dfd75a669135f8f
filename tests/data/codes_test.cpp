#include "data/codes.h"

#include <gtest/gtest.h>

namespace {

TEST(CodesTest, ScoreCellIsTheFirstCellOfTheScoreElseOther)
{
    const struct {
        int own, rival, cell;
    } cases[] = {{3, 0, 0}, {3, 2, 1}, {2, 1, 3}, {0, 0, 6}, {1, 1, 7}, {3, 3, 9}, {0, 1, 10}, {2, 3, 14}, {0, 3, 15},
                 {4, 0, ScoreCell::Other}, {0, 4, ScoreCell::Other}, {4, 4, ScoreCell::Other}};
    for (const auto& c : cases)
        EXPECT_EQ(ScoreCell::Of(c.own, c.rival), c.cell) << c.own << ":" << c.rival;
    EXPECT_EQ(ScoreCell::Count, ScoreCell::Other + 1);
}

}  // namespace
