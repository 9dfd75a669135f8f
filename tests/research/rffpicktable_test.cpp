#include "research/rffpicktable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sysutils.h"

namespace {

const TDateTime June12 = EncodeDate(2019, 6, 12);
constexpr int June12Midnight = 1560297600;

RffPick Pick(const std::string& team1, const std::array<AnsiString, 3>& picks)
{
    return {June12, "1930", "Premier League", 7, team1, 9, "Away", picks};
}

TEST(KickOffTimeTest, TheDateAtTheStoredHourAndMinuteOrElseMidnight)
{
    const std::vector<std::pair<const char*, int>> cases = {
            {"1930", 1560367800},
            {"0000", June12Midnight},
            {"2359", June12Midnight + 86340},
            {"0905", June12Midnight + 32700},
            // Not a valid hhmm: midnight, where encoding the parts would raise.
            {"2400", June12Midnight},
            {"1260", June12Midnight},
            {"19:30", June12Midnight},
            {" 930", June12Midnight},
            {"", June12Midnight},
    };
    for (const auto& [fixTime, unixTime] : cases)
        EXPECT_EQ(KickOffTime(June12, fixTime), unixTime) << '"' << fixTime << '"';
}

// The exact text of a day's upload is the pick export's test.
TEST(RffPickTableTest, OnlyFixturesWithAPickMakeRowsAndTheTextParsesBackWithoutAmpersands)
{
    RffPickTable table;
    EXPECT_FALSE(table.Add(Pick("Home", {"", "", ""})));
    EXPECT_TRUE(table.Add(Pick("Brighton & Hove Albion", {"{OZ}", "", ""})));
    EXPECT_TRUE(table.Add(Pick("Q+R 100% Ünited", {"", "{IT2}", "{IT1} {IT2}"})));
    JXParse parsed;
    parsed.ParseText(table.ToText());
    ASSERT_EQ(parsed.RowCount(), 2);
    const std::vector<std::string> names = {"DateTime", "ChampName", "Team1ID", "Team1Name", "Team2ID", "Team2Name",
                                            "Stats",    "Finans",    "Inform",  "Advice",    "Score",   "Value"};
    const std::vector<std::vector<std::string>> rows = {
            {"1560367800", "Premier League", "7", "Brighton  Hove Albion", "9", "Away", "{OZ}", "", "", " ", " ", " "},
            {"1560367800", "Premier League", "7", "Q+R 100% Ünited", "9", "Away", "", "{IT2}", "{IT1} {IT2}", " ", " ",
             " "},
    };
    EXPECT_EQ(parsed.ColCount(), 12);
    for (int row = 0; row < 2; ++row)
        for (size_t column = 0; column < names.size(); ++column) {
            ASSERT_TRUE(parsed.HasColumn(names[column])) << names[column];
            EXPECT_EQ(parsed.GetField(row, names[column]).GetAnsi(), rows[row][column]) << names[column];
        }
}

}  // namespace
