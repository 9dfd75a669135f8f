#include "platform/adofilter.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

// Filters on open rows are checked through TADOQuery; these are the matching rules
// in detail, on condition 0 of each filter.
TEST(AdoFilterTest, WildcardsStandForAnyRunAndCaseIsIgnoredInAnyAlphabet)
{
    const struct {
        const char* filter;
        const char* value;
        bool matches;
    } cases[]{
        {"Name LIKE 'Dyn*'", "Dynamo Kyiv", true},   {"Name LIKE 'Dyn*'", "FC Dynamo", false},
        {"Name='UKR'", "ukr", true},                 {"Name='UKR'", "UKR2", false},
        {"Name LIKE '%ал*н%'", "Локомотив-Алания-Пенза", true},
        {"Name LIKE '%ал*н%'", "АЛН", true},         {"Name LIKE '%ал*н%'", "Арсенал", false},
        {"Name LIKE '*'", "", true},                 {"Name LIKE ''", "x", false},
        {"Name='ДИНАМО ЁЖ'", "динамо ёж", true},     {"Name like 'münch*'", "MÜNCHEN 1860", true},
        {"Name='it''s'", "IT'S", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TADOFilter(c.filter).Matches(0, c.value), c.matches) << c.filter << " on " << c.value;
    EXPECT_TRUE(TADOFilter("  ").Empty());
}

TEST(AdoFilterTest, RaisesOnTextItCannotRead)
{
    for (const char* text : {"Name", "Name=", "Name='open", "Name LIKE 'O'Neil*'", "Name<>'x'", "Name='a' OR Name='b'",
                             "='x'", "Name='a' AND"})
        EXPECT_THROW(TADOFilter{text}, EDatabaseError) << text;
}
