#include "predict/dbelorang.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "datafolderfixture.h"
#include "shareddata.h"
#include "update/dbupdateview.h"
#include "updateservice/instructionfile.h"
#include "updateservice/openfootball.h"

namespace {

// Real seasons taken in as an update brings them, then rated.
class DBEloRangRealDataTest : public DataFolderFixture {
protected:
    void SetUp() override
    {
        if (SharedDataFolder().empty())
            GTEST_SKIP() << NoSharedDataMessage();
    }

    // Applies the season's instruction files and rebuilds Stats; the team ids by name.
    std::map<std::string, int> Load(const std::string& file, const OpenFootballOptions& options = {})
    {
        const ConvertedSeason season =
                ConvertOpenFootballFile(SharedDataFolder() + "openfootball-football-json/" + file, options);
        DBUpdateView view;
        for (const std::vector<std::string>& statements : season.files)
            EXPECT_TRUE(view.ApplyInstructions(InstructionFileText(statements), nullptr, 100, 0));
        EXPECT_TRUE(view.UpdateStats(nullptr, 100));
        return season.teams;
    }
};

TEST_F(DBEloRangRealDataTest, PremierLeague2018)
{
    const std::map<std::string, int> teams = Load("2018-19/en.1.json");
    DBEloRang().UpdateSeason(2018, "", nullptr);
    DBEloRang::UpdateEloStats(2018);

    const Rows walk = Select("SELECT T1.Name, T2.Name, E.Rang1, E.Rang2, E.NewRang1, E.NewRang2, E.IsStats FROM "
                             "((EloFixed AS E INNER JOIN Fixed AS F ON E.FixedIND = F.FixedIND) INNER JOIN Team AS T1 "
                             "ON F.Team1ID = T1.TeamID) INNER JOIN Team AS T2 ON F.Team2ID = T2.TeamID ORDER BY "
                             "F.Date, F.FixedIND");
    ASSERT_EQ(walk.size(), 380u);
    EXPECT_EQ(walk.front(), (std::vector<std::string>{"Manchester United", "Leicester City", "1000", "1000", "1009",
                                                      "988", "False"}));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM EloFixed WHERE IsStats=True"), "340");

    const std::pair<const char*, int> ratings[] = {
            {"Manchester City", 1188}, {"Liverpool FC", 1186}, {"Chelsea FC", 1010}, {"Huddersfield Town", 705}};
    for (const auto& [team, rating] : ratings)
        EXPECT_EQ(DBEloRang::GetRang(teams.at(team)), rating) << team;
    const int city = teams.at("Manchester City");
    EXPECT_EQ(DBEloRang::GetRangTrend(city), 26);
    EXPECT_EQ(DBEloRang::GetRangTrend(teams.at("Liverpool FC")), 22);
    std::vector<int> cityBack;
    for (int n = 4; n >= 0; --n)
        cityBack.push_back(DBEloRang::GetRangBack(city, n));
    EXPECT_EQ(cityBack, (std::vector<int>{1167, 1177, 1181, 1184, 1188}));

    EXPECT_EQ(Select("SELECT COUNT(*), SUM(Game), SUM(Win1 + Draw + Win2) FROM EloStats"),
              (Rows{{"63", "340", "340"}}));
    EXPECT_EQ(Select("SELECT Game, Win1, Draw, Win2, Gol1, Gol2 FROM EloStats WHERE Deff=0"),
              (Rows{{"20", "10", "5", "5", "28", "21"}}));
}

}  // namespace
