#include "data/dbseries.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "data/codes.h"
#include "matchdatafixture.h"

namespace {

using Runs = std::array<int, SeriesCalcIndex::Count>;

// One match of the walked team, in the order played: its goals first.
struct TeamMatch {
    int own;
    int rival;
    bool home = true;
    bool aet = false;
};

class DBSeriesTest : public MatchDataFixture {
protected:
    static constexpr int Fulham = 21;

    DBSeriesTest() { Exec("INSERT INTO Team VALUES(21, 'Fulham', 'ENG')"); }

    // Replaces Fulham's matches by these league matches of season 2, a week apart.
    static void PlayFulham(const std::vector<TeamMatch>& matches)
    {
        Exec("DELETE FROM Fixed WHERE Team1ID=21 OR Team2ID=21");
        int id = 100;
        for (const TeamMatch& m : matches) {
            const std::string teams = m.home ? "21, 18" : "18, 21";
            const std::string goals = m.home ? Goals(m.own, m.rival) : Goals(m.rival, m.own);
            Exec("INSERT INTO Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,AET,RoundID,ChampID,SeasonID) VALUES(" +
                 std::to_string(id) + ", #01/01/2024# + " + std::to_string(7 * (id - 100)) + ", " + teams + ", " +
                 goals + ", " + (m.aet ? "True" : "False") + ", 1, 10, 2)");
            ++id;
        }
    }

    static std::string Goals(int first, int second) { return std::to_string(first) + ", " + std::to_string(second); }

    // The current runs, or the longest.
    static Runs RunsOf(const DBSeries& series, bool longest)
    {
        Runs runs;
        for (int k = 0; k < SeriesCalcIndex::Count; ++k)
            runs[k] = longest ? series.GetMax(k) : series.GetCur(k);
        return runs;
    }

    // The non-zero score cells as "cell:count" texts.
    static std::vector<std::string> Cells(const DBSeries& series)
    {
        std::vector<std::string> cells;
        for (int cell = 0; cell < ScoreCell::Count; ++cell)
            if (series.GetScore(cell) != 0)
                cells.push_back(std::to_string(cell) + ":" + std::to_string(series.GetScore(cell)));
        return cells;
    }

    // A Series row of the given side with every run 0 but one kind's current and longest run.
    static void AddSeriesRow(int team, int field, int game, int kind, int cur, int max)
    {
        std::string values = std::to_string(team) + "," + std::to_string(field) + ",0," + std::to_string(game);
        for (int k = 0; k < SeriesKind::Count; ++k)
            values += k == kind ? "," + std::to_string(cur) + "," + std::to_string(max) : ",0,0";
        Exec("INSERT INTO Series VALUES(" + values + ")");
    }

    DBSeries series;
};

// Runs in SeriesCalcIndex order: Win, Draw, Lose, NoWin, NoDraw, NoLose, Over, Under,
// WithScore, NoScore, WithMiss, NoMiss, 00.
struct RunCase {
    std::string name;
    std::vector<TeamMatch> matches;
    Runs cur;
    Runs max;
    std::vector<std::string> cells;  // ScoreCell index:count
};

TEST_F(DBSeriesTest, RunsGrowFromTheOldestMatchAndScoresFillTheirCells)
{
    const std::vector<RunCase> cases = {
            {"no matches", {}, {}, {}, {}},
            {"W, W, D, W with an away win",
             {{2, 0}, {1, 0, false}, {1, 1}, {3, 1}},
             {1, 0, 0, 0, 1, 4, 1, 0, 4, 0, 2, 0, 0},
             {2, 1, 0, 1, 2, 4, 1, 3, 4, 0, 2, 2, 0},
             {"2:1", "4:1", "5:1", "7:1"}},
            {"2:1 after extra time is 1:1",
             {{2, 0}, {2, 1, true, true}},
             {0, 1, 0, 1, 0, 2, 0, 2, 2, 0, 1, 0, 0},
             {1, 1, 0, 1, 1, 2, 0, 2, 2, 0, 1, 1, 0},
             {"4:1", "7:1"}},
            {"0:1 after extra time away is 0:0",
             {{1, 1}, {0, 1, false, true}},
             {0, 2, 0, 2, 0, 2, 0, 2, 0, 1, 0, 1, 1},
             {0, 2, 0, 2, 0, 2, 0, 2, 1, 1, 1, 1, 1},
             {"6:1", "7:1"}},
            {"4:0 is other, 3:3 its own cell, 0:3 cell 15; 2:0 extends Under and breaks Over",
             {{4, 0}, {3, 3}, {0, 3, false}, {2, 0}},
             {1, 0, 0, 0, 2, 1, 0, 1, 1, 0, 0, 1, 0},
             {1, 1, 1, 2, 2, 2, 3, 1, 2, 1, 2, 1, 0},
             {"4:1", "9:1", "15:1", "16:1"}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlayFulham(c.matches);
        series.Calc(Fulham, 0, "", FieldCode::Both);
        EXPECT_EQ(series.GetCount(), static_cast<int>(c.matches.size()));
        EXPECT_EQ(RunsOf(series, false), c.cur);
        EXPECT_EQ(RunsOf(series, true), c.max);
        EXPECT_EQ(Cells(series), c.cells);
        EXPECT_EQ(series.GetScoreTotal(), 0) << "Calc leaves the total to the match count";
    }
}

TEST_F(DBSeriesTest, TwoTeamScoresReadHomeGoalsToAwayGoals)
{
    // TeamResults rows: team, side, own goals, rival goals.
    for (const char* row : {"17, 1, 2, 0", "17, 1, 2, 0", "17, 2, 0, 0", "19, 2, 1, 2", "19, 1, 3, 0", "18, 1, 5, 5"})
        Exec(std::string("INSERT INTO TeamResults(Date, TeamID, Field, Gol1, Gol2) VALUES(#01/01/2024#, ") + row + ")");

    series.CalcScores(17, 19, false);
    EXPECT_EQ(Cells(series), (std::vector<std::string>{"3:1", "4:2"})) << "the away 1:2 in cell 2:1";
    EXPECT_EQ(series.GetScoreTotal(), 3);

    series.CalcScores(17, 19, true);
    EXPECT_EQ(Cells(series), (std::vector<std::string>{"3:1", "4:2", "6:1", "15:1"}));
    EXPECT_EQ(series.GetScoreTotal(), 5);

    series.CalcScores(18, 999, true);
    EXPECT_EQ(Cells(series), (std::vector<std::string>{"16:1"}));
    EXPECT_EQ(series.GetScoreTotal(), 1);
}

TEST_F(DBSeriesTest, TopListOrdersByTheRunThenGamesThenName)
{
    // team, side, games, kind, current and longest run: Arsenal, Liverpool and Chelsea
    // have equal current runs; Fulham has an Under run at home only.
    for (const auto& [team, field, game, kind, cur, max] :
         {std::tuple(17, 0, 10, SeriesKind::Under, 3, 9), std::tuple(19, 0, 12, SeriesKind::Under, 3, 4),
          std::tuple(18, 0, 12, SeriesKind::Under, 3, 5), std::tuple(20, 0, 8, SeriesKind::Under, 5, 5),
          std::tuple(21, 1, 20, SeriesKind::Under, 9, 9), std::tuple(21, 0, 20, SeriesKind::Over, 7, 7)})
        AddSeriesRow(team, field, game, kind, cur, max);

    const auto order = [this](int kind, bool byMax) {
        std::string teams;
        EXPECT_TRUE(series.OpenTop(kind, FieldCode::Both, byMax, 0));
        for (series.GetQuery()->First(); !series.GetQuery()->Eof(); series.GetQuery()->Next())
            teams += (teams.empty() ? "" : " ") + series.GetTeamName();
        return teams;
    };
    EXPECT_EQ(order(SeriesKind::Under, false), "Bayern Chelsea Liverpool Arsenal Fulham");
    EXPECT_EQ(order(SeriesKind::Under, true), "Arsenal Chelsea Bayern Liverpool Fulham");
    EXPECT_EQ(order(SeriesKind::Over, false), "Fulham Chelsea Liverpool Arsenal Bayern");

    series.OpenTop(SeriesKind::Under, FieldCode::Home, false, 0);
    ASSERT_EQ(series.Count(), 1);
    EXPECT_EQ(series.GetTeamID(), 21);
    EXPECT_EQ(series.GetTeamNatID(), "ENG");
    EXPECT_EQ(series.GetGame(), 20);
    EXPECT_EQ(series.GetCurField("Under"), 9);
    EXPECT_EQ(series.GetMaxField("Under"), 9);
    EXPECT_EQ(series.GetCurField("Over"), 0);

    series.OpenTop(SeriesKind::Under, FieldCode::Both, false, 1);
    EXPECT_EQ(series.Count(), 0) << "the type is a condition";
}

}  // namespace
