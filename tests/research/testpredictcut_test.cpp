#include "research/testpredictcut.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QLocale>

#include <filesystem>
#include <string>
#include <vector>

#include "benchmatches.h"
#include "datafolderfixture.h"
#include "localeguard.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "sqlitefile.h"

namespace {

class TestPredictCutTest : public DataFolderFixture {
protected:
    TestPredictCutTest() { BenchMatches::Add(); }

    static void CutAt(int dayOfJune) { TestPredictCut(EncodeDate(2019, 6, dayOfJune), nullptr); }

    // Where every match is, and what Calendar and Stats hold.
    std::string State()
    {
        std::string calendar;
        for (const auto& row : Select("SELECT Team1ID, Team2ID, Gol1, Gol2 FROM Calendar ORDER BY Date, Team1ID"))
            calendar += " " + row[0] + "-" + row[1] + " " + row[2] + ":" + row[3];
        return "Fixed " + BenchMatches::Ids("Fixed") + " | parked " + BenchMatches::Ids("_Fixed") + " | calendar" +
               calendar + " | games " + Value("SELECT SUM(Game) FROM Stats") + " points " +
               Value("SELECT SUM(Point) FROM Stats");
    }

    ino_t DataFileNode() const
    {
        struct stat info {};
        stat(File("data.mdb").c_str(), &info);
        return info.st_ino;
    }

    void ArmTrigger(const std::string& sqlite) { RunSqlite(File("data.mdb"), sqlite); }
};

TEST_F(TestPredictCutTest, DateTextIsMonthDayYearInEveryLocale)
{
    for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::English),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        LocaleGuard guard(locale);
        EXPECT_EQ(CutDateText(EncodeDate(2019, 6, 12)), "06/12/2019") << locale.name().toStdString();
    }
}

TEST_F(TestPredictCutTest, CutParksTheMatchesFromTheDayOnAsFixturesWithOddsAndScores)
{
    const ino_t before = DataFileNode();
    const Rows match4 = Select("SELECT * FROM Fixed WHERE FixedIND=4");
    CutAt(12);

    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2");
    EXPECT_EQ(BenchMatches::Ids("_Fixed"), "3 4 5 6");
    EXPECT_EQ(Select("SELECT * FROM _Fixed WHERE FixedIND=4"), match4);
    // The fixture the calendar held is gone; each parked match is one, kick-off unknown.
    EXPECT_EQ(Select("SELECT Date, Team1ID, Team2ID, RoundID, Tur, ChampID, FixTime, Kef1, KefX, Kef2, Un25, Ov25, "
                     "AsianHandicap, AsianKef1, AsianKef2, Gol1, Gol2 FROM Calendar ORDER BY Date, Team1ID"),
              (Rows{{"12.06.2019", "2", "3", "1", "3", "11", "0000", "2.1", "3.3", "3.5", "1.8", "2.05", "-0.25", "1.88",
                     "2.02", "1", "1"},
                    {"12.06.2019", "4", "1", "1", "3", "11", "0000", "3.6", "3.5", "2.05", "2", "1.8", "0.25", "1.92",
                     "1.98", "0", "2"},
                    {"13.06.2019", "1", "3", "1", "4", "11", "0000", "1.5", "4.2", "6.5", "2.3", "1.62", "-1", "1.97",
                     "1.93", "3", "0"},
                    {"14.06.2019", "2", "4", "1", "4", "11", "0000", "2.2", "3.2", "3.4", "1.75", "2.1", "-0.25", "1.86",
                     "2.04", "1", "2"}}));
    // The statistics of the two matches left: 2:1 and 0:0.
    EXPECT_EQ(Select("SELECT TeamID, Field, Game, Point, Gol1, Gol2 FROM Stats ORDER BY TeamID"),
              (Rows{{"1", "1", "1", "3", "2", "1"},
                    {"2", "2", "1", "0", "1", "2"},
                    {"3", "1", "1", "1", "0", "0"},
                    {"4", "2", "1", "1", "0", "0"}}));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TeamResults"), "4");

    EXPECT_NE(DataFileNode(), before) << "data.mdb was compacted into a new file";
    EXPECT_FALSE(std::filesystem::exists(File("data1.mdb")));
}

TEST_F(TestPredictCutTest, EveryCutUndoesThePreviousOne)
{
    const std::vector<std::vector<int>> sequences = {{12, 12}, {14, 12}, {11, 14, 12}, {30, 12}};
    CutAt(12);
    const std::string cutAt12 = State();
    for (const std::vector<int>& days : sequences) {
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
    // An update ships match 5 again, with its score corrected.
    Exec("INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, RoundID, ChampID, SeasonID) "
         "VALUES(5, #6/13/2019#, 1, 3, 3, 1, 1, 11, 19)");

    CutAt(14);
    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2 3 4 5");
    EXPECT_EQ(BenchMatches::Ids("_Fixed"), "6");
    EXPECT_EQ(Value("SELECT Gol2 FROM Fixed WHERE FixedIND=5"), "1") << "the update's row stays";
    CutAt(30);
    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2 3 4 5 6");
}

TEST_F(TestPredictCutTest, FailureRollsTheWholeCutBackAndSkipsTheCompaction)
{
    struct Case {
        const char* name;
        const char* trigger;
        const char* message;
    };
    const std::vector<Case> cases = {
            {"a refused statement", "BEFORE INSERT ON Calendar BEGIN SELECT RAISE(ABORT, 'no fixtures'); END",
             "no fixtures"},
            {"a transaction the database gave up during the rebuild",
             "BEFORE INSERT ON Stats BEGIN SELECT RAISE(ROLLBACK, 'stats lost'); END", "stats lost"},
    };
    CutAt(12);
    const std::string cutAt12 = State();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ArmTrigger(std::string("CREATE TRIGGER Refuse ") + test.trigger);
        const ino_t before = DataFileNode();
        try {
            CutAt(14);
            ADD_FAILURE() << "the cut went through";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find(test.message), std::string::npos) << error.what();
        }
        EXPECT_EQ(DataFileNode(), before) << "no compaction after a failed cut";
        ArmTrigger("DROP TRIGGER Refuse");
        EXPECT_EQ(State(), cutAt12);
    }
}

TEST_F(TestPredictCutTest, RefusedRebuildStatementDoesNotStopTheCut)
{
    ArmTrigger("CREATE TRIGGER Refuse BEFORE INSERT ON Stats WHEN NEW.Field=2 BEGIN SELECT RAISE(ABORT, 'no away'); END");
    CutAt(12);
    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stats"), "2") << "the home rows";
}

}  // namespace
