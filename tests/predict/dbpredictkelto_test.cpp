#include "predict/dbpredictkelto.h"

#include <gtest/gtest.h>

#include "foundation/jxerr.h"
#include "predictleaguefixture.h"

namespace {

using DBPredictKeltoTest = PredictLeagueFixture;

// Each case a league of its own: its home side and its away side each with the results
// given (own goals first; the first in season 1, the others in season 2), and the
// matches of two fillers that set the league's mean goals. The trimmed averages of five
// results come out whole, the means to two decimals at most.
TEST_F(DBPredictKeltoTest, BothTeamsScorePickOfTheExpectedGoals)
{
    const struct {
        const char *home, *away, *fillers;
        bool ok;
        float score1, score2;
        const char *pick, *warning;
    } cases[] = {
            // Both sides score 2 and concede 1; 2.5 goals a match, 1.25 a side.
            {"2:1 2:1 2:1 0:0 5:3", "2:1 2:1 2:1 0:0 5:3", "1:0 1:0 1:0 1:0 1:0 1:0", true, 1.75f, 1.75f, "{OZ}",
             nullptr},
            // Away scores 3; 3.5 goals a match.
            {"2:1 2:1 2:1 0:0 5:3", "3:1 3:1 3:1 0:0 4:3", "2:2 2:2 2:2 2:2 1:1 1:1", true, 1.25f, 2.25f, "", nullptr},
            // Home concedes nothing and Away scores nothing: 0 - 1.25.
            {"2:0 2:0 2:0 0:0 5:0", "0:1 0:1 0:1 0:0 0:3", "4:0 4:0 4:0 4:0 4:0 2:1", true, 1.75f, 0.0f, "", nullptr},
            // The bound itself: 3 - 62 goals / 20 matches / 2 on both sides.
            {"2:1 2:1 2:1 0:0 2:1", "2:1 2:1 2:1 0:0 2:1", "2:3 2:3 2:3 2:3 2:3 1:2 1:2 1:2 1:2 1:0", true, 1.45f,
             1.45f, "{OZ}", nullptr},
            // Just under it on one side: 3 and 4 - 78 goals / 25 matches / 2.
            {"2:1 2:1 2:1 0:0 2:1", "3:1 3:1 3:1 0:0 3:1",
             "2:2 2:2 2:2 2:2 2:2 2:2 2:2 2:2 2:2 2:2 1:1 1:1 1:1 1:1 1:1", true, 1.44f, 2.44f, "", nullptr},
            {"1:0 1:0 1:0 1:0", "2:1 2:1 2:1 0:0 5:3", "1:0 1:0 1:0 1:0 1:0 1:0", false, -1, -1, "",
             "[WARNING] DBPredictScore::EnterScoreLastFixed: very little games 2"},
    };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const int league = 10 + i, team = 100 + 10 * i;
        AddLeague(league);
        for (const int side : {team + 1, team + 2}) {
            const std::string results = side == team + 1 ? cases[i].home : cases[i].away;
            const size_t first = results.find(' ');
            Play(league, 1, side, side + 2, results.substr(0, first));
            Play(league, 2, side, side + 2, results.substr(first + 1));
        }
        Play(league, 2, team + 3, team + 4, cases[i].fillers);
    }
    Rebuild();
    DBPredictKelto match;
    EXPECT_FALSE(match.UpdatePredictKeltoAlgo1()) << "no match set";
    EXPECT_EQ(Logged(),
              std::vector<std::string>{"[ERROR] DBPredictScore::EnterScoreLastFixed: NOT SET Team1ID and Team2ID"});
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        ASSERT_TRUE(match.SetTeam(100 + 10 * i + 1, 100 + 10 * i + 2, 2.0f, 3.0f, 4.0f, 2.0f, 1.8f)) << i;
        JXErr::ResetForTests();
        EXPECT_EQ(match.UpdatePredictKeltoAlgo1(), cases[i].ok) << i;
        EXPECT_FLOAT_EQ(match.GetScore1(), cases[i].score1) << i;
        EXPECT_FLOAT_EQ(match.GetScore2(), cases[i].score2) << i;
        EXPECT_EQ(match.GetAlgoText(0), cases[i].pick) << i;
        EXPECT_EQ(Logged(), cases[i].warning ? std::vector<std::string>{cases[i].warning} : std::vector<std::string>{})
                << i;
    }
}

// Home against Away: P1 55 and P2 20, model odds 1.73 and 4.75; against Short, whose
// away games are none, no percentages.
TEST_F(DBPredictKeltoTest, OddsPickOfTheModelAgainstTheBookmaker)
{
    const struct {
        int team2;
        float kef1, kef2;
        bool ok;
        const char* pick;
    } cases[] = {
            {Away, 1.2f, 5.5f, true, "{IT1}"},  // the model's favourite dearer, its outsider cheaper
            {Away, 2.3f, 3.1f, true, "{IT2}"},  // the other way round
            {Away, 1.8f, 4.0f, true, "{IT2}"},  // favourite agreed, outsider cheaper by the model
            {Away, 1.8f, 5.5f, true, "{W1}"},   // favourite agreed, outsider dearer by the model
            {Away, 2.1f, 4.75f, true, ""},
            {Away, 3.0f, 2.2f, true, "{IT2}"},  // the bookmaker's favourite away
            {Away, 2.5f, 2.5f, false, ""},
            {Short, 1.2f, 5.5f, true, ""},
    };
    DBPredictKelto match;
    for (const auto& c : cases) {
        ASSERT_TRUE(match.SetTeam(Home, c.team2, c.kef1, 3.3f, c.kef2, 1.9f, 1.9f));
        JXErr::ResetForTests();
        EXPECT_EQ(match.UpdatePredictKeltoAlgo2(), c.ok) << c.kef1 << " " << c.kef2;
        EXPECT_EQ(match.GetAlgoText(1), c.pick) << c.kef1 << " " << c.kef2;
        EXPECT_EQ(Logged(), c.ok ? std::vector<std::string>{}
                                 : std::vector<std::string>{
                                           "[WARNING] DBPredictKelto::UpdatePredictKeltoAlgo2: NOT KOEF"});
    }
    EXPECT_FLOAT_EQ(match.GetPercent1(true), 0.0f) << "no odds without a percentage";

    // Odds 2.4 and 3.9 of the model: rule 1 on the arithmetic alone.
    EXPECT_EQ(DBPredictKelto::OddsPick(1, 2.4f, 1.8f, 3.9f, 4.5f), "{IT1}");

    // Favourite's odds 0.3 apart still agree, 0.31 apart no longer; 0.95 and 1.25 lie
    // exactly 0.3 apart in single precision.
    const struct {
        float myFav, bkFav, myOut, bkOut;
        const char* pick;
    } agreements[] = {{1.7f, 2.0f, 5.0f, 4.5f, "{IT2}"},  {2.0f, 1.7f, 4.0f, 4.5f, "{W1}"},
                      {1.69f, 2.0f, 5.0f, 4.5f, ""},      {2.0f, 1.69f, 4.0f, 4.5f, ""},
                      {0.95f, 1.25f, 5.0f, 4.5f, "{IT2}"}, {1.25f, 0.95f, 4.0f, 4.5f, "{W1}"}};
    for (const auto& a : agreements)
        EXPECT_EQ(DBPredictKelto::OddsPick(1, a.myFav, a.bkFav, a.myOut, a.bkOut), a.pick) << a.myFav << " " << a.bkFav;
}

TEST_F(DBPredictKeltoTest, PointsPickOfTheSidesBetweenOneAndAHalfAndTwoAndAHalf)
{
    const struct {
        float point1, point2;
        const char* pick;
    } cases[] = {{2.5f, 1.2f, "{IT1}"}, {1.5f, 1.5f, "{IT1} {IT2}"}, {2.6f, 1.4f, ""}, {1.0f, 2.0f, "{IT2}"}};
    for (const auto& c : cases)
        EXPECT_EQ(DBPredictKelto::PointsPick(c.point1, c.point2), c.pick) << c.point1 << " " << c.point2;

    DBPredictKelto match;
    ASSERT_TRUE(match.SetTeam(Home, Away, 1.8f, 3.3f, 4.5f, 1.9f, 1.9f));
    EXPECT_TRUE(match.UpdatePredictKeltoAlgo3());
    EXPECT_EQ(match.GetAlgoText(2), "{IT1}") << "points 2.0 and 1.4";
    EXPECT_EQ(match.GetAlgoText(3), "");
    EXPECT_EQ(match.GetAlgoText(-1), "");
}

}  // namespace
