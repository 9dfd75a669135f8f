#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/codes.h"
#include "data/dbseason.h"
#include "data/dbseries.h"
#include "data/dbsetting.h"
#include "data/dbtable.h"
#include "platform/adoquery.h"
#include "samplefolderfixture.h"
#include "update/dbupdateview.h"

namespace {

// A team's counters: Game, Win, Draw, Lose, Under, Over, ByScore, ByMiss, NoScore, NoMiss,
// Minus, Plus, Gol1, Gol2, Point.
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
        DBTable table;
        ASSERT_TRUE(table.SelectTableFull(std::stoi(season[0]), std::stoi(season[1]), 0));
        for (TADOQuery* rows = table.GetQuery(); !rows->Eof(); rows->Next()) {
            fromStats[table.GetTeamID()] = {table.GetGame(),  table.GetWin(),     table.GetDraw(),    table.GetLose(),
                                            table.GetUnder(), table.GetOver(),    table.GetByScore(), table.GetByMiss(),
                                            table.GetNoScore(), table.GetNoMiss(), table.GetMinus(),  table.GetPlus(),
                                            table.GetGol1(),  table.GetGol2(),    table.GetPoint()};
            // Standings order: points, wins, goal difference, goals scored.
            const std::array<int, 4> key = {table.GetPoint(), table.GetWin(), table.GetGol1() - table.GetGol2(),
                                            table.GetGol1()};
            EXPECT_TRUE(!previous || *previous >= key) << "out of order at team " << table.GetTeamID();
            previous = key;
        }
        ASSERT_EQ(fromStats, counted);
    }
}

TEST_F(SampleStatsTest, RebuiltSeriesEqualTheLiveRunsOfEveryFavouriteLeagueTeam)
{
    // The rebuild's selection: league matches of the favourite tournaments from the
    // season before the newest, the goal line 2.5.
    DBSetting::Global()->SetFormInt("DlgToday", 7, 2);
    ASSERT_TRUE(DBUpdateView().RebuildSeries(nullptr));
    const int firstSeason = DBSeason::GetMaxSeasonID() - 1;
    // Column names of the runs in the order they are computed; Series stores Under before Over.
    const std::array<std::string, SeriesCalcIndex::Count> kinds = {
            "Win", "Draw", "Lose", "NoWin", "NoDraw", "NoLose", "Over", "Under", "WithScore", "NoScore", "WithMiss",
            "NoMiss", "00"};
    std::string columns = "S.TeamID, S.Field, S.Game";
    for (const std::string& kind : kinds)
        columns += ", S.Cur" + kind + ", S.Max" + kind;
    const Rows stored = Select("SELECT " + columns + " FROM Series AS S INNER JOIN Team AS T ON S.TeamID=T.TeamID");
    ASSERT_GT(stored.size(), 300u);
    DBSeries series;
    for (const auto& row : stored) {
        SCOPED_TRACE("team " + row[0] + ", side " + row[1]);
        series.Calc(std::stoi(row[0]), firstSeason, "1", std::stoi(row[1]));
        std::vector<std::string> live = {std::to_string(series.GetCount())};
        for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
            live.push_back(std::to_string(series.GetCur(k)));
            live.push_back(std::to_string(series.GetMax(k)));
        }
        EXPECT_EQ(live, std::vector<std::string>(row.begin() + 2, row.end()));
    }
}

}  // namespace
