#include "predict/dbpredictkelto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "correlation.h"
#include "realseasonfixture.h"
#include "updateservice/seasonloader.h"

namespace {

// The 2018-19 and 2019-20 Premier League as an update brings them, with Bet365's odds;
// the matches from 1 January 2020 on are the coming fixtures the models judge.
class DBPredictKeltoRealDataTest : public RealSeasonFixture {
protected:
    void SetUp() override
    {
        RealSeasonFixture::SetUp();
        if (IsSkipped())
            return;
        SeasonSource season2019 = Source("football-data-co-uk/E0_1920.csv");
        season2019.fixturesFrom = QDate(2020, 1, 1);
        LoadSeasons({Source("football-data-co-uk/E0_1819.csv"), season2019});
    }
};

TEST_F(DBPredictKeltoRealDataTest, ModelFollowsTheBookmakerOnEveryComingFixture)
{
    const Rows fixtures = Select("SELECT Team1ID, Team2ID, Kef1, KefX, Kef2, Un25, Ov25 FROM Calendar");
    ASSERT_EQ(fixtures.size(), 181u);
    std::vector<std::pair<double, double>> homeChances;  // the model's and Bet365's, its margin taken out
    std::vector<double> kefRatios;
    int clearFavourites = 0, sameFavourite = 0;
    const std::set<std::string> picks[] = {
            {"", "{OZ}"}, {"", "{IT1}", "{IT2}", "{W1}", "{W2}"}, {"", "{IT1}", "{IT2}", "{IT1} {IT2}"}};
    for (const auto& row : fixtures) {
        const auto kef = [&](int column) { return std::stof(row[column]); };
        DBPredictKelto match;
        ASSERT_TRUE(match.SetTeam(std::stoi(row[0]), std::stoi(row[1]), kef(2), kef(3), kef(4), kef(5), kef(6)))
                << row[0] << "-" << row[1];
        ASSERT_TRUE(match.EnterPercent(FieldCode::Home)) << row[0] << "-" << row[1];
        homeChances.emplace_back(match.GetPercent1(false), 1 / kef(2) / (1 / kef(2) + 1 / kef(3) + 1 / kef(4)));
        kefRatios.push_back(match.GetPercent1(true) / kef(2));
        const bool homeFavourite = kef(2) < kef(4);
        if (std::min(kef(2), kef(4)) < 1.8f) {
            ++clearFavourites;
            sameFavourite += (match.GetPercent1(true) < match.GetPercent2(true)) == homeFavourite;
        }
        EXPECT_TRUE(match.UpdatePredictKeltoAlgo1()) << row[0] << "-" << row[1];
        match.UpdatePredictKeltoAlgo2();
        match.UpdatePredictKeltoAlgo3();
        for (int algo : {0, 1, 2})
            EXPECT_TRUE(picks[algo].contains(match.GetAlgoText(algo))) << match.GetAlgoText(algo);
    }
    EXPECT_GE(Correlation(homeChances), 0.6);
    EXPECT_EQ(clearFavourites, 85);
    EXPECT_GE(sameFavourite, 0.9 * clearFavourites);
    std::nth_element(kefRatios.begin(), kefRatios.begin() + kefRatios.size() / 2, kefRatios.end());
    const double median = kefRatios[kefRatios.size() / 2];
    EXPECT_GE(median, 0.75);
    EXPECT_LE(median, 1.33);
}

}  // namespace
