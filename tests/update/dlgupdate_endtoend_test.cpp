#include "update/dlgupdate.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "data/constants.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "sampledata/sampledatagenerator.h"
#include "shareddata.h"
#include "updatedialogfixture.h"
#include "updateservice/openfootball.h"

namespace {

using Lines = std::vector<std::string>;

// Whole roads from a new program folder: setup without data, then the update.
class TDlgUpdateEndToEndTest : public UpdateDialogFixture {
protected:
    static int Number(const std::string& jetSql)
    {
        TADOQuery query(DBConnect::GetData()->GetConnection());
        query.SetSQL(jetSql);
        query.Open();
        return query.Fields(0)->AsInteger();
    }

    // Updates through the dialog and expects every step to end well.
    void UpdateWithEveryStepOk()
    {
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        Lines expected;
        for (const auto& [step, id] : std::vector<std::pair<int, int>>{{1, 1052}, {2, 1053}, {3, 1055},
                                                                       {4, 1056}, {5, 1402}, {6, 1057}})
            expected.push_back(std::to_string(step) + ". " + Text(id) + "... OK");
        expected.push_back("");
        EXPECT_EQ(MemoLines(dialog), expected);
        EXPECT_EQ(dialog.Tag(), 1);
    }

    static std::vector<int> Rising(int first, int last)
    {
        std::vector<int> numbers(last - first + 1);
        std::iota(numbers.begin(), numbers.end(), first);
        return numbers;
    }
};

TEST_F(TDlgUpdateEndToEndTest, SampleDataArriveThroughTheUpdateAndShowInATournamentView)
{
    ASSERT_EQ(Number("SELECT COUNT(*) FROM Fixed"), 0) << "the setup loads no data of its own";
    const SampleDataSummary sample = SampleDataGenerator(SampleDataOptions{}).Generate(FilesFolder());
    ASSERT_GT(sample.files, 2);

    UpdateWithEveryStepOk();
    EXPECT_EQ(FilesAsked(), Rising(1, sample.files));
    EXPECT_EQ(DBConnect::GetData()->GetUpdate(), std::to_string(sample.files));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM Fixed"), sample.playedMatches);
    EXPECT_EQ(Number("SELECT SUM(Game) FROM Stats WHERE Field=1"), sample.playedMatches);

    // The newest season of a league, added to the history as the tournament picker does.
    TADOQuery league(DBConnect::GetData()->GetConnection());
    league.SetSQL("SELECT TOP 1 F.ChampID AS ChampID, F.SeasonID AS SeasonID FROM Fixed AS F INNER JOIN Champ AS C "
                  "ON C.ChampID = F.ChampID WHERE C.TypeID=1 ORDER BY F.SeasonID DESC, F.ChampID");
    league.Open();
    const int champ = league.FieldByName("ChampID")->AsInteger();
    const int season = league.FieldByName("SeasonID")->AsInteger();
    DBFilter filter;
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddChamp(champ, season));
    ASSERT_TRUE(filter.Update());

    DBFixed fixed;
    ASSERT_TRUE(fixed.OpenByFilter(&filter));
    const int matches = Number("SELECT COUNT(*) FROM Fixed WHERE ChampID=" + std::to_string(champ) +
                               " AND SeasonID=" + std::to_string(season));
    EXPECT_GT(matches, 100);
    EXPECT_EQ(fixed.Count(), matches);
    for (TADOQuery* query = fixed.GetQuery(); !query->Eof(); query->Next()) {
        ASSERT_EQ(fixed.GetChampID(), champ);
        ASSERT_EQ(fixed.GetSeasonID(), season);
    }
}

TEST_F(TDlgUpdateEndToEndTest, PremierLeague2018SeasonGivesTheRealStandings)
{
    const std::string shared = SharedDataFolder();
    if (shared.empty())
        GTEST_SKIP() << NoSharedDataMessage();
    OpenFootballOptions options;
    options.fileCount = 4;
    const ConvertedSeason season =
            ConvertOpenFootballFile(shared + "openfootball-football-json/2018-19/en.1.json", options);
    ServeFiles(options.firstFileNumber, season.files);

    UpdateWithEveryStepOk();
    EXPECT_EQ(FilesAsked(), Rising(1, 4));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM Fixed"), 380);

    TADOQuery table(DBConnect::GetData()->GetConnection());
    table.SetSQL(SqlTableFullSelect + "WHERE Stats.ChampID=1 AND Stats.SeasonID=2018 GROUP BY Team.Name,Team.TeamID "
                 "ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , Sum(Stats.Gol1-Stats.Gol2) DESC, "
                 "Sum(Stats.Gol1) DESC;");
    table.Open();
    std::map<std::string, int> points;
    Lines order;
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
