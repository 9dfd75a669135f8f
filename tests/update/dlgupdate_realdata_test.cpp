#include "update/dlgupdate.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/dbtable.h"
#include "platform/adoquery.h"
#include "shareddata.h"
#include "updatedialogfixture.h"
#include "updateservice/seasonconverter.h"

namespace {

// A real season served to a new program folder (setup without data) and taken in
// through the dialog.
using TDlgUpdateRealDataTest = UpdateDialogFixture;

TEST_F(TDlgUpdateRealDataTest, PremierLeague2018SeasonGivesTheRealStandings)
{
    const std::string shared = SharedDataFolder();
    if (shared.empty())
        GTEST_SKIP() << NoSharedDataMessage();
    SeasonSource source;
    source.path = shared + "openfootball-football-json/2018-19/en.1.json";
    ServeFiles(1, SeasonConverter().Convert(source, 4).files);

    TDlgUpdate dialog;
    ClickUpdate(dialog);
    EXPECT_EQ(MemoLines(dialog).at(5), "6. " + Text(1057) + "... OK") << "every step ran";
    EXPECT_EQ(FilesAsked(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(DataValue("SELECT COUNT(*) FROM Fixed"), "380");

    DBTable table;
    ASSERT_TRUE(table.SelectTableFull(1, 2018, 0));
    using Standings = std::vector<std::pair<std::string, int>>;  // team, points
    Standings standings;
    for (; !table.GetQuery()->Eof(); table.GetQuery()->Next())
        standings.emplace_back(table.GetTeam(), table.GetPoint());
    ASSERT_EQ(standings.size(), 20u);
    standings.erase(standings.begin() + 3, standings.end() - 1);
    EXPECT_EQ(standings, (Standings{{"Manchester City", 98}, {"Liverpool FC", 97}, {"Chelsea FC", 72},
                                    {"Huddersfield Town", 16}}))
            << "the top three and the last";
}

}  // namespace
