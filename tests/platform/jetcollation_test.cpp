#include "platform/jetcollation.h"

#include <gtest/gtest.h>

// Equality, ORDER BY and GROUP BY through SQL are checked with the translator; these
// are the orders the data there does not reach.
TEST(JetCollationTest, OrdersWithoutCaseAcrossScriptsShorterTextFirst)
{
    EXPECT_EQ(CompareJetText("München", "MÜNCHEN"), 0);
    EXPECT_EQ(CompareJetText("Ёлка", "ёлка"), 0);
    EXPECT_LT(CompareJetText("Zenit", "Арсенал"), 0);
    EXPECT_LT(CompareJetText("Арсенал", "бавария"), 0);
    EXPECT_LT(CompareJetText("Real", "real Madrid"), 0);
    EXPECT_GT(CompareJetText("Динамо Киев", "ДИНАМО"), 0);
    EXPECT_LT(CompareJetText("", "a"), 0);
}

TEST(JetCollationTest, BrokenUtf8StillGivesAConsistentOrder)
{
    const std::string broken = "Team \xD0";
    const std::string other = "Team \xFF";
    EXPECT_EQ(CompareJetText(broken, broken), 0);
    EXPECT_EQ(CompareJetText(broken, other), -CompareJetText(other, broken));
    EXPECT_NE(CompareJetText(broken, other), 0);
    EXPECT_NE(CompareJetText("\xC0\x80", std::string(1, '\0')), 0);
}
