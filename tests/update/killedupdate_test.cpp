#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "datafolderfixture.h"
#include "samplefolderfixture.h"
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
        ChildProcess child(KOVRAL_APPLY_CHILD, {Folder(), File("7.txt")});
        for (std::error_code noFile; !child.Ended(); std::this_thread::sleep_for(std::chrono::microseconds(500)))
            if (std::filesystem::file_size(File("data.mdb-wal"), noFile) > walBytes && !noFile)
                return child.Kill();
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

using KilledRebuildTest = SampleFolderFixture;

// Each of the derived tables is as before a rebuild or as after it, never between, and
// the file is whole, wherever a kill lands among repeated rebuilds.
TEST_F(KilledRebuildTest, KilledRebuildLeavesEachTableWhole)
{
    const auto derived = [this] {
        Rows rows;
        for (const char* table : {"TeamResults", "Stats", "Series"}) {
            const Rows part = QuerySqlite(File("data.mdb"), std::string("SELECT * FROM ") + table +
                                                                   " ORDER BY 1, 2, 3, 4, 5");
            rows.insert(rows.end(), part.begin(), part.end());
        }
        return rows;
    };
    // The tables as any complete rebuild of this data leaves them; a rebuild cycle's length.
    const auto start = std::chrono::steady_clock::now();
    DBUpdateView view;
    ASSERT_TRUE(view.UpdateStats(nullptr, 100) && view.RebuildSeries(nullptr));
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    const Rows rebuilt = derived();
    ASSERT_GT(rebuilt.size(), 1000u);
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();

    std::mt19937 random(20261207);
    for (int round = 0; round < 25; ++round) {
        ChildProcess child(KOVRAL_REBUILD_CHILD, {Folder()});
        // Start-up, then somewhere in the first two cycles.
        std::this_thread::sleep_for(std::chrono::milliseconds(20) + cycle * (random() % 2000) / 1000);
        ASSERT_TRUE(child.Kill()) << "the child ended by itself";
        ASSERT_EQ(QuerySqlite(File("data.mdb"), "PRAGMA integrity_check"), (Rows{{"ok"}})) << "kill " << round;
        ASSERT_TRUE(derived() == rebuilt) << "kill " << round << " left a table between two states";
    }
}

}  // namespace
