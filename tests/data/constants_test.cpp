#include "data/constants.h"

#include <gtest/gtest.h>

TEST(ConstantsTest, FragmentsLeaveSelectAndConditionsToTheCaller)
{
    for (const AnsiString* fragment : {&SqlFixedColumns, &SqlTeamResultsColumns}) {
        EXPECT_NE(fragment->rfind("SELECT", 0), 0u);
        EXPECT_EQ(fragment->substr(fragment->size() - 7), " WHERE ");
    }
}

TEST(ConstantsTest, TextsKeepTheirDoubleBlanks)
{
    EXPECT_NE(SqlCalendarOddsSelect.find("T1.Name AS Team1,  C.Team1ID"), AnsiString::npos);
    EXPECT_NE(SqlCalendarOddsSelect.find("C.RoundID AS RoundID,  CH.NationalID"), AnsiString::npos);
    EXPECT_NE(SqlFavCalendarSelect.find("ChampNat  FROM"), AnsiString::npos);
    EXPECT_EQ(ConnectionPrefix.substr(ConnectionPrefix.size() - 12), "Data Source=");
    EXPECT_EQ(VersionText, "3.0.3");
    EXPECT_STREQ(SettingValueNames.back(), "TourTotal");
    EXPECT_STREQ(WindowKeys.front(), "DlgMain");
}
