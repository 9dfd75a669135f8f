#include "foundation/jxstr.h"

#include <gtest/gtest.h>

#include <map>
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

TEST(JXStrTest, LeftOfAndRightOfSplitAtTheFirstSeparator)
{
    EXPECT_EQ(JXStr::LeftOf("a;b;c", ";"), "a");
    EXPECT_EQ(JXStr::RightOf("a;b;c", ";"), "b;c");
    EXPECT_EQ(JXStr::LeftOf("abc", ";"), "abc");
    EXPECT_EQ(JXStr::RightOf("abc", ";"), "");
    EXPECT_EQ(JXStr::LeftOf(";x", ";"), "");
    EXPECT_EQ(JXStr::RightOf(";x", ";"), "x");
    EXPECT_EQ(JXStr::LeftOf("abc", ""), "abc") << "an empty separator never occurs";
    EXPECT_EQ(JXStr::RightOf("abc", ""), "");
}

TEST(JXStrTest, SeparatorOfSeveralCharactersIsMatchedWhole)
{
    EXPECT_EQ(JXStr::RightOf("x{/splitRow}y", "{/splitRow}"), "y");
    EXPECT_EQ(JXStr::LeftOf("x{/splitRow}y", "{/splitRow}"), "x");
    EXPECT_EQ(JXStr::LeftOf("x{/split}y{/splitRow}z", "{/splitRow}"), "x{/split}y");
    EXPECT_EQ(JXStr::RightOf("x{/splitRo", "{/splitRow}"), "") << "a cut separator is no separator";
    EXPECT_EQ(JXStr::LeftOf("a:b::c", "::"), "a:b");
    EXPECT_EQ(JXStr::RightOf("a:b::c", "::"), "c");
    EXPECT_EQ(JXStr::RightOf("a:::b", "::"), ":b") << "the first match wins, overlapping ones are not tried";
    EXPECT_EQ(JXStr::LeftOf("Зенит — Спартак", " — "), "Зенит");
    EXPECT_EQ(JXStr::RightOf("Зенит — Спартак", " — "), "Спартак");
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

TEST(JXStrTest, SubStrClampsStartAndCount)
{
    EXPECT_EQ(JXStr::SubStr("abc", 0, 2), "ab");
    EXPECT_EQ(JXStr::SubStr("abc", -5, 1), "a");
    EXPECT_EQ(JXStr::SubStr("abc", 3, 10), "c");
    EXPECT_EQ(JXStr::SubStr("abc", 4, 1), "");
    EXPECT_EQ(JXStr::SubStr("abc", 2, 0), "");
    EXPECT_EQ(JXStr::SubStr("abc", 2, -1), "");
    EXPECT_EQ(JXStr::SubStr("", 1, 1), "");
}

TEST(JXStrTest, PositionsAndLengthsCountCyrillicLettersWhole)
{
    const JXStr match = "Зенит-Арсенал";
    EXPECT_EQ(match.Length(), 13);
    EXPECT_EQ(JXStr::Pos(match, "-"), 6);
    EXPECT_EQ(JXStr::Pos(match, "Арс"), 7);
    EXPECT_EQ(JXStr::Pos(match, "x"), 0);
    EXPECT_EQ(JXStr::Pos(match, ""), 0);
    EXPECT_EQ(JXStr::SubStr(match, 1, 1), "З");
    EXPECT_EQ(JXStr::SubStr(match, 7, 3), "Арс");
    EXPECT_EQ(JXStr::SubStr(match, 11, 16), "нал");
    EXPECT_EQ(JXStr::SubStr("München", 2, 3), "ünc");
    JXStr text = match;
    EXPECT_EQ(JXStr::Delete(text, 1, 6), "Арсенал");
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
    JXStr text = "abcdef";
    EXPECT_EQ(JXStr::Delete(text, 2, 3), "aef");
    EXPECT_EQ(text, "aef");
    EXPECT_EQ(JXStr::Delete(text, 2, 100), "a") << "the count is cut at the end";
    EXPECT_EQ(JXStr::Delete(text, 0, 1), "a") << "an index below 1 deletes nothing";
    EXPECT_EQ(JXStr::Delete(text, 2, 1), "a") << "an index past the end deletes nothing";
    EXPECT_EQ(JXStr::Delete(text, 1, 0), "a");
    EXPECT_EQ(text, "a");
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

TEST(JXStrTest, ComparisonIsOrdinalByBytes)
{
    EXPECT_LT(JXStr("B"), JXStr("a"));
    EXPECT_LT(JXStr("a"), JXStr("ab"));
    EXPECT_LT(JXStr("z"), JXStr("а")) << "non-ASCII bytes sort after ASCII";
    EXPECT_EQ(JXStr("x"), JXStr(AnsiString("x")));
    EXPECT_NE(JXStr("x"), JXStr("X"));
    const std::map<JXStr, int> columns{{"name", 1}, {"Name", 0}, {"", 2}};
    EXPECT_EQ(columns.begin()->second, 2);
    EXPECT_EQ(columns.rbegin()->second, 1);
}

TEST(JXStrTest, ValuesAndConcatenation)
{
    const JXStr empty;
    ASSERT_NE(empty.c_str(), nullptr);
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_EQ(empty.Length(), 0);
    const JXStr folder = "/opt/kovral/";
    EXPECT_EQ(folder + "Predict/", "/opt/kovral/Predict/");
    EXPECT_EQ(folder + JXStr("a") + AnsiString("b"), "/opt/kovral/ab");
    EXPECT_EQ(folder, "/opt/kovral/") << "operands stay unchanged";
    JXStr assigned;
    assigned = "Спартак";
    EXPECT_EQ(assigned.GetAnsi(), "Спартак");
    EXPECT_EQ(static_cast<AnsiString>(assigned), "Спартак");
}
