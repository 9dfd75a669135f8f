#include "foundation/jxmath.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "localeguard.h"
#include "platform/sysutils.h"

TEST(JXMathTest, RoundToRoundsHalvesUpwardButKeepsTheStoredErrorOfTheValue)
{
    const struct {
        double value;
        int digits;
        double expected;
    } cases[]{
        {2.5, 0, 3.0}, {-2.5, 0, -2.0}, {3.14159, 3, 3.142}, {-1.234, 1, -1.2}, {1234, -2, 1200.0},
        {1250, -2, 1300.0}, {15, -1, 20.0},
        {0.125, 2, 0.13},  // exact in binary, so a true half
        {1.005, 2, 1.0}, {2.675, 2, 2.67}, {1.015, 2, 1.01},  // stored slightly below themselves
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundTo(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
}

TEST(JXMathTest, NumberTextUsesTheUserSeparatorOnlyForDisplay)
{
    {
        LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
        EXPECT_EQ(FloatToStrRound(2.50, 2), "2,5");
        EXPECT_EQ(FloatToStrRound(2.456, 2), "2,46");
        EXPECT_EQ(FloatToStrRound(1.005, 2), "1");
        EXPECT_EQ(FloatToSqlStr(RoundTo(2.456, 2)), "2.46") << "SQL and files always get \".\"";
    }
    LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FloatToStrRound(2.50, 2), "2.5");
}
