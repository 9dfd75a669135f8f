#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "datafolderfixture.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "recordingprogressbar.h"
#include "sqlitefile.h"
#include "update/dbupdateview.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Counters = std::map<std::string, int>;

constexpr int League = 11;
constexpr int Cup = 12;
constexpr int TableRound = 1;
constexpr int CupRound = 5;
constexpr int CupFinal = 6;

class DBUpdateViewRebuildTest : public DataFolderFixture {
protected:
    DBUpdateViewRebuildTest()
    {
        Exec("INSERT INTO ChampType VALUES(1, 'League')");
        Exec("INSERT INTO ChampType VALUES(2, 'Cup')");
        Exec("INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(" + std::to_string(League) + ", 'League', 1, -1)");
        Exec("INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(" + std::to_string(Cup) + ", 'Cup', 2, 0)");
        Exec("INSERT INTO Round(RoundID, Name, IsTable) VALUES(" + std::to_string(TableRound) + ", 'Table', -1)");
        Exec("INSERT INTO Round(RoundID, Name, IsTable) VALUES(" + std::to_string(CupRound) + ", 'Last 16', 0)");
        Exec("INSERT INTO Round(RoundID, Name, IsTable) VALUES(" + std::to_string(CupFinal) + ", 'Final', 0)");
        // The remembered values of the nearest-matches window; index 7 is the total line.
        for (int index = 0; index <= 8; ++index)
            ExecSetting("INSERT INTO FormData VALUES('DlgToday', " + std::to_string(index) + ", '0')");
        DBSetting::CreateGlobal();
    }

    // The total line n + 0.5 the series count Over and Under by.
    void SetTotalLine(int index)
    {
        ExecSetting("UPDATE FormData SET [Value]='" + std::to_string(index) +
                    "' WHERE FormName='DlgToday' AND ControlIndex=7");
    }

    void AddMatch(int champ, int season, int round, int team1, int team2, int gol1, int gol2)
    {
        ++matches_;
        Exec("INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, SeasonID) VALUES(" +
             std::to_string(matches_) + ", " + std::to_string(40000 + matches_) + ", " + std::to_string(team1) + ", " +
             std::to_string(team2) + ", " + std::to_string(gol1) + ", " + std::to_string(gol2) + ", " +
             std::to_string(round) + ", " + std::to_string(champ) + ", " + std::to_string(season) + ")");
    }

    // A league match seen from one team, straight into the source of the series.
    void AddResult(int team, int field, int gol1, int gol2, int champ = League)
    {
        ++matches_;
        Exec("INSERT INTO TeamResults VALUES(" + std::to_string(40000 + matches_) + ", " + std::to_string(team) + ", " +
             std::to_string(field) + ", " + std::to_string(champ) + ", 1, 99, " + std::to_string(gol1) + ", " +
             std::to_string(gol2) + ", 0)");
    }

    // Every column of one row as integers, by column name.
    Counters Row(const std::string& jetSql)
    {
        TADOQuery query(DBConnect::GetData()->GetConnection());
        query.SetSQL(jetSql);
        query.Open();
        Counters row;
        if (query.RecordCount() != 1) {
            ADD_FAILURE() << query.RecordCount() << " rows for " << jetSql;
            return row;
        }
        for (int i = 0; i < query.FieldCount(); ++i)
            row[query.Fields(i)->FieldName()] = query.Fields(i)->AsInteger();
        return row;
    }

    Counters StatsRow(int champ, int team, int round, int field)
    {
        Counters row = Row("SELECT * FROM Stats WHERE ChampID=" + std::to_string(champ) + " AND TeamID=" +
                           std::to_string(team) + " AND RoundID=" + std::to_string(round) +
                           " AND Field=" + std::to_string(field));
        for (const char* key : {"ChampID", "SeasonID", "TeamID", "RoundID", "Field"})
            row.erase(key);
        return row;
    }

    Counters SeriesRow(int team, int field)
    {
        return Row("SELECT * FROM Series WHERE TeamID=" + std::to_string(team) + " AND Field=" + std::to_string(field));
    }

    int Count(const std::string& jetSql) { return std::stoi(Value(jetSql)); }

    DBUpdateView view_;
    int matches_ = 0;
};

// The counters of a Stats row, in the order of the table's columns.
Counters Stats(int game, int win, int draw, int lose, int gol1, int gol2, int point, int under, int over, int byScore,
               int byMiss, int noScore, int noMiss, int minusF, int plusF)
{
    return {{"Game", game},       {"Win", win},         {"Draw", draw},     {"Lose", lose},
            {"Gol1", gol1},       {"Gol2", gol2},       {"Point", point},   {"Under", under},
            {"Over", over},       {"ByScore", byScore}, {"ByMiss", byMiss}, {"NoScore", noScore},
            {"NoMiss", noMiss},   {"MinusF", minusF},   {"PlusF", plusF}};
}

TEST_F(DBUpdateViewRebuildTest, StatsCountEachSideOfTableRounds)
{
    Exec("INSERT INTO Season VALUES(1, '2024', 2024)");
    AddMatch(League, 1, TableRound, 1, 2, 3, 0);
    AddMatch(League, 1, TableRound, 1, 3, 1, 1);
    AddMatch(League, 1, TableRound, 2, 1, 2, 1);
    AddMatch(League, 1, TableRound, 3, 1, 0, 2);
    Exec("INSERT INTO Stats(ChampID, TeamID) VALUES(99, 99)");  // left over from an earlier rebuild
    RecordingProgressBar bar(55);

    ASSERT_TRUE(view_.UpdateStats(&bar, 100));

    EXPECT_EQ(StatsRow(League, 1, TableRound, 1), Stats(2, 1, 1, 0, 4, 1, 4, 1, 1, 2, 1, 0, 1, 1, 2));
    EXPECT_EQ(StatsRow(League, 1, TableRound, 2), Stats(2, 1, 0, 1, 3, 2, 3, 1, 1, 2, 1, 0, 1, 1, 2));
    EXPECT_EQ(StatsRow(League, 2, TableRound, 2), Stats(1, 0, 0, 1, 0, 3, 0, 0, 1, 0, 1, 1, 0, 0, 0));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Stats"), 6);
    EXPECT_EQ(bar.Positions(), (std::vector<int>{0, 12, 24, 36, 100}));
}

TEST_F(DBUpdateViewRebuildTest, CupMatchesLandUnderTheTotalsRound)
{
    Exec("INSERT INTO Season VALUES(1, '2024', 2024)");
    AddMatch(Cup, 1, CupRound, 1, 4, 2, 1);
    AddMatch(Cup, 1, CupFinal, 1, 2, 0, 0);
    AddMatch(Cup, 1, CupFinal, 4, 2, 0, 3);

    ASSERT_TRUE(view_.UpdateStats(nullptr, 100));

    EXPECT_EQ(StatsRow(Cup, 1, 7, 1), Stats(2, 1, 1, 0, 2, 1, 4, 1, 1, 1, 1, 1, 1, 0, 2));
    EXPECT_EQ(StatsRow(Cup, 4, 7, 1), Stats(1, 0, 0, 1, 0, 3, 0, 0, 1, 0, 1, 1, 0, 0, 0));
    EXPECT_EQ(StatsRow(Cup, 4, 7, 2), Stats(1, 0, 0, 1, 1, 2, 0, 0, 1, 1, 1, 0, 0, 0, 1));
    EXPECT_EQ(StatsRow(Cup, 2, 7, 2), Stats(2, 1, 1, 0, 3, 0, 4, 1, 1, 1, 0, 1, 2, 1, 2));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Stats WHERE RoundID<>7"), 0);
}

TEST_F(DBUpdateViewRebuildTest, TeamResultsHoldTheTwoNewestSeasonsOfTheLeagues)
{
    for (int season : {0, 10, 11, 12})
        Exec("INSERT INTO Season VALUES(" + std::to_string(season) + ", 'S', " + std::to_string(2000 + season) + ")");
    AddMatch(League, 10, TableRound, 1, 2, 1, 0);
    AddMatch(League, 11, TableRound, 1, 2, 2, 0);
    AddMatch(League, 12, TableRound, 3, 1, 1, 4);
    AddMatch(Cup, 12, CupRound, 1, 3, 5, 5);
    Exec("INSERT INTO TeamResults(TeamID) VALUES(77)");

    ASSERT_TRUE(view_.UpdateStats(nullptr, 100));

    const Rows rows = QuerySqlite(File("data.mdb"), "SELECT TeamID, Field, ChampID, SeasonID, RivalID, Gol1, Gol2, Tour "
                                                    "FROM TeamResults ORDER BY SeasonID, Field");
    EXPECT_EQ(rows, (Rows{{"1", "1", "11", "11", "2", "2", "0", "0"},
                          {"2", "2", "11", "11", "1", "0", "2", "0"},
                          {"3", "1", "11", "12", "1", "1", "4", "0"},
                          {"1", "2", "11", "12", "3", "4", "1", "0"}}));
    EXPECT_EQ(Value("SELECT [Date] FROM TeamResults WHERE SeasonID=11 AND Field=2"), Value("SELECT [Date] FROM Fixed WHERE SeasonID=11"));
}

TEST_F(DBUpdateViewRebuildTest, SeriesRunOnAndBreakByKind)
{
    // Won, won, drawn, oldest first.
    AddResult(5, 1, 2, 0);
    AddResult(5, 2, 1, 0);
    AddResult(5, 1, 1, 1);
    // A lone 0:0 of another team: its runs start from nothing.
    AddResult(4, 2, 0, 0);

    ASSERT_TRUE(view_.RebuildSeries(nullptr));

    const Counters all = SeriesRow(5, 0);
    EXPECT_EQ(all.at("TypeID"), 0);
    EXPECT_EQ(all.at("Game"), 3);
    EXPECT_EQ(all.at("CurWin"), 0);
    EXPECT_EQ(all.at("MaxWin"), 2);
    EXPECT_EQ(all.at("CurDraw"), 1);
    EXPECT_EQ(all.at("CurLose"), 0);
    EXPECT_EQ(all.at("CurNoLose"), 3);
    EXPECT_EQ(all.at("MaxNoLose"), 3);
    EXPECT_EQ(all.at("CurNoWin"), 1);
    EXPECT_EQ(all.at("CurNoDraw"), 0);
    EXPECT_EQ(all.at("MaxNoDraw"), 2);
    EXPECT_EQ(all.at("CurWithScore"), 3);
    EXPECT_EQ(all.at("CurNoMiss"), 0);
    EXPECT_EQ(all.at("MaxNoMiss"), 2);
    const Counters home = SeriesRow(5, 1);
    EXPECT_EQ(home.at("Game"), 2);
    EXPECT_EQ(home.at("MaxWin"), 1);
    EXPECT_EQ(SeriesRow(5, 2).at("CurWin"), 1);

    const Counters nil = SeriesRow(4, 0);
    for (const char* kind : {"Cur00", "CurDraw", "CurNoScore", "CurNoMiss", "CurNoWin", "CurNoLose", "CurUnder"})
        EXPECT_EQ(nil.at(kind), 1) << kind;
    for (const char* kind : {"CurWin", "CurLose", "CurNoDraw", "CurOver", "CurWithScore", "CurWithMiss", "MaxWin"})
        EXPECT_EQ(nil.at(kind), 0) << kind;
}

TEST_F(DBUpdateViewRebuildTest, SeriesCountGoalsAgainstTheRememberedTotalLine)
{
    SetTotalLine(2);
    AddResult(7, 1, 1, 1);
    AddResult(7, 2, 2, 1);
    AddResult(6, 1, 2, 1);
    AddResult(6, 2, 1, 1);

    ASSERT_TRUE(view_.RebuildSeries(nullptr));

    // 2:1 goes over 2.5 and ends a run under it; 1:1 stays under.
    const Counters overLast = SeriesRow(7, 0);
    EXPECT_EQ(overLast.at("CurOver"), 1);
    EXPECT_EQ(overLast.at("CurUnder"), 0);
    EXPECT_EQ(overLast.at("MaxUnder"), 1);
    const Counters underLast = SeriesRow(6, 0);
    EXPECT_EQ(underLast.at("CurUnder"), 1);
    EXPECT_EQ(underLast.at("CurOver"), 0);
    EXPECT_EQ(underLast.at("MaxOver"), 1);
}

TEST_F(DBUpdateViewRebuildTest, GoallessDrawRunsOnUnderEveryTotalLine)
{
    AddResult(4, 1, 0, 0);
    for (int index : {0, 1, 2, 3, 4, 9}) {
        SetTotalLine(index);
        ASSERT_TRUE(view_.RebuildSeries(nullptr));
        const Counters nil = SeriesRow(4, 0);
        for (const char* kind : {"Cur00", "CurDraw", "CurNoScore", "CurNoMiss", "CurNoWin", "CurNoLose", "CurUnder"})
            EXPECT_EQ(nil.at(kind), 1) << kind << " at line " << index;
        EXPECT_EQ(nil.at("CurOver"), 0) << "at line " << index;
    }
}

TEST_F(DBUpdateViewRebuildTest, SeriesOfATeamWithoutAwayMatchesHaveNoAwayRow)
{
    AddResult(8, 1, 1, 0);
    AddResult(8, 1, 0, 2);

    ASSERT_TRUE(view_.RebuildSeries(nullptr));

    EXPECT_EQ(SeriesRow(8, 0).at("Game"), 2);
    EXPECT_EQ(SeriesRow(8, 1).at("Game"), 2);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Series WHERE Field=2"), 0);
}

TEST_F(DBUpdateViewRebuildTest, SeriesCountOnlyFavouriteTournaments)
{
    AddResult(8, 1, 1, 0);
    AddResult(8, 1, 3, 0, Cup);
    AddResult(9, 2, 3, 0, Cup);

    ASSERT_TRUE(view_.RebuildSeries(nullptr));

    EXPECT_EQ(SeriesRow(8, 0).at("Game"), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Series WHERE TeamID=9"), 0);
}

TEST_F(DBUpdateViewRebuildTest, SeriesBarAdvancesEvenlyToTheEnd)
{
    for (int i = 0; i < 10; ++i)
        AddResult(3 + i % 2, 1, i % 3, 1);
    RecordingProgressBar bar(60);

    ASSERT_TRUE(view_.RebuildSeries(&bar));

    EXPECT_EQ(bar.Positions(), (std::vector<int>{0, 2, 11, 21, 31, 41, 51, 60, 70, 80, 90, 100}));
    EXPECT_EQ(Count("SELECT SUM(Game) FROM Series WHERE Field=0"), 10);
}

TEST_F(DBUpdateViewRebuildTest, RejectedSeriesRowIsSkippedButALostTransactionFailsTheRebuild)
{
    AddResult(9, 1, 1, 0);
    AddResult(8, 1, 2, 0);
    RunSqlite(File("data.mdb"), "CREATE TRIGGER RefuseEight BEFORE INSERT ON Series WHEN NEW.TeamID=8 "
                                "BEGIN SELECT RAISE(ABORT, 'eight is refused'); END;");
    ASSERT_TRUE(view_.RebuildSeries(nullptr));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Series WHERE TeamID=9"), "2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Series WHERE TeamID=8"), "0");
    EXPECT_FALSE(LogLines().empty()) << "the refused rows are logged";

    RunSqlite(File("data.mdb"), "DROP TRIGGER RefuseEight; CREATE TRIGGER LoseEight BEFORE INSERT ON Series WHEN "
                                "NEW.TeamID=8 BEGIN SELECT RAISE(ROLLBACK, 'eight ends it'); END;");
    EXPECT_FALSE(view_.RebuildSeries(nullptr));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Series"), "0");

    RunSqlite(File("data.mdb"), "DROP TRIGGER LoseEight");
    ASSERT_TRUE(view_.RebuildSeries(nullptr)) << "the same object rebuilds afterwards";
    EXPECT_EQ(SeriesRow(8, 0).at("Game"), 1);
    EXPECT_EQ(SeriesRow(9, 0).at("MaxWin"), 1);
}

TEST_F(DBUpdateViewRebuildTest, SeriesWithoutSourceRowsFailAndStayEmpty)
{
    Exec("INSERT INTO Series(TeamID, Field) VALUES(1, 0)");
    AddResult(8, 1, 1, 0, Cup);

    EXPECT_FALSE(view_.RebuildSeries(nullptr));

    EXPECT_EQ(Count("SELECT COUNT(*) FROM Series"), 0);
}

}  // namespace
