#include "data/dbtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "data/codes.h"
#include "realseasonfixture.h"
#include "updateservice/seasonloader.h"

namespace {

// Real seasons brought in as an update brings them (instruction files applied through
// the update, Stats rebuilt), their standings read through DBTable.
class DBTableRealDataTest : public RealSeasonFixture {
protected:
    // Loads one league season of the shared data.
    void Load(const std::string& file) { run_ = LoadSeasons({Source(file)}); }

    // The standings of the season's table stage, or of every stage; rows as "Team games
    // W-D-L goals points".
    std::vector<std::string> Standings(bool tableStageOnly = true)
    {
        EXPECT_EQ(run_->champs.size(), 1u);
        EXPECT_EQ(run_->seasons.size(), 1u);
        DBTable table;
        EXPECT_TRUE(table.SelectTable(run_->champs.begin()->second, run_->seasons.begin()->second, FieldCode::Both,
                                      tableStageOnly ? run_->rounds.at("Round") : 0));
        std::vector<std::string> rows;
        for (table.GetQuery()->First(); !table.GetQuery()->Eof(); table.GetQuery()->Next())
            rows.push_back(table.GetTeam() + " " + std::to_string(table.GetGame()) + " " +
                           std::to_string(table.GetWin()) + "-" + std::to_string(table.GetDraw()) + "-" +
                           std::to_string(table.GetLose()) + " " + std::to_string(table.GetGol1()) + ":" +
                           std::to_string(table.GetGol2()) + " " + std::to_string(table.GetPoint()));
        return rows;
    }

    std::optional<SeasonRun> run_;
};

TEST_F(DBTableRealDataTest, PremierLeague2018IsTheOfficialTableWithWinsBeforeGoalDifference)
{
    // Bournemouth (13 wins) above Newcastle (12 wins) on 45 points, the other way round
    // from the official goal-difference order.
    Load("football-data-co-uk/E0_1819.csv");
    EXPECT_EQ(Standings(),
              (std::vector<std::string>{
                      "Man City 38 32-2-4 95:23 98",      "Liverpool 38 30-7-1 89:22 97",
                      "Chelsea 38 21-9-8 63:39 72",       "Tottenham 38 23-2-13 67:39 71",
                      "Arsenal 38 21-7-10 73:51 70",      "Man United 38 19-9-10 65:54 66",
                      "Wolves 38 16-9-13 47:46 57",       "Everton 38 15-9-14 54:46 54",
                      "Leicester 38 15-7-16 51:48 52",    "West Ham 38 15-7-16 52:55 52",
                      "Watford 38 14-8-16 52:59 50",      "Crystal Palace 38 14-7-17 51:53 49",
                      "Bournemouth 38 13-6-19 56:70 45",  "Newcastle 38 12-9-17 42:48 45",
                      "Burnley 38 11-7-20 45:68 40",      "Southampton 38 9-12-17 45:65 39",
                      "Brighton 38 9-9-20 35:60 36",      "Cardiff 38 10-4-24 34:69 34",
                      "Fulham 38 7-5-26 34:81 26",        "Huddersfield 38 3-7-28 22:76 16"}));
}

TEST_F(DBTableRealDataTest, Bundesliga2023IsTheOfficialTableWithWinsBeforeGoalDifference)
{
    // Bremen and Freiburg (11 wins) above Heidenheim (10 wins) on 42 points; officially
    // Heidenheim is 8th on goal difference.
    Load("openfootball-football-json/2023-24/de.1.json");
    EXPECT_EQ(Standings(),
              (std::vector<std::string>{"Bayer 04 Leverkusen 34 28-6-0 89:24 90",
                                        "VfB Stuttgart 34 23-4-7 78:39 73",
                                        "FC Bayern München 34 23-3-8 94:45 72",
                                        "RB Leipzig 34 19-8-7 77:39 65",
                                        "Borussia Dortmund 34 18-9-7 68:43 63",
                                        "Eintracht Frankfurt 34 11-14-9 51:50 47",
                                        "TSG 1899 Hoffenheim 34 13-7-14 66:66 46",
                                        "SV Werder Bremen 34 11-9-14 48:54 42",
                                        "SC Freiburg 34 11-9-14 45:58 42",
                                        "1. FC Heidenheim 1846 34 10-12-12 50:55 42",
                                        "FC Augsburg 34 10-9-15 50:60 39",
                                        "VfL Wolfsburg 34 10-7-17 41:56 37",
                                        "1. FSV Mainz 05 34 7-14-13 39:51 35",
                                        "Borussia Mönchengladbach 34 7-13-14 56:67 34",
                                        "1. FC Union Berlin 34 9-6-19 33:58 33",
                                        "VfL Bochum 1848 34 7-12-15 42:74 33",
                                        "1. FC Köln 34 5-12-17 28:60 27",
                                        "SV Darmstadt 98 34 3-8-23 30:86 17"}));
}

TEST_F(DBTableRealDataTest, ChampionshipPlayOffsStayOutOfTheRegularSeasonTable)
{
    Load("openfootball-football-json/2023-24/en.2.json");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed INNER JOIN Round ON Fixed.RoundID=Round.RoundID "
                    "WHERE Round.IsTable=False"),
              "5");
    const std::vector<std::string> table = Standings();
    ASSERT_EQ(table.size(), 24u);
    for (const std::string& row : table)
        EXPECT_NE(row.find(" 46 "), std::string::npos) << row;
    EXPECT_EQ(table.at(0), "Leicester City FC 46 31-4-11 89:41 97");
    EXPECT_EQ(table.at(2), "Leeds United FC 46 27-9-10 81:43 90");

    // Every stage together: the semi-finals (two legs) and the final count too.
    const std::vector<std::string> all = Standings(false);
    EXPECT_NE(std::find(all.begin(), all.end(), "Leeds United FC 49 28-10-11 85:44 94"), all.end());
}

}  // namespace
