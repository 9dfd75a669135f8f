#include "platform/adofilter.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

TEST(AdoFilterTest, ReadsConditionsJoinedByAnd)
{
    const TADOFilter filter("Name LIKE 'Dyn*' AND  NationalID='UKR'");
    ASSERT_EQ(filter.ConditionCount(), 2u);
    EXPECT_EQ(filter.Column(0), "Name");
    EXPECT_EQ(filter.Column(1), "NationalID");
    EXPECT_TRUE(filter.Matches(0, "Dynamo Kyiv"));
    EXPECT_FALSE(filter.Matches(0, "FC Dynamo"));
    EXPECT_TRUE(filter.Matches(1, "ukr"));
    EXPECT_FALSE(filter.Matches(1, "UKR2"));
    EXPECT_TRUE(TADOFilter("  ").Empty());
}

TEST(AdoFilterTest, WildcardsStandForAnyRunAnywhere)
{
    const TADOFilter filter("Name LIKE '%ал*н%'");
    EXPECT_TRUE(filter.Matches(0, "Локомотив-Алания-Пенза"));
    EXPECT_TRUE(filter.Matches(0, "АЛН"));
    EXPECT_FALSE(filter.Matches(0, "Арсенал"));
    EXPECT_TRUE(TADOFilter("Name LIKE '*'").Matches(0, ""));
    EXPECT_FALSE(TADOFilter("Name LIKE ''").Matches(0, "x"));
}

TEST(AdoFilterTest, ComparesWithoutLetterCaseInAnyAlphabet)
{
    EXPECT_TRUE(TADOFilter("Name='ДИНАМО ЁЖ'").Matches(0, "динамо ёж"));
    EXPECT_TRUE(TADOFilter("Name like 'münch*'").Matches(0, "MÜNCHEN 1860"));
    EXPECT_TRUE(TADOFilter("Name='it''s'").Matches(0, "IT'S"));
}

TEST(AdoFilterTest, RaisesOnTextItCannotRead)
{
    for (const char* text : {"Name", "Name=", "Name='open", "Name LIKE 'O'Neil*'", "Name<>'x'", "Name='a' OR Name='b'",
                             "='x'", "Name='a' AND"})
        EXPECT_THROW(TADOFilter{text}, EDatabaseError) << text;
}
