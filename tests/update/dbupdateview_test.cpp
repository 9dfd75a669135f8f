#include "update/dbupdateview.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "datafolderfixture.h"
#include "platform/adoconnection.h"
#include "platform/progressbar.h"
#include "sqlitefile.h"
#include "updateservice/instructionfile.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Tournaments and rounds the fixture makes: the league is the favourite.
constexpr int League = 11;
constexpr int Cup = 12;
constexpr int TableRound = 1;
constexpr int CupRound = 5;
constexpr int CupFinal = 6;

std::string Listed(std::initializer_list<int> values)
{
    std::string listed;
    for (int value : values)
        listed += (listed.empty() ? "" : ", ") + std::to_string(value);
    return listed;
}

// A progress bar that remembers every position it is set to.
struct RecordingBar : IProgressBar {
    explicit RecordingBar(int start = 0) : start(start) {}
    int Position() const override { return positions.empty() ? start : positions.back(); }
    void SetPosition(int position) override { positions.push_back(position); }
    int start;
    std::vector<int> positions;
};

class DBUpdateViewTest : public DataFolderFixture {
protected:
    DBUpdateViewTest()
    {
        RunSqlite(File("data.mdb"),
                  "INSERT INTO ChampType VALUES(1, 'League'), (2, 'Cup');"
                  "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(11, 'League', 1, -1), (12, 'Cup', 2, 0);"
                  "INSERT INTO Round(RoundID, Name, IsTable) VALUES(1, 'Table', -1), (5, 'Last', 0), (6, 'Final', 0);");
        // The remembered values of the nearest-matches window; index 7 is the total line.
        RunSqlite(File("setting.mdb"), "INSERT INTO FormData VALUES('DlgToday', 0, '0'), ('DlgToday', 1, '0'), "
                                       "('DlgToday', 2, '0'), ('DlgToday', 3, '0'), ('DlgToday', 4, '0'), "
                                       "('DlgToday', 5, '0'), ('DlgToday', 6, '0'), ('DlgToday', 7, '0');");
        DBSetting::CreateGlobal();
    }

    bool Apply(const std::vector<std::string>& statements, IProgressBar* bar = nullptr, double pos = 0)
    {
        return view_.ApplyInstructions(InstructionFileText(statements), bar, 10, pos);
    }

    // What another connection sees: only committed rows.
    Rows Query(const std::string& sqliteSql) { return QuerySqlite(File("data.mdb"), sqliteSql); }
    Rows Teams() { return Query("SELECT TeamID, Name FROM Team ORDER BY TeamID"); }

    // The log holds the line an action query writes for the rejected statement sql.
    bool LoggedAsRejected(const std::string& sql) const
    {
        const std::vector<std::string> lines = LogLines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return WithoutStamp(line).starts_with(sql + " "); });
    }

    void AddMatch(int champ, int season, int round, int team1, int team2, int gol1, int gol2)
    {
        ++matches_;
        Exec("INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, SeasonID) VALUES(" +
             Listed({matches_, 40000 + matches_, team1, team2, gol1, gol2, round, champ, season}) + ")");
    }

    // A match seen from one team, straight into the source of the series.
    void AddResult(int team, int field, int gol1, int gol2, int champ = League)
    {
        ++matches_;
        Exec("INSERT INTO TeamResults VALUES(" + Listed({40000 + matches_, team, field, champ, 1, 99, gol1, gol2, 0}) +
             ")");
    }

    // The counters of one Stats row of season 12, in the table's column order.
    std::string StatsRow(int champ, int team, int round, int field)
    {
        const Rows rows = Query("SELECT Game, Win, Draw, Lose, Gol1, Gol2, Point, Under, Over, ByScore, ByMiss, "
                                "NoScore, NoMiss, MinusF, PlusF FROM Stats WHERE SeasonID=12 AND ChampID=" +
                                std::to_string(champ) +
                                " AND TeamID=" + std::to_string(team) + " AND RoundID=" + std::to_string(round) +
                                " AND Field=" + std::to_string(field));
        std::string listed;
        for (const auto& row : rows)
            for (const std::string& value : row)
                listed += (listed.empty() ? "" : ", ") + value;
        return listed;
    }

    DBUpdateView view_;
    int matches_ = 0;
};

TEST_F(DBUpdateViewTest, TagsExpandCaseSensitivelyAndRejectedStatementsAreLoggedAndSkipped)
{
    ASSERT_TRUE(Apply({
            "{i}Team{v}1,'Alpha','ENG'{/v}",
            "{i}Team{v}2,'Beta','ENG'{/v}",
            "{i}Team{v}2,'Again','ENG'{/v}",
            "{u}Team{s}Name='Gamma'{w}TeamID=2",
            "{d}Team{w}TeamID=1",
            "{i}Nowhere{v}1{/v}",
            "{u}Nowhere{s}A=1{w} B=2",
            "{d}Nowhere{w}A=1",
            "{I}Team{V}3,'Delta','ENG'{/V}",
    }));

    EXPECT_EQ(Teams(), (Rows{{"2", "Gamma"}}));
    // Rejected statements are logged as the database received them.
    EXPECT_TRUE(LoggedAsRejected(" INSERT INTO Team VALUES( 2,'Again','ENG' ) "));
    EXPECT_TRUE(LoggedAsRejected(" INSERT INTO Nowhere VALUES( 1 ) "));
    EXPECT_TRUE(LoggedAsRejected(" UPDATE Nowhere SET A=1 WHERE  B=2"));
    EXPECT_TRUE(LoggedAsRejected(" DELETE FROM Nowhere WHERE A=1"));
    EXPECT_TRUE(LoggedAsRejected("{I}Team{V}3,'Delta','ENG'{/V}"));
    EXPECT_EQ(LogLines().size(), 5u);
}

TEST_F(DBUpdateViewTest, BarMovesByEqualSharesAndEndsAtTheFilesEnd)
{
    RecordingBar bar(40);
    ASSERT_TRUE(Apply({"{i}Team{v}1,'A','ENG'{/v}", "{i}Team{v}2,'B','ENG'{/v}", "{i}Team{v}3,'C','ENG'{/v}",
                       "{i}Team{v}4,'D','ENG'{/v}"},
                      &bar, 40));
    EXPECT_EQ(bar.positions, (std::vector<int>{42, 45, 47, 50, 50}));

    // Three rows in a share of 10: the last row still ends exactly at the share's end.
    RecordingBar thirds;
    ASSERT_TRUE(Apply({"{d}Team{w}TeamID=1", "{d}Team{w}TeamID=2", "{d}Team{w}TeamID=3"}, &thirds, 70));
    EXPECT_EQ(thirds.positions, (std::vector<int>{73, 76, 80, 80}));
}

TEST_F(DBUpdateViewTest, FileWithoutDataRowsLeavesTheDatabaseAlone)
{
    EXPECT_TRUE(Apply({}));
    EXPECT_TRUE(view_.ApplyInstructions("", nullptr, 10, 0));
    EXPECT_TRUE(view_.ApplyInstructions("no head at all", nullptr, 10, 0));
    EXPECT_FALSE(DBConnect::GetData()->GetConnection()->Connected()) << "no transaction was begun";
}

TEST_F(DBUpdateViewTest, TransactionSqliteGaveUpFailsTheWholeFile)
{
    RunSqlite(File("data.mdb"), "CREATE TRIGGER RefuseRed BEFORE INSERT ON Team WHEN NEW.Name='Red' "
                                "BEGIN SELECT RAISE(ROLLBACK, 'red is refused'); END;");
    RecordingBar bar;
    EXPECT_FALSE(Apply({"{i}Team{v}1,'Blue','ENG'{/v}", "{i}Team{v}2,'Red','ENG'{/v}", "{i}Team{v}3,'Green','ENG'{/v}"},
                       &bar));

    EXPECT_TRUE(Teams().empty()) << "none of the file's statements may stay";
    ASSERT_FALSE(LogLines().empty());
    EXPECT_EQ(WithoutStamp(LogLines().back()), "ERR  INSERT INTO Team VALUES( 2,'Red','ENG' ) ");
    EXPECT_EQ(bar.positions, (std::vector<int>{3})) << "the file stops at the lost statement";

    EXPECT_TRUE(Apply({"{i}Team{v}4,'Green','ENG'{/v}"})) << "the next file applies as usual";
    EXPECT_EQ(Teams(), (Rows{{"4", "Green"}}));
}

TEST_F(DBUpdateViewTest, UpdateStatsRebuildsStatsAndTheTwoNewestLeagueSeasonsOfTeamResults)
{
    for (int season : {0, 10, 11, 12})
        Exec("INSERT INTO Season VALUES(" + std::to_string(season) + ", 'S', " + std::to_string(2000 + season) + ")");
    AddMatch(League, 10, TableRound, 1, 2, 1, 0);
    AddMatch(League, 11, TableRound, 1, 2, 2, 0);
    AddMatch(League, 12, TableRound, 1, 2, 3, 0);
    AddMatch(League, 12, TableRound, 1, 3, 1, 1);
    AddMatch(League, 12, TableRound, 2, 1, 2, 1);
    AddMatch(League, 12, TableRound, 3, 1, 0, 2);
    AddMatch(Cup, 12, CupRound, 1, 4, 2, 1);
    AddMatch(Cup, 12, CupFinal, 1, 2, 0, 0);
    AddMatch(Cup, 12, CupFinal, 4, 2, 0, 3);
    // Left over from an earlier rebuild.
    Exec("INSERT INTO Stats(ChampID, TeamID) VALUES(99, 99)");
    Exec("INSERT INTO TeamResults(TeamID) VALUES(77)");
    RecordingBar bar(55);

    ASSERT_TRUE(view_.UpdateStats(&bar, 100));

    EXPECT_EQ(bar.positions, (std::vector<int>{0, 12, 24, 36, 100}));
    // Table rounds by side and season.
    EXPECT_EQ(StatsRow(League, 1, TableRound, 1), "2, 1, 1, 0, 4, 1, 4, 1, 1, 2, 1, 0, 1, 1, 2");
    EXPECT_EQ(StatsRow(League, 1, TableRound, 2), "2, 1, 0, 1, 3, 2, 3, 1, 1, 2, 1, 0, 1, 1, 2");
    EXPECT_EQ(Query("SELECT SeasonID, Game, Win FROM Stats WHERE ChampID=11 AND TeamID=2 AND Field=2 ORDER BY 1"),
              (Rows{{"10", "1", "0"}, {"11", "1", "0"}, {"12", "1", "0"}}));
    // The other rounds of a cup together under RoundID 7.
    EXPECT_EQ(StatsRow(Cup, 1, 7, 1), "2, 1, 1, 0, 2, 1, 4, 1, 1, 1, 1, 1, 1, 0, 2");
    EXPECT_EQ(StatsRow(Cup, 2, 7, 2), "2, 1, 1, 0, 3, 0, 4, 1, 1, 1, 0, 1, 2, 1, 2");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM Stats"), (Rows{{"14"}}));

    // TeamResults: league matches from the season before the newest, once from each side.
    EXPECT_EQ(Query("SELECT SeasonID, COUNT(*) FROM TeamResults GROUP BY SeasonID"), (Rows{{"11", "2"}, {"12", "8"}}));
    EXPECT_EQ(Query("SELECT R.TeamID, R.Field, R.ChampID, R.RivalID, R.Gol1, R.Gol2, R.Tour, R.Date = F.Date "
                    "FROM TeamResults R, Fixed F WHERE R.SeasonID=11 AND F.SeasonID=11 ORDER BY R.Field"),
              (Rows{{"1", "1", "11", "2", "2", "0", "0", "1"}, {"2", "2", "11", "1", "0", "2", "0", "1"}}));
}

TEST_F(DBUpdateViewTest, FailedRebuildLeavesItsTablesAsTheyWereAndSaysWhy)
{
    Exec("INSERT INTO Season VALUES(12, 'S', 2012)");
    AddMatch(League, 12, TableRound, 1, 2, 1, 0);
    ASSERT_TRUE(view_.UpdateStats(nullptr, 100));
    ASSERT_TRUE(view_.RebuildSeries(nullptr));
    const auto tables = [this] {
        return Query("SELECT (SELECT COUNT(*) FROM TeamResults), (SELECT COUNT(*) FROM Stats), "
                     "(SELECT COUNT(*) FROM Series)");
    };
    const Rows before = tables();
    // Enough new matches that the rebuilt tables need pages the DELETE did not free.
    RunSqlite(File("data.mdb"), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                                "INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, "
                                "SeasonID) SELECT 100 + i, 40000 + i, 2 + i, 4000 + i, 2, 2, 1, 11, 12 FROM n");

    const struct {
        const char* name;
        std::function<void()> refuse;
        std::string reason;
        bool series = true;  // the Series rebuild fails too (it reads the old TeamResults)
    } cases[] = {
            // An insert the database rejects after the DELETE ran; the transaction stays open.
            {"a rejected insert",
             [this] {
                 RunSqlite(File("data.mdb"), "CREATE TRIGGER Refuse BEFORE INSERT ON Stats WHEN NEW.TeamID=4001 "
                                             "BEGIN SELECT RAISE(ABORT, 'stats refused'); END;"
                                             "CREATE TRIGGER RefuseSeries BEFORE INSERT ON Series WHEN NEW.Field=2 "
                                             "BEGIN SELECT RAISE(ABORT, 'stats refused'); END;");
             },
             "stats refused"},
            // The database gives the whole transaction up at the last insert.
            {"a lost transaction",
             [this] {
                 RunSqlite(File("data.mdb"), "CREATE TRIGGER Refuse BEFORE INSERT ON Stats WHEN NEW.TeamID=4001 "
                                             "BEGIN SELECT RAISE(ROLLBACK, 'stats lost'); END;"
                                             "CREATE TRIGGER RefuseSeries BEFORE INSERT ON Series WHEN NEW.Field=2 "
                                             "BEGIN SELECT RAISE(ROLLBACK, 'stats lost'); END;");
             },
             "stats lost"},
            // The disk fills after the DELETE freed its pages.
            {"a full disk",
             [] {
                 sqlite3* db = DBConnect::GetData()->GetConnection()->Handle();
                 sqlite3_exec(db, "PRAGMA max_page_count=1", nullptr, nullptr, nullptr);
             },
             "full", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.refuse();
        EXPECT_FALSE(view_.UpdateStats(nullptr, 100));
        ASSERT_FALSE(LogLines().empty());
        EXPECT_NE(LogLines().back().find("[WARNING] DBUpdateView::UpdateStats"), std::string::npos);
        EXPECT_NE(LogLines().back().find(test.reason), std::string::npos) << LogLines().back();
        if (test.series) {
            EXPECT_FALSE(view_.RebuildSeries(nullptr));
            EXPECT_NE(LogLines().back().find("[WARNING] DBUpdateView::RebuildSeries"), std::string::npos);
        }
        EXPECT_EQ(tables(), before) << "no DELETE and no insert of the failed rebuilds stays";
        DBConnect::GetData()->GetConnection()->Close();
        RunSqlite(File("data.mdb"), "DROP TRIGGER IF EXISTS Refuse; DROP TRIGGER IF EXISTS RefuseSeries");
    }
}

// The mark that an update cut off before its rebuild leaves for the next run.
TEST_F(DBUpdateViewTest, FilesThatChangeDataMarkTheStatsOutOfDateUntilARebuildCommits)
{
    EXPECT_FALSE(DBUpdateView::StatsOutOfDate()) << "a new file";
    ASSERT_TRUE(Apply({"{i}Nowhere{v}1{/v}"}));
    EXPECT_FALSE(DBUpdateView::StatsOutOfDate()) << "every statement was refused";
    RunSqlite(File("data.mdb"), "CREATE TRIGGER LoseRed BEFORE INSERT ON Team WHEN NEW.Name='Red' "
                                "BEGIN SELECT RAISE(ROLLBACK, 'red is lost'); END;");
    ASSERT_FALSE(Apply({"{i}Team{v}1,'Blue','ENG'{/v}", "{i}Team{v}2,'Red','ENG'{/v}"}));
    EXPECT_FALSE(DBUpdateView::StatsOutOfDate()) << "the file was rolled back, the mark with it";

    ASSERT_TRUE(Apply({"{i}Team{v}1,'Blue','ENG'{/v}"}));
    EXPECT_EQ(Query("PRAGMA user_version"), (Rows{{"1"}})) << "committed with the file";
    ASSERT_TRUE(DBConnect::GetData()->CompactDB());
    EXPECT_TRUE(DBUpdateView::StatsOutOfDate()) << "the compacted copy keeps the mark";

    RunSqlite(File("data.mdb"), "CREATE TRIGGER RefuseStats BEFORE INSERT ON TeamResults "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    Exec("INSERT INTO Season VALUES(12, 'S', 2012)");
    AddMatch(League, 12, TableRound, 1, 2, 1, 0);
    ASSERT_FALSE(view_.UpdateStats(nullptr, 100));
    EXPECT_TRUE(DBUpdateView::StatsOutOfDate()) << "a failed rebuild leaves the mark";
    RunSqlite(File("data.mdb"), "DROP TRIGGER RefuseStats");
    ASSERT_TRUE(view_.UpdateStats(nullptr, 100));
    EXPECT_EQ(Query("PRAGMA user_version"), (Rows{{"0"}}));

    // The rebuild inside a caller's transaction clears the mark only with it.
    DBUpdateView::MarkStatsOutOfDate();
    TADOConnection* connection = DBConnect::GetData()->GetConnection();
    connection->BeginTrans();
    ASSERT_TRUE(view_.UpdateStats(nullptr, 100));
    connection->RollbackTrans();
    EXPECT_TRUE(DBUpdateView::StatsOutOfDate());
}

TEST_F(DBUpdateViewTest, MarkThatCannotBeReadIsLoggedAndTakenAsCurrent)
{
    DBConnect::ResetForTests();
    const std::string unreadable = "not a database, though named data.mdb";
    WriteFile(File("data.mdb"), unreadable);
    EXPECT_FALSE(DBUpdateView::StatsOutOfDate());
    ASSERT_FALSE(LogTexts().empty());
    EXPECT_TRUE(LogTexts().back().starts_with("[WARNING] DBUpdateView::StatsOutOfDate ")) << LogTexts().back();
    EXPECT_EQ(ReadFile(File("data.mdb")), unreadable);
}

TEST_F(DBUpdateViewTest, RebuildInsideTheCallersTransactionIsKeptOrUndoneWithIt)
{
    Exec("INSERT INTO Season VALUES(12, 'S', 2012)");
    AddMatch(League, 12, TableRound, 1, 2, 1, 0);
    TADOConnection* connection = DBConnect::GetData()->GetConnection();
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "committed" : "rolled back");
        connection->BeginTrans();
        ASSERT_TRUE(view_.UpdateStats(nullptr, 100));
        ASSERT_TRUE(view_.RebuildSeries(nullptr));
        EXPECT_TRUE(connection->InTransaction()) << "the rebuilds neither commit nor end the caller's transaction";
        EXPECT_EQ(Value("SELECT COUNT(*) FROM Series"), "4") << "the caller sees the rebuilt rows";
        if (keep)
            connection->CommitTrans();
        else
            connection->RollbackTrans();
        EXPECT_EQ(Query("SELECT (SELECT COUNT(*) FROM Stats), (SELECT COUNT(*) FROM Series)"),
                  (Rows{{keep ? "2" : "0", keep ? "4" : "0"}}));
    }
}

TEST_F(DBUpdateViewTest, SeriesRunOnAndBreakByKind)
{
    struct Result {
        int field, gol1, gol2, champ = League;
    };
    struct Case {
        const char* name;
        int totalLine;  // the total n + 0.5 that Over and Under count by
        std::vector<Result> results;  // oldest first
        std::vector<std::tuple<int, std::string, int>> expected;  // field, column, value
        int rows;
    };
    const std::vector<Case> cases = {
            {"1:1 then 2:1 at 2.5", 2, {{1, 1, 1}, {2, 2, 1}},
             {{0, "CurOver", 1}, {0, "CurUnder", 0}, {0, "MaxUnder", 1}}, 3},
            {"2:1 then 1:1 at 2.5", 2, {{1, 2, 1}, {2, 1, 1}},
             {{0, "CurUnder", 1}, {0, "CurOver", 0}, {0, "MaxOver", 1}}, 3},
            {"a line out of range counts as 0.5", 9, {{1, 1, 0}}, {{0, "CurOver", 1}, {0, "CurUnder", 0}}, 2},
            {"only favourite tournaments count", 0, {{1, 1, 0}, {1, 3, 0, Cup}}, {{0, "Game", 1}, {1, "Game", 1}}, 2},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Exec("DELETE FROM TeamResults");
        ExecSetting("UPDATE FormData SET [Value]='" + std::to_string(test.totalLine) +
                    "' WHERE FormName='DlgToday' AND ControlIndex=7");
        // A team rebuilt before team 5, whose runs must not carry over.
        AddResult(9, 1, 3, 0);
        AddResult(9, 1, 3, 0);
        for (const Result& result : test.results)
            AddResult(5, result.field, result.gol1, result.gol2, result.champ);

        ASSERT_TRUE(view_.RebuildSeries(nullptr));

        for (const auto& [field, column, value] : test.expected)
            EXPECT_EQ(Value("SELECT " + column + " FROM Series WHERE TeamID=5 AND Field=" + std::to_string(field)),
                      std::to_string(value))
                    << column << " of field " << field;
        EXPECT_EQ(Value("SELECT COUNT(*) FROM Series WHERE TeamID=5"), std::to_string(test.rows));
    }
}

TEST_F(DBUpdateViewTest, SeriesBarAdvancesEvenlyToTheEnd)
{
    for (int i = 0; i < 10; ++i)
        AddResult(3 + i % 2, 1, i % 3, 1);
    RecordingBar bar(60);

    ASSERT_TRUE(view_.RebuildSeries(&bar));

    EXPECT_EQ(bar.positions, (std::vector<int>{0, 2, 11, 21, 31, 41, 51, 60, 70, 80, 90, 100}));
    EXPECT_EQ(Value("SELECT SUM(Game) FROM Series WHERE Field=0"), "10");
}

TEST_F(DBUpdateViewTest, RejectedOrLostSeriesRowFailsTheRebuildAndKeepsTheOldRows)
{
    AddResult(9, 1, 1, 0);
    ASSERT_TRUE(view_.RebuildSeries(nullptr));
    AddResult(8, 1, 2, 0);
    for (const char* action : {"ABORT", "ROLLBACK"}) {
        SCOPED_TRACE(action);
        RunSqlite(File("data.mdb"), std::string("CREATE TRIGGER RefuseEight BEFORE INSERT ON Series WHEN NEW.TeamID=8 "
                                                "BEGIN SELECT RAISE(") +
                                            action + ", 'eight is refused'); END;");
        EXPECT_FALSE(view_.RebuildSeries(nullptr));
        EXPECT_EQ(Value("SELECT COUNT(*) FROM Series WHERE TeamID=9"), "2") << "the table stays as it was";
        EXPECT_EQ(Value("SELECT COUNT(*) FROM Series WHERE TeamID=8"), "0");
        EXPECT_NE(LogLines().back().find("[WARNING] DBUpdateView::RebuildSeries eight is refused"), std::string::npos)
                << LogLines().back();
        RunSqlite(File("data.mdb"), "DROP TRIGGER RefuseEight");
    }
    ASSERT_TRUE(view_.RebuildSeries(nullptr)) << "the same object rebuilds afterwards";
    EXPECT_EQ(Value("SELECT Game FROM Series WHERE TeamID=8 AND Field=0"), "1");
    EXPECT_EQ(Value("SELECT MaxWin FROM Series WHERE TeamID=9 AND Field=0"), "1")
            << "no run of the failed rebuilds carried over";
}

TEST_F(DBUpdateViewTest, SeriesWithoutSourceRowsFailAndStayEmpty)
{
    Exec("INSERT INTO Series(TeamID, Field) VALUES(1, 0)");
    AddResult(8, 1, 1, 0, Cup);

    EXPECT_FALSE(view_.RebuildSeries(nullptr));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Series"), "0");
}

}  // namespace
