#include "update/dlgupdate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "data/dbconnect.h"
#include "shareddata.h"
#include "sqlitefile.h"
#include "updatedialogfixture.h"
#include "updateservice/seasonconverter.h"

namespace {

using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> Seasons = {"E0_1920.csv", "E0_2021.csv", "E0_2223.csv", "E0_2324.csv", "E0_2425.csv"};

// Five Premier League seasons, one instruction file each, served to a folder that has
// taken the first four: the update that the child runs and the test kills takes the
// last file, rebuilds the statistics and compacts the file.
class TDlgUpdateKilledTest : public UpdateDialogFixture {
protected:
    void SetUp() override
    {
        const std::string shared = SharedDataFolder();
        if (shared.empty())
            GTEST_SKIP() << NoSharedDataMessage();
        SeasonConverter converter;
        std::vector<std::vector<std::string>> files;
        for (const std::string& season : Seasons) {
            SeasonSource source;
            source.path = shared + "football-data-co-uk/" + season;
            files.push_back(converter.Convert(source).files.at(0));
        }
        lastFile_ = static_cast<int>(files.size());
        ServeFiles(1, {files.begin(), files.end() - 1});
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        ASSERT_EQ(DBConnect::GetData()->GetUpdate(), std::to_string(lastFile_ - 1));
        ServeFiles(lastFile_, {files.back()});
        DBConnect::ResetForTests();
        before_ = ReadFile(File("data.mdb"));
    }

    // data.mdb as the first four files left it, with nothing of a later run beside it.
    void RestoreDataFile()
    {
        DBConnect::ResetForTests();
        for (const char* file : {"data.mdb-wal", "data.mdb-shm", "data1.mdb"})
            std::filesystem::remove(File(file));
        WriteFile(File("data.mdb"), before_);
        Service().ClearRequests();
    }

    // Starts the update in a child; waits until it asks for the last file.
    std::unique_ptr<ChildProcess> StartChild(const std::vector<std::string>& options = {})
    {
        std::vector<std::string> arguments = {Folder()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        auto child = std::make_unique<ChildProcess>(KOVRAL_UPDATE_CHILD, arguments);
        while (!child->Ended() && !LastFileAsked())
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        return child;
    }
    bool LastFileAsked() const
    {
        const std::vector<int> asked = FilesAsked();
        return !asked.empty() && asked.back() == lastFile_;
    }

    static void WaitForEnd(ChildProcess& child)
    {
        while (!child.Ended())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    // What the update is to leave: the data version, the matches and the two derived tables.
    Rows Data() const
    {
        Rows rows = Query("SELECT * FROM Version");
        for (const Rows& table : {Query("SELECT * FROM Fixed ORDER BY FixedIND"), Derived()}) {
            rows.push_back({std::to_string(table.size())});
            rows.insert(rows.end(), table.begin(), table.end());
        }
        return rows;
    }
    Rows Derived() const
    {
        Rows rows = Query("SELECT * FROM TeamResults ORDER BY TeamID, Field, Date");
        const Rows stats = Query("SELECT * FROM Stats ORDER BY ChampID, SeasonID, TeamID, RoundID, Field");
        rows.push_back({std::to_string(rows.size()), std::to_string(stats.size())});
        rows.insert(rows.end(), stats.begin(), stats.end());
        return rows;
    }
    Rows Query(const std::string& sql) const { return QuerySqlite(File("data.mdb"), sql); }
    std::string UpdateNum() const { return Query("SELECT UpdateNum FROM Version").at(0).at(0); }

    // What an update run shows: its memo, and its Tag (1 when the main window must reload).
    struct Run {
        Lines memo;
        int tag = 0;
    };

    // The run after a kill, as the state the kill left calls for.
    Run RunAfterKill(const Rows& uninterruptedDerived) const
    {
        if (UpdateNum() != std::to_string(lastFile_))
            return {{Step(1, 1052), Step(2, 1053), Step(3, 1055), Step(4, 1056), Step(5, 1402), Step(6, 1057), ""}, 1};
        if (Derived() == uninterruptedDerived)
            return {{Step(1, 1052), Step(2, 1053), "", Text(1061)}, 0};
        return {{Step(1, 1052), Step(2, 1053), "", Text(1061), Step(4, 1056), ""}, 1};
    }

    // One update run in this process, as the user starts it after the kill.
    static Run RunAgain()
    {
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        const Run run{MemoLines(dialog), dialog.Tag()};
        DBConnect::ResetForTests();
        return run;
    }

    int lastFile_ = 0;
    std::string before_;
};

TEST_F(TDlgUpdateKilledTest, UpdateKilledAnywhereIsCompletedByTheNextRun)
{
    RestoreDataFile();
    const std::unique_ptr<ChildProcess> child = StartChild();
    const Clock::time_point start = Clock::now();
    WaitForEnd(*child);
    // From the request for the last file to the end: applying it, the rebuild, the compaction.
    const auto window = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    ASSERT_EQ(UpdateNum(), std::to_string(lastFile_));
    const Rows uninterrupted = Data();
    const Rows uninterruptedDerived = Derived();
    ASSERT_GT(uninterrupted.size(), 3000u);

    // Once exactly between the last file's commit and the rebuild's, then the next run is
    // told there is nothing to fetch, is named no file past the current one, or cannot log
    // in: it rebuilds all the same.
    const struct {
        const char* name;
        std::optional<std::string> reply;
        std::string host;
        Lines memo;
    } nextRuns[] = {
        {"nothing to fetch", std::nullopt, Service().Host(), AfterLogin({"", Text(1061)})},
        {"no file past the current one",
         ":{/splitCol};{/splitRow}status:time_end:min_ver_file:db_ver_server;update:31.12.2099:" +
                 std::to_string(lastFile_ + 1) + ":" + std::to_string(lastFile_) + ";",
         Service().Host(), AfterLogin({Step(3, 1055), "", Text(1061)})},
        {"the login fails", std::nullopt, "127.0.0.1:1", {"1. " + Text(1052) + "... ERR"}},
    };
    for (const auto& next : nextRuns) {
        SCOPED_TRACE(next.name);
        RestoreDataFile();
        WaitForEnd(*StartChild({"--die-before-rebuild"}));
        ASSERT_EQ(UpdateNum(), std::to_string(lastFile_)) << "the last file committed";
        ASSERT_NE(Derived(), uninterruptedDerived) << "the rebuild did not";
        Service().ClearRequests();
        Service().SetLoginReply(next.reply);
        setenv("KOVRAL_UPDATE_HOST", next.host.c_str(), 1);
        const Run run = RunAgain();
        setenv("KOVRAL_UPDATE_HOST", Service().Host().c_str(), 1);
        Service().SetLoginReply(std::nullopt);
        EXPECT_EQ(run.memo, Joined(next.memo, {Step(4, 1056), ""}));
        EXPECT_TRUE(FilesAsked().empty()) << "the repair needs no file";
        EXPECT_EQ(run.tag, 1) << "the main window reloads";
        EXPECT_TRUE(Data() == uninterrupted) << "the data differ from an uninterrupted run";
    }

    // Random moments over the last file, the rebuild and the compaction.
    std::mt19937 random(20261207);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        RestoreDataFile();
        const std::unique_ptr<ChildProcess> killed = StartChild();
        std::this_thread::sleep_for(window * (random() % 1000) / 1000);
        killed->Kill();
        ASSERT_EQ(Query("PRAGMA integrity_check"), (Rows{{"ok"}}));
        const Run expected = RunAfterKill(uninterruptedDerived);
        const Run run = RunAgain();
        EXPECT_EQ(run.memo, expected.memo);
        EXPECT_EQ(run.tag, expected.tag);
        EXPECT_EQ(Query("PRAGMA integrity_check"), (Rows{{"ok"}}));
        EXPECT_TRUE(Data() == uninterrupted) << "the data differ from an uninterrupted run";
    }
}

}  // namespace
