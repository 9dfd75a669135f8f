#include "research/testpredictcut.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QLocale>

#include <filesystem>
#include <string>
#include <vector>

#include "benchmatches.h"
#include "localeguard.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "sqlitefile.h"
#include "update/dbupdateview.h"

namespace {

class TestPredictCutTest : public BenchMatchesFixture {
protected:
    static void CutAt(int dayOfJune) { TestPredictCut(EncodeDate(2019, 6, dayOfJune), nullptr); }

    // Where the matches are, the calendar's fixtures and the statistics' sums.
    static std::string State()
    {
        std::string calendar;
        for (const auto& row : Select("SELECT Team1ID, Team2ID, Gol1, Gol2 FROM Calendar ORDER BY Date, Team1ID"))
            calendar += " " + row[0] + "-" + row[1] + " " + row[2] + ":" + row[3];
        return "Fixed " + Ids("Fixed") + " | parked " + Ids("_Fixed") + " | calendar" + calendar + " | games " +
               Value("SELECT SUM(Game) FROM Stats") + " points " + Value("SELECT SUM(Point) FROM Stats");
    }

    ino_t DataFileNode() const
    {
        struct stat info {};
        stat(File("data.mdb").c_str(), &info);
        return info.st_ino;
    }
};

TEST_F(TestPredictCutTest, CutParksTheMatchesFromTheDayOnAsFixturesWithOddsAndScores)
{
    for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::German)}) {
        LocaleGuard guard(locale);
        EXPECT_EQ(CutDateText(EncodeDate(2019, 6, 12)), "06/12/2019") << locale.name().toStdString();
    }
    const ino_t before = DataFileNode();
    const Rows match4 = Select("SELECT * FROM Fixed WHERE FixedIND=4");
    CutAt(12);

    // The fixture the calendar held is gone; the two matches left make the statistics.
    EXPECT_EQ(State(), "Fixed 1 2 | parked 3 4 5 6 | calendar 2-3 1:1 4-1 0:2 1-3 3:0 2-4 1:2 | games 4 points 5");
    EXPECT_EQ(Select("SELECT * FROM _Fixed WHERE FixedIND=4"), match4);
    EXPECT_EQ(Select("SELECT Date, RoundID, Tur, ChampID, FixTime, Kef1, KefX, Kef2, Un25, Ov25, AsianHandicap, "
                     "AsianKef1, AsianKef2 FROM Calendar WHERE Team1ID=4"),
              (Rows{{"12.06.2019", "1", "3", "11", "0000", "3.6", "3.5", "2.05", "2", "1.8", "0.25", "1.92", "1.98"}}));
    EXPECT_EQ(Select("SELECT TeamID, Point, Gol1, Gol2 FROM Stats WHERE Field=1 ORDER BY TeamID"),
              (Rows{{"1", "3", "2", "1"}, {"3", "1", "0", "0"}}));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TeamResults"), "4");
    EXPECT_NE(DataFileNode(), before) << "data.mdb was compacted into a new file";
    EXPECT_FALSE(std::filesystem::exists(File("data1.mdb")));
}

TEST_F(TestPredictCutTest, EveryCutUndoesThePreviousOne)
{
    CutAt(12);
    const std::string cutAt12 = State();
    for (const std::vector<int>& days : std::vector<std::vector<int>>{{12}, {14, 12}, {11, 14, 12}, {30, 12}}) {
        for (int day : days)
            CutAt(day);
        EXPECT_EQ(State(), cutAt12) << "after cuts at " << ::testing::PrintToString(days);
    }
    CutAt(30);
    EXPECT_EQ(State(), "Fixed 1 2 3 4 5 6 | parked  | calendar | games 12 points 16") << "a cut after the last match";
}

TEST_F(TestPredictCutTest, ParkedMatchBroughtBackByAnUpdateNeitherBlocksNorDoubles)
{
    CutAt(12);
    Exec("INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, SeasonID) "
         "VALUES(5, #6/13/2019#, 1, 3, 3, 1, 1, 11, 19)");
    CutAt(14);
    EXPECT_EQ(Ids("Fixed") + " | " + Ids("_Fixed"), "1 2 3 4 5 | 6");
    EXPECT_EQ(Value("SELECT Gol2 FROM Fixed WHERE FixedIND=5"), "1") << "the update's row stays";
    CutAt(30);
    EXPECT_EQ(Ids("Fixed"), "1 2 3 4 5 6");
}

TEST_F(TestPredictCutTest, FailureRollsTheWholeCutBackAndSkipsTheCompaction)
{
    const std::vector<std::pair<const char*, const char*>> triggers = {
            {"BEFORE INSERT ON Calendar BEGIN SELECT RAISE(ABORT, 'no fixtures'); END", "no fixtures"},
            // The database gives the transaction up during the rebuild.
            {"BEFORE INSERT ON Stats BEGIN SELECT RAISE(ROLLBACK, 'stats lost'); END", "stats lost"},
    };
    CutAt(12);
    const std::string cutAt12 = State();
    for (const auto& [trigger, message] : triggers) {
        SCOPED_TRACE(message);
        RunSqlite(File("data.mdb"), std::string("CREATE TRIGGER Refuse ") + trigger);
        const ino_t before = DataFileNode();
        try {
            CutAt(14);
            ADD_FAILURE() << "the cut went through";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        EXPECT_EQ(DataFileNode(), before) << "no compaction after a failed cut";
        RunSqlite(File("data.mdb"), "DROP TRIGGER Refuse");
        EXPECT_EQ(State(), cutAt12);
    }
    // A statement of the rebuild that is refused, after its DELETE ran, undoes the rebuild
    // alone: the cut goes on, the statistics stay those of the cut at 12, and the next
    // update is told to rebuild them.
    const Rows stats = Select("SELECT * FROM Stats ORDER BY ChampID, SeasonID, TeamID, RoundID, Field");
    RunSqlite(File("data.mdb"), "CREATE TRIGGER Refuse BEFORE INSERT ON Stats WHEN NEW.Field=2 BEGIN "
                                "SELECT RAISE(ABORT, 'no away'); END");
    ASSERT_FALSE(DBUpdateView::StatsOutOfDate());
    CutAt(14);
    EXPECT_EQ(Ids("_Fixed"), "6");
    EXPECT_EQ(Select("SELECT * FROM Stats ORDER BY ChampID, SeasonID, TeamID, RoundID, Field"), stats);
    EXPECT_TRUE(DBUpdateView::StatsOutOfDate());
    EXPECT_NE(LogTexts().back().find("[WARNING] DBUpdateView::UpdateStats no away"), std::string::npos)
            << LogTexts().back();
}

}  // namespace
