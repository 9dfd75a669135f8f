#include "langids.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace {

struct LangLine {
    int number;  // 1-based line number, for messages
    std::string id;
    std::string text;
};

std::string SourceFile(const std::string& language)
{
    return std::string(KOVRAL_SOURCE_DIR) + "/tools/lang/" + language + ".lng.txt";
}

// Splits "id=text" at the first "=", as the program's reader does.
std::vector<LangLine> ReadLines(const std::string& bytes)
{
    std::vector<LangLine> lines;
    std::istringstream stream(bytes);
    int number = 0;
    for (std::string line; std::getline(stream, line);) {
        const size_t equals = line.find('=');
        lines.push_back({++number, line.substr(0, equals),
                         equals == std::string::npos ? std::string() : line.substr(equals + 1)});
    }
    return lines;
}

std::set<int> ListedIds()
{
    std::set<int> ids;
    for (const LangIdGroup& group : LangIdGroups())
        ids.insert(group.ids.begin(), group.ids.end());
    return ids;
}

class LangFileTest : public ::testing::TestWithParam<std::string> {
protected:
    LangFileTest() : bytes_(ReadFile(SourceFile(GetParam()))), lines_(ReadLines(bytes_)) {}

    std::string bytes_;
    std::vector<LangLine> lines_;
};

TEST_P(LangFileTest, EveryLineIsOneListedIdWithItsText)
{
    ASSERT_FALSE(bytes_.empty()) << SourceFile(GetParam()) << " is missing or empty";
    EXPECT_EQ(bytes_.find('\r'), std::string::npos) << "line ends are LF only";
    EXPECT_EQ(bytes_.back(), '\n');
    std::map<std::string, int> firstLine;
    std::set<int> ids;
    for (const LangLine& line : lines_) {
        ids.insert(std::atoi(line.id.c_str()));
        EXPECT_TRUE(!line.id.empty() && line.id.find_first_not_of("0123456789") == std::string::npos)
            << "line " << line.number << " has no numeric id: " << line.id;
        EXPECT_FALSE(line.text.empty()) << "line " << line.number << " (id " << line.id << ") has no text";
        // The reader keeps blanks, so a stray one would show in a caption.
        EXPECT_TRUE(line.text.empty() || (line.text.front() != ' ' && line.text.back() != ' '))
            << "line " << line.number << " (id " << line.id << ") has a blank at an end";
        const auto [previous, added] = firstLine.emplace(line.id, line.number);
        EXPECT_TRUE(added) << "id " << line.id << " on lines " << previous->second << " and " << line.number;
        EXPECT_TRUE((line.id != "1245" && line.id != "1246") || line.text.starts_with("https://"))
            << "a web address: " << line.text;
    }
    std::vector<int> missing, unlisted;
    std::ranges::set_difference(ListedIds(), ids, std::back_inserter(missing));
    std::ranges::set_difference(ids, ListedIds(), std::back_inserter(unlisted));
    EXPECT_TRUE(missing.empty()) << "ids missing: " << ::testing::PrintToString(missing);
    EXPECT_TRUE(unlisted.empty()) << "ids in no group of the list: " << ::testing::PrintToString(unlisted);
}

INSTANTIATE_TEST_SUITE_P(Languages, LangFileTest, ::testing::Values("ru", "en"));

TEST(LangIdsTest, EachIdIsListedOnceWithinTheProgramsRange)
{
    std::map<int, std::string> seen;
    for (const LangIdGroup& group : LangIdGroups())
        for (int id : group.ids) {
            EXPECT_TRUE(id >= 1001 && id <= 1404) << id << " (" << group.use << ")";
            const auto [previous, added] = seen.emplace(id, group.use);
            EXPECT_TRUE(added) << id << " is listed under " << previous->second << " and " << group.use;
        }
}

TEST(LangIdsTest, EnglishTextsAreTranslated)
{
    // Plain ASCII rules out a Russian text left in the English file.
    const std::string english = ReadFile(SourceFile("en"));
    for (const LangLine& line : ReadLines(english))
        for (unsigned char c : line.text)
            if (c >= 0x80) {
                ADD_FAILURE() << "id " << line.id << " is not plain English: " << line.text;
                break;
            }
}

}  // namespace
