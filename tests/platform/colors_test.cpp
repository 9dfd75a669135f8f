#include "platform/colors.h"

#include <gtest/gtest.h>

TEST(ColorsTest, ColourValuesKeepRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x999900), QColor(0, 0x99, 0x99));
    EXPECT_EQ(ToQColor(0xF44F41), QColor(0x41, 0x4F, 0xF4));
}
