#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "localeguard.h"
#include "platform/exceptions.h"

TEST(SysUtilsTest, IntegerTextIsStrict)
{
    EXPECT_EQ(StrToInt("12"), 12);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt(" 5"), 5);
    EXPECT_THROW(StrToInt(""), EConvertError);
    EXPECT_THROW(StrToInt("1.5"), EConvertError);
    EXPECT_THROW(StrToInt("12a"), EConvertError);
    EXPECT_THROW(StrToInt("99999999999"), EConvertError);
    EXPECT_EQ(StrToIntDef("x", -1), -1);
}

TEST(SysUtilsTest, FloatTextUsesPointForSqlAndUserSeparatorForDisplay)
{
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(FloatToSqlStr(2.5), "2.5");
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStr(2.0), "2");
    EXPECT_EQ(FloatToSqlStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToSqlStr(1e20), "1E20");
    EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_THROW(StrToFloat("abc"), EConvertError);
}

TEST(SysUtilsTest, BooleanText)
{
    EXPECT_TRUE(StrToBool("True"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_FALSE(StrToBool("false"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_THROW(StrToBool("maybe"), EConvertError);
}

TEST(SysUtilsTest, DatesCountDaysFromTheLastDaysOf1899)
{
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDate(1970, 1, 1), 25569.0);
    EXPECT_THROW(EncodeDate(2019, 2, 29), EConvertError);
    int y = 0, m = 0, d = 0;
    DecodeDate(EncodeDate(2024, 2, 29) + (1 - 1e-10), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240301) << "a time that rounds to midnight belongs to the next day";
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1);
}

TEST(SysUtilsTest, DateTextShowsTimeOnlyWhenThereIsOne)
{
    const TDateTime day = EncodeDate(2019, 6, 12);
    EXPECT_EQ(DateTimeToStr(day), "12.06.2019");
    EXPECT_EQ(DateTimeToStr(day + EncodeTime(9, 5, 7, 0)), "12.06.2019 09:05:07");
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy", day), "06.12.2019");
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:mm:ss", day + EncodeTime(23, 59, 1, 0)), "12.06.2019 23:59:01");
    EXPECT_EQ(FormatDateTime("'at' h:nn", day + EncodeTime(7, 3, 0, 0)), "at 7:03");
    EXPECT_DOUBLE_EQ(StrToDateTime("12.06.2019 09:05"), day + EncodeTime(9, 5, 0, 0));
    EXPECT_THROW(StrToDateTime("2019-06-12"), EConvertError);
}
