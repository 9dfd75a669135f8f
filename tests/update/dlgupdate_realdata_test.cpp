#include "update/dlgupdate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "data/constants.h"
#include "data/dbconnect.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "shareddata.h"
#include "updatedialogfixture.h"
#include "updateservice/openfootball.h"

namespace {

// A real season served to a new program folder (setup without data) and taken in
// through the dialog.
using TDlgUpdateRealDataTest = UpdateDialogFixture;

TEST_F(TDlgUpdateRealDataTest, PremierLeague2018SeasonGivesTheRealStandings)
{
    const std::string shared = SharedDataFolder();
    if (shared.empty())
        GTEST_SKIP() << NoSharedDataMessage();
    OpenFootballOptions options;
    options.fileCount = 4;
    const ConvertedSeason season =
            ConvertOpenFootballFile(shared + "openfootball-football-json/2018-19/en.1.json", options);
    ServeFiles(options.firstFileNumber, season.files);

    TDlgUpdate dialog;
    ClickUpdate(dialog);
    std::vector<std::string> everyStepOk;
    for (const auto& [step, id] : std::vector<std::pair<int, int>>{{1, 1052}, {2, 1053}, {3, 1055},
                                                                   {4, 1056}, {5, 1402}, {6, 1057}})
        everyStepOk.push_back(std::to_string(step) + ". " + Text(id) + "... OK");
    everyStepOk.push_back("");
    EXPECT_EQ(MemoLines(dialog), everyStepOk);
    EXPECT_EQ(FilesAsked(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(DataValue("SELECT COUNT(*) FROM Fixed"), "380");

    TADOQuery table(DBConnect::GetData()->GetConnection());
    table.SetSQL(SqlTableFullSelect + "WHERE Stats.ChampID=1 AND Stats.SeasonID=2018 GROUP BY Team.Name,Team.TeamID "
                 "ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , Sum(Stats.Gol1-Stats.Gol2) DESC, "
                 "Sum(Stats.Gol1) DESC;");
    table.Open();
    std::map<std::string, int> points;
    std::vector<std::string> order;
    for (; !table.Eof(); table.Next()) {
        order.push_back(table.FieldByName("Team")->AsString());
        points[order.back()] = table.FieldByName("Point")->AsInteger();
    }
    ASSERT_EQ(order.size(), 20u);
    EXPECT_EQ(order.front(), "Manchester City");
    EXPECT_EQ(order.back(), "Huddersfield Town");
    EXPECT_EQ(points["Manchester City"], 98);
    EXPECT_EQ(points["Liverpool FC"], 97);
    EXPECT_EQ(points["Chelsea FC"], 72);
    EXPECT_EQ(points["Huddersfield Town"], 16);
}

}  // namespace
