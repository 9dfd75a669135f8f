#include "predict/dbpredictbase.h"

#include <gtest/gtest.h>

#include "foundation/jxerr.h"
#include "predictleaguefixture.h"

namespace {

using DBPredictBaseTest = PredictLeagueFixture;

TEST_F(DBPredictBaseTest, PercentToKefTakesTheMarginOffAndKeepsTheMarkersApart)
{
    const struct {
        float percent, kef;
    } cases[] = {{45, 2.11f}, {50, 1.9f}, {55, 1.73f}, {20, 4.75f}, {0, 100}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(DBPredictBase::PercentToKef(c.percent, 0.05f), c.kef) << c.percent;
}

// Each refused match follows a placed one, whose values must not survive it.
TEST_F(DBPredictBaseTest, SetTeamPlacesTheMatchOrRefusesTeamsOfOtherSeasonsOrLeaguesAndASmallLeague)
{
    DBPredictBase match;
    ASSERT_TRUE(match.SetTeam(Home, Away, 1.8f, 3.4f, 4.5f, 2.1f, 1.7f));
    EXPECT_EQ(match.GetSeasonID(), 2);
    EXPECT_EQ(match.GetChampID(), League);
    // Home rows of both seasons: 34 home and 15 away goals in 27 matches.
    EXPECT_FLOAT_EQ(match.GetAvgChampGoals1(), 34.0f / 27);
    EXPECT_FLOAT_EQ(match.GetAvgChampGoals2(), 15.0f / 27);
    // Season 2 only: Home took 10 points in 5 home games, Away 7 in 5 away games.
    EXPECT_FLOAT_EQ(match.GetPoint1(), 2.0f);
    EXPECT_FLOAT_EQ(match.GetPoint2(), 1.4f);
    EXPECT_TRUE(Logged().empty());

    const struct {
        int team1, team2;
        const char* warning;
    } refused[] = {
            {Home, Relegated, "[WARNING] DBPredictBase::SetTeam: SeasonID Team1 != Team2"},
            {Home, Small1, "[WARNING] DBPredictBase::SetTeam : ChampID Team1 != Team2"},
            {Small1, Small2, "[WARNING] DBPredictBase::SetTeam : AvgChampGoals very little games"},
    };
    for (const auto& c : refused) {
        ASSERT_TRUE(match.SetTeam(Home, Away, 1.8f, 3.4f, 4.5f, 2.1f, 1.7f));
        JXErr::ResetForTests();
        EXPECT_FALSE(match.SetTeam(c.team1, c.team2, 2.0f, 3.0f, 4.0f, 2.0f, 1.8f)) << c.warning;
        EXPECT_EQ(Logged(), std::vector<std::string>{c.warning});
        EXPECT_FLOAT_EQ(match.GetAvgChampGoals1(), -1.0f) << c.warning;
        EXPECT_FLOAT_EQ(match.GetPoint1(), 0.0f) << c.warning;
    }
}

}  // namespace
