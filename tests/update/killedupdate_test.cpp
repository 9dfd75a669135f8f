#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "data/dbconnect.h"
#include "datafolderfixture.h"
#include "sqlitefile.h"
#include "update/dbupdateview.h"
#include "updateservice/instructionfile.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr int FileRows = 40000;

class KilledUpdateTest : public DataFolderFixture {
protected:
    // Starts a child applying 7.txt and kills it once the write-ahead log has grown past
    // walBytes (or the child has ended); true when it was killed before it ended.
    bool ApplyAndKill(std::uintmax_t walBytes)
    {
        std::string child = KOVRAL_APPLY_CHILD, folder = Folder(), file = File("7.txt");
        char* argv[] = {child.data(), folder.data(), file.data(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, child.c_str(), nullptr, nullptr, argv, environ) != 0) {
            ADD_FAILURE() << "cannot start " << child;
            return false;
        }
        int status = 0;
        for (std::error_code noFile; waitpid(pid, &status, WNOHANG) != pid;
             std::this_thread::sleep_for(std::chrono::microseconds(500))) {
            if (std::filesystem::file_size(File("data.mdb-wal"), noFile) > walBytes && !noFile) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return WIFSIGNALED(status);
            }
        }
        return false;
    }
};

TEST_F(KilledUpdateTest, KilledMidFileKeepsNoneOrAllOfIt)
{
    Exec("INSERT INTO Version VALUES('6', '01.01.2025', 0)");
    std::vector<std::string> statements;
    for (int id = 1; id <= FileRows; ++id)
        statements.push_back("{i}Team{v}" + std::to_string(id) + ",'Club number " + std::to_string(id) +
                             " from a long way down the table','ENG'{/v}");
    statements.push_back("{u}Version{s}UpdateNum='7'");
    WriteFile(File("7.txt"), InstructionFileText(statements));
    DBConnect::ResetForTests();  // the child is to be the only one with the file open

    int killedMidFile = 0;
    for (const std::uintmax_t walBytes : {0, 256 << 10, 1 << 20, 3 << 20, 6 << 20}) {
        const bool killed = ApplyAndKill(walBytes);
        ASSERT_EQ(QuerySqlite(File("data.mdb"), "PRAGMA integrity_check"), (Rows{{"ok"}})) << "kill at " << walBytes;
        const Rows state = QuerySqlite(File("data.mdb"), "SELECT (SELECT COUNT(*) FROM Team), UpdateNum FROM Version");
        const bool none = state == Rows{{"0", "6"}};
        const bool all = state == Rows{{std::to_string(FileRows), "7"}};
        ASSERT_TRUE(none || all) << state[0][0] << " rows, update " << state[0][1] << ", kill at " << walBytes;
        if (all)
            RunSqlite(File("data.mdb"), "DELETE FROM Team; UPDATE Version SET UpdateNum='6';");
        killedMidFile += killed && none;
    }
    EXPECT_GT(killedMidFile, 0) << "no kill came in the middle of the file";

    // The program opens the file afterwards and applies the same file in full.
    EXPECT_TRUE(DBUpdateView().ApplyInstructions(ReadFile(File("7.txt")), nullptr, 100, 0));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Team"), std::to_string(FileRows));
    EXPECT_EQ(Value("SELECT UpdateNum FROM Version"), "7");
}

}  // namespace
