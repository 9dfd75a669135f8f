#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "samplefolderfixture.h"
#include "standingssql.h"

namespace {

// A team's counters in the column order of the standings select: Game, Win, Draw, Lose,
// Under, Over, ByScore, ByMiss, NoScore, NoMiss, Minus, Plus, Gol1, Gol2, Point.
using Counters = std::array<int, 15>;

void Count(Counters& counters, int scored, int conceded)
{
    const int total = scored + conceded;
    const int difference = scored - conceded;
    const Counters match = {1, difference > 0, difference == 0, difference < 0, total < 3, total > 2, scored > 0,
                            conceded > 0, scored == 0, conceded == 0, difference >= 2, difference > -2, scored,
                            conceded, difference > 0 ? 3 : difference == 0};
    for (size_t i = 0; i < counters.size(); ++i)
        counters[i] += match[i];
}

// The sample as "kovral-setup --sample" loads it through the update.
using SampleStatsTest = SampleFolderFixture;

TEST_F(SampleStatsTest, LeagueStandingsFromStatsEqualThoseCountedFromTheMatches)
{
    EXPECT_TRUE(LogLines().empty()) << "no statement of the sample may be rejected";
    const std::string matches = Value("SELECT COUNT(*) FROM Fixed");
    EXPECT_EQ(Value("SELECT SUM(Game) FROM Stats WHERE Field=1"), matches) << "every match once from each side";
    EXPECT_EQ(Value("SELECT SUM(Game) FROM Stats WHERE Field=2"), matches);

    const Rows seasons = Select("SELECT DISTINCT F.ChampID, F.SeasonID FROM Fixed AS F INNER JOIN Champ AS C ON "
                                "C.ChampID=F.ChampID WHERE C.TypeID=1");
    ASSERT_GT(seasons.size(), 10u);
    for (const auto& season : seasons) {
        SCOPED_TRACE("league " + season[0] + ", season " + season[1]);
        std::map<int, Counters> counted;
        for (const auto& match : Select("SELECT Team1ID, Team2ID, Gol1, Gol2 FROM Fixed WHERE ChampID=" + season[0] +
                                        " AND SeasonID=" + season[1])) {
            Count(counted[std::stoi(match[0])], std::stoi(match[2]), std::stoi(match[3]));
            Count(counted[std::stoi(match[1])], std::stoi(match[3]), std::stoi(match[2]));
        }
        std::map<int, Counters> fromStats;
        std::optional<std::array<int, 4>> previous;
        for (const auto& row : Select(StandingsSql(season[0], season[1]))) {
            Counters& counters = fromStats[std::stoi(row[1])];
            for (size_t i = 0; i < counters.size(); ++i)
                counters[i] = std::stoi(row[i + 2]);
            // Standings order: points, wins, goal difference, goals scored.
            const std::array<int, 4> key = {counters[14], counters[1], counters[12] - counters[13], counters[12]};
            EXPECT_TRUE(!previous || *previous >= key) << "out of order at team " << row[1];
            previous = key;
        }
        ASSERT_EQ(fromStats, counted);
    }
}

}  // namespace
