#include "update/dbupdateview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/dbconnect.h"
#include "datafolderfixture.h"
#include "recordingprogressbar.h"
#include "sqlitefile.h"
#include "updateservice/instructionfile.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class DBUpdateViewTest : public DataFolderFixture {
protected:
    bool Apply(const std::vector<std::string>& statements, IProgressBar* bar = nullptr, double step = 10,
               double pos = 0)
    {
        return view_.ApplyInstructions(InstructionFileText(statements), bar, step, pos);
    }

    // What another connection sees: only committed rows.
    Rows CommittedTeams() { return QuerySqlite(File("data.mdb"), "SELECT TeamID, Name FROM Team ORDER BY TeamID"); }

    // The log lines without their time stamps.
    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : LogLines())
            lines.push_back(WithoutStamp(line));
        return lines;
    }

    // The statement part of the log line an action query writes for a rejected statement.
    static bool LoggedAsRejected(const std::vector<std::string>& log, const std::string& sql)
    {
        for (const std::string& line : log)
            if (line.size() > sql.size() + 1 && line.compare(0, sql.size() + 1, sql + " ") == 0)
                return true;
        return false;
    }

    DBUpdateView view_;
};

TEST_F(DBUpdateViewTest, TagsExpandCaseSensitivelyWithTheirBlanks)
{
    ASSERT_TRUE(Apply({
            "{i}Team{v}1,'Alpha','ENG'{/v}",
            "{i}Team{v}2,'Beta','ENG'{/v}",
            "{u}Team{s}Name='Gamma'{w}TeamID=2",
            "{d}Team{w}TeamID=1",
            "{i}Nowhere{v}1{/v}",
            "{u}Nowhere{s}A=1{w} B=2",
            "{d}Nowhere{w}A=1",
            "{I}Team{V}3,'Delta','ENG'{/V}",
    }));

    EXPECT_EQ(CommittedTeams(), (Rows{{"2", "Gamma"}}));
    // Rejected statements are logged as the database received them.
    const std::vector<std::string> log = Log();
    EXPECT_TRUE(LoggedAsRejected(log, " INSERT INTO Nowhere VALUES( 1 ) "));
    EXPECT_TRUE(LoggedAsRejected(log, " UPDATE Nowhere SET A=1 WHERE  B=2"));
    EXPECT_TRUE(LoggedAsRejected(log, " DELETE FROM Nowhere WHERE A=1"));
    EXPECT_TRUE(LoggedAsRejected(log, "{I}Team{V}3,'Delta','ENG'{/V}"));
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(DBUpdateViewTest, BarMovesByEqualSharesAndEndsAtTheFilesEnd)
{
    RecordingProgressBar bar(40);
    ASSERT_TRUE(Apply({"{i}Team{v}1,'A','ENG'{/v}", "{i}Team{v}2,'B','ENG'{/v}", "{i}Team{v}3,'C','ENG'{/v}",
                       "{i}Team{v}4,'D','ENG'{/v}"},
                      &bar, 10, 40));
    EXPECT_EQ(bar.Positions(), (std::vector<int>{42, 45, 47, 50, 50}));

    // Three rows in a share of 10: the last row still ends exactly at the share's end.
    RecordingProgressBar thirds;
    ASSERT_TRUE(Apply({"{d}Team{w}TeamID=1", "{d}Team{w}TeamID=2", "{d}Team{w}TeamID=3"}, &thirds, 10, 70));
    EXPECT_EQ(thirds.Positions(), (std::vector<int>{73, 76, 80, 80}));

    EXPECT_TRUE(Apply({"{d}Team{w}TeamID=4"}, nullptr, 10, 40)) << "no bar is fine";
    EXPECT_TRUE(CommittedTeams().empty());
}

TEST_F(DBUpdateViewTest, RejectedStatementIsLoggedAndTheOthersCommit)
{
    const std::vector<std::string> statements = {"{i}Team{v}1,'First','ENG'{/v}", "{i}Team{v}1,'Again','ENG'{/v}",
                                                 "{i}Team{v}3,'Third','ENG'{/v}"};
    EXPECT_TRUE(Apply(statements));

    EXPECT_EQ(CommittedTeams(), (Rows{{"1", "First"}, {"3", "Third"}}));
    const std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(LoggedAsRejected(log, " INSERT INTO Team VALUES( 1,'Again','ENG' ) ")) << log[0];
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
    RecordingProgressBar bar;
    EXPECT_FALSE(Apply({"{i}Team{v}1,'Blue','ENG'{/v}", "{i}Team{v}2,'Red','ENG'{/v}", "{i}Team{v}3,'Green','ENG'{/v}"},
                       &bar));

    EXPECT_TRUE(CommittedTeams().empty()) << "none of the file's statements may stay";
    const std::vector<std::string> log = Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "ERR  INSERT INTO Team VALUES( 2,'Red','ENG' ) ");
    EXPECT_EQ(bar.Positions(), (std::vector<int>{3})) << "the file stops at the lost statement";

    EXPECT_TRUE(Apply({"{i}Team{v}4,'Green','ENG'{/v}"})) << "the next file applies as usual";
    EXPECT_EQ(CommittedTeams(), (Rows{{"4", "Green"}}));
}

}  // namespace
