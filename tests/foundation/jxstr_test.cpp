#include "foundation/jxstr.h"

#include <gtest/gtest.h>

#include <vector>

#include "jxstrprint.h"
#include "platform/exceptions.h"

namespace {

// The program's tokenizer loop over the pair LeftOf / RightOf.
std::vector<AnsiString> Tokens(JXStr text, const JXStr& sep)
{
    std::vector<AnsiString> tokens;
    while (text.Length() > 0) {
        tokens.push_back(JXStr::LeftOf(text, sep));
        text = JXStr::RightOf(text, sep);
    }
    return tokens;
}

}  // namespace

TEST(JXStrTest, LeftOfAndRightOfSplitAtTheFirstWholeSeparator)
{
    const struct {
        const char* text;
        const char* sep;
        const char* left;
        const char* right;
    } cases[]{
        {"a;b;c", ";", "a", "b;c"},
        {"abc", ";", "abc", ""},
        {";x", ";", "", "x"},
        {"abc", "", "abc", ""},  // an empty separator never occurs
        {"x{/split}y{/splitRow}z", "{/splitRow}", "x{/split}y", "z"},
        {"x{/splitRo", "{/splitRow}", "x{/splitRo", ""},  // a cut separator is no separator
        {"a:b::c", "::", "a:b", "c"},
        {"a:::b", "::", "a", ":b"},  // the first match wins
        {"Зенит — Спартак", " — ", "Зенит", "Спартак"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " by " + c.sep);
        EXPECT_EQ(JXStr::LeftOf(c.text, c.sep), c.left);
        EXPECT_EQ(JXStr::RightOf(c.text, c.sep), c.right);
    }
}

TEST(JXStrTest, TokenizerKeepsEmptyTokensAndDropsTrailingSeparator)
{
    EXPECT_EQ(Tokens("a;;b;", ";"), (std::vector<AnsiString>{"a", "", "b"}));
    EXPECT_EQ(Tokens("a<>b<><>c", "<>"), (std::vector<AnsiString>{"a", "b", "", "c"}));
    EXPECT_EQ(Tokens("abc", ";"), (std::vector<AnsiString>{"abc"}));
    EXPECT_TRUE(Tokens("", ";").empty());
}

TEST(JXStrTest, ReplaceScansLeftToRightWithoutRescanningInsertedText)
{
    EXPECT_EQ(JXStr::Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(JXStr::Replace("abab", "a", "aa"), "aabaab");
    EXPECT_EQ(JXStr::Replace("a&b&&c", "&", "[;amp;]"), "a[;amp;]b[;amp;][;amp;]c");
    EXPECT_EQ(JXStr::Replace("Aa", "a", "b"), "Ab") << "case matters";
    EXPECT_EQ(JXStr::Replace("Спартак", "а", "о"), "Спорток");
    EXPECT_EQ(JXStr::Replace("abc", "", "x"), "abc");
    EXPECT_EQ(JXStr::Replace("abc", "b", ""), "ac");
}

TEST(JXStrTest, PositionsAndLengthsCountCyrillicLettersWholeAndClampAtTheEnds)
{
    const JXStr match = "Зенит-Арсенал";
    EXPECT_EQ(match.Length(), 13);
    EXPECT_EQ(JXStr::Pos(match, "Арс"), 7);
    EXPECT_EQ(JXStr::Pos(match, "x"), 0);
    EXPECT_EQ(JXStr::Pos(match, ""), 0);
    const struct {
        const char* text;
        int start;
        int count;
        const char* expected;
    } cases[]{
        {"abc", 0, 2, "ab"}, {"abc", -5, 1, "a"},   {"abc", 3, 10, "c"},        {"abc", 4, 1, ""},
        {"abc", 2, 0, ""},   {"abc", 2, -1, ""},    {"", 1, 1, ""},             {"Зенит-Арсенал", 1, 1, "З"},
        {"Зенит-Арсенал", 7, 3, "Арс"},             {"Зенит-Арсенал", 11, 16, "нал"}, {"München", 2, 3, "ünc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JXStr::SubStr(c.text, c.start, c.count), c.expected) << c.text << " " << c.start << " " << c.count;
}

TEST(JXStrTest, BrokenUtf8IsCountedWithoutReadingPastTheEnd)
{
    const JXStr cut = "ab\xD0";  // the first byte of a Cyrillic letter only
    EXPECT_EQ(cut.Length(), 3);
    EXPECT_EQ(JXStr::SubStr(cut, 3, 5), "\xD0");
    EXPECT_EQ(JXStr("\x80\x80").Length(), 2) << "stray continuation bytes count one each";
}

TEST(JXStrTest, DeleteChangesTheTextItselfAndReturnsIt)
{
    JXStr text = "Зенит-Арсенал";
    EXPECT_EQ(JXStr::Delete(text, 1, 6), "Арсенал");
    EXPECT_EQ(JXStr::Delete(text, 2, 3), "Анал");
    EXPECT_EQ(text, "Анал");
    EXPECT_EQ(JXStr::Delete(text, 2, 100), "А") << "the count is cut at the end";
    EXPECT_EQ(JXStr::Delete(text, 0, 1), "А") << "an index below 1 deletes nothing";
    EXPECT_EQ(JXStr::Delete(text, 2, 1), "А") << "an index past the end deletes nothing";
    EXPECT_EQ(JXStr::Delete(text, 1, 0), "А");
}

TEST(JXStrTest, DelCRLFRemovesEveryBreak)
{
    EXPECT_EQ(JXStr::DelCRLF("a\r\nb\nc\rd"), "abcd");
    EXPECT_EQ(JXStr::DelCRLF("\r\n\n\r"), "");
}

TEST(JXStrTest, ToIntAcceptsOnlyDecimalIntegers)
{
    EXPECT_EQ(JXStr("12").ToInt(), 12);
    EXPECT_EQ(JXStr("-3").ToInt(), -3);
    for (const char* bad : {"", "1.5", "abc", "12a", "0x10", "99999999999", "1 2"})
        EXPECT_THROW(JXStr(bad).ToInt(), EConvertError) << "'" << bad << "'";
}

TEST(JXStrTest, ComparisonIsOrdinalByBytesAndConcatenationLeavesOperands)
{
    EXPECT_LT(JXStr("B"), JXStr("a"));
    EXPECT_LT(JXStr("a"), JXStr("ab"));
    EXPECT_LT(JXStr("z"), JXStr("а")) << "non-ASCII bytes sort after ASCII";
    EXPECT_NE(JXStr("x"), JXStr("X"));
    EXPECT_STREQ(JXStr().c_str(), "");
    const JXStr folder = "/opt/kovral/";
    EXPECT_EQ(folder + JXStr("a") + AnsiString("b"), "/opt/kovral/ab");
    EXPECT_EQ(folder, "/opt/kovral/");
}
