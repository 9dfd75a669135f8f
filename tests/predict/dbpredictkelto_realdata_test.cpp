#include "predict/dbpredictkelto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "data/codes.h"
#include "datafolderfixture.h"
#include "shareddata.h"
#include "updateservice/seasonloader.h"

namespace {

// The 2018-19 and 2019-20 Premier League as an update brings them, with Bet365's odds;
// the matches from 1 January 2020 on are the coming fixtures the models judge.
class DBPredictKeltoRealDataTest : public DataFolderFixture {
protected:
    void SetUp() override
    {
        const std::string shared = SharedDataFolder();
        if (shared.empty())
            GTEST_SKIP() << NoSharedDataMessage();
        std::vector<SeasonSource> sources(2);
        sources[0].path = shared + "football-data-co-uk/E0_1819.csv";
        sources[1].path = shared + "football-data-co-uk/E0_1920.csv";
        for (SeasonSource& source : sources)
            source.fixturesFrom = QDate(2020, 1, 1);
        LoadSeasons(sources);
    }
};

// Pearson's correlation of two series of the same length.
double Correlation(const std::vector<double>& x, const std::vector<double>& y)
{
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        syy += y[i] * y[i];
        sxy += x[i] * y[i];
    }
    return (n * sxy - sx * sy) / std::sqrt((n * sxx - sx * sx) * (n * syy - sy * sy));
}

TEST_F(DBPredictKeltoRealDataTest, ModelFollowsTheBookmakerOnEveryComingFixture)
{
    const Rows fixtures = Select("SELECT Team1ID, Team2ID, Kef1, KefX, Kef2, Un25, Ov25 FROM Calendar");
    ASSERT_EQ(fixtures.size(), 181u);
    std::vector<double> modelHome, bookmakerHome, kefRatios;
    int clearFavourites = 0, sameFavourite = 0;
    const std::set<std::string> picks[] = {
            {"", "{OZ}"}, {"", "{IT1}", "{IT2}", "{W1}", "{W2}"}, {"", "{IT1}", "{IT2}", "{IT1} {IT2}"}};
    for (const auto& row : fixtures) {
        const auto kef = [&](int column) { return std::stof(row[column]); };
        DBPredictKelto match;
        ASSERT_TRUE(match.SetTeam(std::stoi(row[0]), std::stoi(row[1]), kef(2), kef(3), kef(4), kef(5), kef(6)))
                << row[0] << "-" << row[1];
        ASSERT_TRUE(match.EnterPercent(FieldCode::Home)) << row[0] << "-" << row[1];
        modelHome.push_back(match.GetPercent1(false));
        bookmakerHome.push_back(1 / kef(2) / (1 / kef(2) + 1 / kef(3) + 1 / kef(4)));
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
    EXPECT_GE(Correlation(modelHome, bookmakerHome), 0.6);
    EXPECT_EQ(clearFavourites, 85);
    EXPECT_GE(sameFavourite, 0.9 * clearFavourites);
    std::nth_element(kefRatios.begin(), kefRatios.begin() + kefRatios.size() / 2, kefRatios.end());
    const double median = kefRatios[kefRatios.size() / 2];
    EXPECT_GE(median, 0.75);
    EXPECT_LE(median, 1.33);
}

}  // namespace
