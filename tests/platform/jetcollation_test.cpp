#include "platform/jetcollation.h"

#include <gtest/gtest.h>

TEST(JetCollationTest, LettersCompareWithoutCaseInEveryScript)
{
    EXPECT_EQ(CompareJetText("Arsenal", "ARSENAL"), 0);
    EXPECT_EQ(CompareJetText("Спартак Москва", "СПАРТАК москва"), 0);
    EXPECT_EQ(CompareJetText("München", "MÜNCHEN"), 0);
    EXPECT_EQ(CompareJetText("Ёлка", "ёлка"), 0);
    EXPECT_LT(CompareJetText("apple", "Banana"), 0);
    EXPECT_LT(CompareJetText("Арсенал", "бавария"), 0);
    EXPECT_LT(CompareJetText("Zenit", "Арсенал"), 0);
}

TEST(JetCollationTest, ShorterTextComesFirstAndEmptyTextFirstOfAll)
{
    EXPECT_LT(CompareJetText("Real", "real Madrid"), 0);
    EXPECT_GT(CompareJetText("Динамо Киев", "ДИНАМО"), 0);
    EXPECT_LT(CompareJetText("", "a"), 0);
    EXPECT_EQ(CompareJetText("", ""), 0);
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
