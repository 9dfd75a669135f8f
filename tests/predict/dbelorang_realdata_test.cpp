#include "predict/dbelorang.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "correlation.h"
#include "realseasonfixture.h"
#include "updateservice/seasonloader.h"

namespace {

// Real seasons taken in as an update brings them, then rated season by season.
class DBEloRangRealDataTest : public RealSeasonFixture {
protected:
    SeasonRun LoadAndRate(const std::vector<SeasonSource>& sources)
    {
        const SeasonRun run = LoadSeasons(sources);
        DBEloRang elo;
        for (const auto& [name, season] : run.seasons) {
            elo.UpdateSeason(season, "", nullptr);
            DBEloRang::UpdateEloStats(season);
        }
        return run;
    }
};

TEST_F(DBEloRangRealDataTest, PremierLeague2018)
{
    const SeasonRun run = LoadAndRate({Source("openfootball-football-json/2018-19/en.1.json")});
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
        EXPECT_EQ(DBEloRang::GetRang(run.teams.at(team)), rating) << team;
    const int city = run.teams.at("Manchester City");
    EXPECT_EQ(DBEloRang::GetRangTrend(city), 26);
    EXPECT_EQ(DBEloRang::GetRangTrend(run.teams.at("Liverpool FC")), 22);
    std::vector<int> cityBack;
    for (int n = 4; n >= 0; --n)
        cityBack.push_back(DBEloRang::GetRangBack(city, n));
    EXPECT_EQ(cityBack, (std::vector<int>{1167, 1177, 1181, 1184, 1188}));

    EXPECT_EQ(Select("SELECT COUNT(*), SUM(Game), SUM(Win1 + Draw + Win2) FROM EloStats"),
              (Rows{{"63", "340", "340"}}));
    EXPECT_EQ(Select("SELECT Game, Win1, Draw, Win2, Gol1, Gol2 FROM EloStats WHERE Deff=0"),
              (Rows{{"20", "10", "5", "5", "28", "21"}}));
}

TEST_F(DBEloRangRealDataTest, BundesligaBesideItsCup)
{
    const SeasonRun run = LoadAndRate({Source("openfootball-football-json/2018-19/de.1.json"),
                                       Source("openfootball-football-json/2018-19/de.cup.json", ChampTypeID::Cup)});
    EXPECT_EQ(Value("SELECT COUNT(*) FROM EloFixed"), "306") << "no row for a cup match";
    EXPECT_EQ(DBEloRang::GetRang(run.teams.at("Bayern München")), 1143);
    EXPECT_EQ(DBEloRang::GetRang(run.teams.at("1. FC Nürnberg")), 748);
}

TEST_F(DBEloRangRealDataTest, RatingDifferenceFollowsTheBookmakersHomeChance)
{
    const char* files[] = {"E0_1819.csv", "E0_1920.csv", "E0_2021.csv", "E0_2223.csv", "E0_2324.csv", "E0_2425.csv"};
    std::vector<SeasonSource> sources;
    for (const char* file : files)
        sources.push_back(Source(std::string("football-data-co-uk/") + file));
    const SeasonRun run = LoadAndRate(sources);
    ASSERT_EQ(run.seasons.size(), 6u);
    for (const auto& [name, season] : run.seasons) {
        // The home chance the odds imply, the bookmaker's margin taken out.
        std::vector<std::pair<double, double>> points;
        for (const auto& row : Select("SELECT E.Rang1 - E.Rang2, 1 / F.Kef1 / (1 / F.Kef1 + 1 / F.KefX + 1 / F.Kef2) "
                                      "FROM EloFixed AS E INNER JOIN Fixed AS F ON E.FixedIND = F.FixedIND WHERE "
                                      "E.IsStats=True AND F.SeasonID=" +
                                      std::to_string(season)))
            points.emplace_back(std::stod(row[0]), std::stod(row[1]));
        EXPECT_GT(points.size(), 300u) << name;
        EXPECT_GE(Correlation(points), 0.75) << name;
    }
}

}  // namespace
