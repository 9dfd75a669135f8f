#include "foundation/jxdatetime.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/sysutils.h"

TEST(JXDateTimeTest, RoundTripKeepsTheClockFieldsFromTheUnixEpoch)
{
    const JXDateTime noon(EncodeDate(1970, 1, 1) + 0.5);
    EXPECT_EQ(noon.GetTime(), 43200);
    EXPECT_EQ(noon.Year() + noon.Month() + noon.Day(), "19700101");
    EXPECT_EQ(JXDateTime(EncodeDate(1969, 12, 31)).GetTime(), -86400);

    const TDateTime kickOff = EncodeDate(2019, 6, 12) + EncodeTime(21, 35, 7, 0);
    const JXDateTime value(kickOff);
    EXPECT_NEAR(value.ToDateTime(), kickOff, 1e-9);
    EXPECT_EQ(value.Format("%d.%m.%Y %H:%M:%S"), "12.06.2019 21:35:07");
    EXPECT_EQ(JXDateTime(EncodeDate(2020, 1, 1) + EncodeTime(10, 0, 0, 600)).Format("%H:%M:%S"), "10:00:01")
        << "conversion rounds to the nearest second";
}

TEST(JXDateTimeTest, EncodeAndAddDays)
{
    JXDateTime value;
    value.Encode(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(value.Format("%Y-%m-%d %H:%M:%S"), "2024-02-29 23:59:59");
    value.AddDays(1);
    EXPECT_EQ(value.Format("%Y-%m-%d"), "2024-03-01");
    const int time = value.GetTime();
    value.AddDays(-1);
    EXPECT_EQ(value.GetTime(), time - 86400);
    EXPECT_THROW(value.Encode(2023, 2, 29, 0, 0, 0), EConvertError);
    EXPECT_THROW(value.Encode(2023, 1, 1, 24, 0, 0), EConvertError);
}

TEST(JXDateTimeTest, OffsetShiftsOnlyTheFormattedHours)
{
    JXDateTime value(EncodeDate(2024, 5, 1) + EncodeTime(22, 0, 0, 0));
    value.Offset = 3;
    EXPECT_EQ(value.Format("%d %H"), "02 01");
    EXPECT_NEAR(value.ToDateTime(), EncodeDate(2024, 5, 1) + EncodeTime(22, 0, 0, 0), 1e-9);
    value = EncodeDate(2024, 5, 2);
    EXPECT_EQ(value.Offset, 3) << "assigning a date keeps the offset";
    EXPECT_EQ(value.Format(""), "");
}
