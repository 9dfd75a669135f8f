#include "predict/dbpredictpercent.h"

#include <gtest/gtest.h>

#include "data/codes.h"
#include "foundation/jxerr.h"
#include "predictleaguefixture.h"

namespace {

using DBPredictPercentTest = PredictLeagueFixture;

// One object through several matches and computations, each from its own start: a
// failed computation leaves -1, never the values of the one before.
TEST_F(DBPredictPercentTest, PercentagesFromTheSidesSumsOfTheSeasonAndTheOneBefore)
{
    constexpr int Current = 0;  // EnterPercent: the match's season and the one before
    const struct {
        const char* what;
        int team1, team2, season, field;
        bool withPrevSeason, ok;
        float p1, p2;
        const char* warning;
    } cases[] = {
            // (6 home wins + 5 away losses) / 20 games, (1 home loss + 3 away wins) / 20.
            {"home and away, two seasons", Home, Away, Current, FieldCode::Home, true, true, 55, 20, nullptr},
            {"a failing side after a good match", Short, Away, Current, FieldCode::Home, true, false, -1, -1,
             "[WARNING] DBPredictPercent::EnterPercentLastCurSeason: very little games 2"},
            {"the season alone", Home, Away, 2, FieldCode::Home, false, true, 50, 30, nullptr},
            // Every match: Home 6-3-2 and Away 4-2-5 in 11 games each.
            {"every match", Home, Away, 2, FieldCode::Both, true, true, 50, 27, nullptr},
            {"another field", Home, Away, 2, FieldCode::Away, true, false, -1, -1,
             "[WARNING] DBPredictPercent::EnterPercentLastCurSeason: DBFixed::FLD ERROR"},
            {"a side without away games", Home, Short, Current, FieldCode::Home, true, true, -1, -1, nullptr},
    };
    DBPredictPercent match;
    for (const auto& c : cases) {
        ASSERT_TRUE(match.SetTeam(c.team1, c.team2, 2.0f, 3.0f, 4.0f, 2.0f, 1.8f)) << c.what;
        JXErr::ResetForTests();
        EXPECT_EQ(c.season == Current ? match.EnterPercent(c.field)
                                      : match.EnterPercentLastCurSeason(c.season, c.field, c.withPrevSeason),
                  c.ok)
                << c.what;
        EXPECT_FLOAT_EQ(match.GetPercent1(false), c.p1) << c.what;
        EXPECT_FLOAT_EQ(match.GetPercent2(false), c.p2) << c.what;
        EXPECT_EQ(Logged(), c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{}) << c.what;
    }

    ASSERT_TRUE(match.SetTeam(Home, Away, 2.0f, 3.0f, 4.0f, 2.0f, 1.8f));
    ASSERT_TRUE(match.EnterPercent(FieldCode::Home));
    EXPECT_FLOAT_EQ(match.GetPercent1(true), 1.73f);
    EXPECT_FLOAT_EQ(match.GetPercent2(true), 4.75f);
}

// Split by venue: each side's last five games at its own ground, trimmed (Home scored 1
// and conceded 1/3 at home, Away scored 1 and conceded 2/3 away), less the league's mean
// goals of that side (34 home and 15 away goals in 27 matches).
TEST_F(DBPredictPercentTest, ExpectedGoalsByVenueLessTheLeaguesMeanOfEachSide)
{
    DBPredictPercent match;
    ASSERT_TRUE(match.SetTeam(Home, Away, 2.0f, 3.0f, 4.0f, 2.0f, 1.8f));
    ASSERT_TRUE(match.EnterScoreLastFixed(5, true, true));
    EXPECT_NEAR(match.GetScore1(), 1 + 2 / 3.0 - 34 / 27.0, 1e-5);
    EXPECT_NEAR(match.GetScore2(), 1 / 3.0 + 1 - 15 / 27.0, 1e-5);
}

}  // namespace
