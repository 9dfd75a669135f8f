#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "data/constants.h"
#include "configfolder.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/programfolder.h"
#include "setup/programfoldersetup.h"
#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The columns of a standings row that the test computes itself, in this order.
constexpr std::array<const char*, 15> Columns = {"Game",   "Win",    "Draw",    "Lose",   "Gol1",
                                                 "Gol2",   "Point",  "Under",   "Over",   "ByScore",
                                                 "ByMiss", "NoScore", "NoMiss", "Minus", "Plus"};

struct Standing {
    int teamID = 0;
    std::array<int, Columns.size()> counters{};

    // Standings order: points, wins, goal difference, goals scored.
    std::array<int, 4> Key() const
    {
        return {counters[6], counters[1], counters[4] - counters[5], counters[4]};
    }
    bool operator==(const Standing&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Standing& standing)
{
    out << "team " << standing.teamID << ":";
    for (int value : standing.counters)
        out << " " << value;
    return out;
}

// Sorted by standings order, ties by team: the order a tie takes in SQL is not fixed.
void SortStandings(std::vector<Standing>& table)
{
    std::sort(table.begin(), table.end(), [](const Standing& a, const Standing& b) {
        return std::tuple(b.Key(), a.teamID) < std::tuple(a.Key(), b.teamID);
    });
}

// A program folder made by kovral-setup --sample, once for the suite.
class SampleStatsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        config_ = std::make_unique<ConfigFolder>();
        folder_ = std::make_unique<TempFolder>();
        SetupOptions options;
        options.sampleData = true;
        try {
            SetupProgramFolder(folder_->Path(), options);
            loaded_ = true;
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
    }

    static void TearDownTestSuite()
    {
        DBSetting::FreeGlobal();
        DBConnect::ResetForTests();
        SetProgramFolderForTests("");
        folder_.reset();
        config_.reset();
    }

    static Rows Query(const std::string& sqliteSql) { return QuerySqlite(folder_->File("data.mdb"), sqliteSql); }

    // The standings of a league season as the program reads them from Stats.
    static std::vector<Standing> StandingsFromStats(const std::string& champ, const std::string& season)
    {
        TADOQuery query(DBConnect::GetData()->GetConnection());
        query.SetSQL(SqlTableFullSelect + "WHERE Stats.ChampID=" + champ + " AND Stats.SeasonID=" + season +
                     " GROUP BY Team.Name,Team.TeamID ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , "
                     "Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;");
        query.Open();
        std::vector<Standing> table;
        for (query.First(); !query.Eof(); query.Next()) {
            Standing& standing = table.emplace_back();
            standing.teamID = query.FieldByName("TeamID")->AsInteger();
            for (size_t i = 0; i < Columns.size(); ++i)
                standing.counters[i] = query.FieldByName(Columns[i])->AsInteger();
        }
        return table;
    }

    // The same standings counted here from the played matches.
    static std::vector<Standing> StandingsFromMatches(const std::string& champ, const std::string& season)
    {
        std::map<int, Standing> byTeam;
        for (const auto& match : Query("SELECT Team1ID, Team2ID, Gol1, Gol2 FROM Fixed WHERE ChampID=" + champ +
                                       " AND SeasonID=" + season)) {
            const int home = std::stoi(match[0]);
            const int away = std::stoi(match[1]);
            const int gol1 = std::stoi(match[2]);
            const int gol2 = std::stoi(match[3]);
            Count(byTeam[home], home, gol1, gol2);
            Count(byTeam[away], away, gol2, gol1);
        }
        std::vector<Standing> table;
        for (const auto& [team, standing] : byTeam)
            table.push_back(standing);
        return table;
    }

    static void Count(Standing& standing, int team, int scored, int conceded)
    {
        standing.teamID = team;
        const int total = scored + conceded;
        const std::array<int, Columns.size()> match = {
                1,
                scored > conceded,
                scored == conceded,
                scored < conceded,
                scored,
                conceded,
                scored > conceded ? 3 : scored == conceded ? 1 : 0,
                total < 3,
                total > 2,
                scored > 0,
                conceded > 0,
                scored == 0,
                conceded == 0,
                scored - conceded >= 2,
                scored - conceded > -2,
        };
        for (size_t i = 0; i < Columns.size(); ++i)
            standing.counters[i] += match[i];
    }

    static inline std::unique_ptr<ConfigFolder> config_;
    static inline std::unique_ptr<TempFolder> folder_;
    static inline bool loaded_ = false;
};

TEST_F(SampleStatsTest, EveryMatchCountsOnceFromEachSide)
{
    ASSERT_TRUE(loaded_);
    EXPECT_EQ(ReadFile(folder_->File("log.txt")), "") << "no statement of the sample may be rejected";
    EXPECT_EQ(Query("SELECT SUM(Game) FROM Stats WHERE Field=1"), Query("SELECT COUNT(*) FROM Fixed"));
    EXPECT_EQ(Query("SELECT SUM(Game) FROM Stats WHERE Field=2"), Query("SELECT COUNT(*) FROM Fixed"));
}

TEST_F(SampleStatsTest, LeagueStandingsFromStatsMatchTheMatches)
{
    ASSERT_TRUE(loaded_);
    const Rows seasons = Query("SELECT DISTINCT F.ChampID, F.SeasonID FROM Fixed AS F INNER JOIN Champ AS C ON "
                               "C.ChampID=F.ChampID WHERE C.TypeID=1 ORDER BY 1, 2");
    ASSERT_GT(seasons.size(), 10u);
    for (const auto& row : seasons) {
        const std::string& champ = row[0];
        const std::string& season = row[1];
        std::vector<Standing> fromStats = StandingsFromStats(champ, season);
        for (size_t i = 1; i < fromStats.size(); ++i)
            ASSERT_GE(fromStats[i - 1].Key(), fromStats[i].Key()) << "order of " << champ << "/" << season;
        std::vector<Standing> fromMatches = StandingsFromMatches(champ, season);
        SortStandings(fromStats);
        SortStandings(fromMatches);
        ASSERT_EQ(fromStats, fromMatches) << "league " << champ << ", season " << season;
    }
}

}  // namespace
