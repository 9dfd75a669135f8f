#include "foundation/jxmath.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "localeguard.h"
#include "platform/sysutils.h"

TEST(JXMathTest, RoundToRoundsHalvesUpward)
{
    EXPECT_EQ(RoundTo(2.5, 0), 3.0);
    EXPECT_EQ(RoundTo(-2.5, 0), -2.0);
    EXPECT_EQ(RoundTo(0.125, 2), 0.13) << "0.125 is exact in binary, so it is a true half";
    EXPECT_EQ(RoundTo(3.14159, 3), 3.142);
    EXPECT_EQ(RoundTo(-1.234, 1), -1.2);
}

TEST(JXMathTest, RoundToKeepsTheStoredErrorOfTheValue)
{
    EXPECT_EQ(RoundTo(1.005, 2), 1.0) << "1.005 is stored slightly below itself";
    EXPECT_EQ(RoundTo(2.675, 2), 2.67);
    EXPECT_EQ(RoundTo(1.015, 2), 1.01);
}

TEST(JXMathTest, NegativeDecimalsRoundToTensAndHundreds)
{
    EXPECT_EQ(RoundTo(1234, -2), 1200.0);
    EXPECT_EQ(RoundTo(1250, -2), 1300.0);
    EXPECT_EQ(RoundTo(15, -1), 20.0);
}

TEST(JXMathTest, NumberTextUsesTheUserSeparatorOnlyForDisplay)
{
    {
        LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
        EXPECT_EQ(FloatToStrRound(2.50, 2), "2,5");
        EXPECT_EQ(FloatToStrRound(2.456, 2), "2,46");
        EXPECT_EQ(FloatToStrRound(1.005, 2), "1");
        EXPECT_EQ(FloatToSqlStr(RoundTo(2.456, 2)), "2.46") << "SQL and files always get \".\"";
        EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
    }
    LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FloatToStrRound(2.50, 2), "2.5");
}
