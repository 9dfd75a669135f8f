#include "predict/dbpredictkelto.h"

#include <gtest/gtest.h>

#include "foundation/jxerr.h"
#include "predictleaguefixture.h"

namespace {

using DBPredictKeltoTest = PredictLeagueFixture;

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
                                 : std::vector<std::string>{"[WARNING] DBPredictKelto::UpdatePredictKeltoAlgo2: NOT KOEF"});
    }
    EXPECT_FLOAT_EQ(match.GetPercent1(true), 0.0f) << "no odds without a percentage";

    // Odds 2.4 and 3.9 of the model: rule 1 on the arithmetic alone.
    EXPECT_EQ(DBPredictKelto::OddsPick(1, 2.4f, 1.8f, 3.9f, 4.5f), "{IT1}");
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
