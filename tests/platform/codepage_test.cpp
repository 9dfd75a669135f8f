#include "platform/codepage.h"

#include <gtest/gtest.h>

TEST(CodepageTest, CyrillicRoundTrips)
{
    const std::string russian = "Спартак Москва";
    const std::string bytes = Utf8ToCp1251(russian);
    EXPECT_EQ(bytes.size(), 14u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xD1);
    EXPECT_EQ(Cp1251ToUtf8(bytes), russian);
}

TEST(CodepageTest, CharactersCp1251LacksBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251("«Łódź» München №1")), "«??d?» M?nchen №1");
    EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b") << "a stray byte is no UTF-8";
    EXPECT_EQ(Cp1251ToUtf8("x\x98y"), "x?y");
}
