#include "foundation/jxerr.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "jxstrprint.h"
#include "logfixture.h"

using JXErrTest = LogFixture;

TEST_F(JXErrTest, EachLineReachesTheLogWithStampAndPrefix)
{
    JXErr::Warning("first");
    JXErr::Warning("second");
    JXErr::Error("DBase::Select SELECT * FROM Команды");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(WithoutStamp(lines[0]), "[WARNING] first");
    EXPECT_EQ(WithoutStamp(lines[1]), "[WARNING] second");
    EXPECT_EQ(WithoutStamp(lines[2]), "[ERROR] DBase::Select SELECT * FROM Команды");
}

TEST_F(JXErrTest, QueueKeepsTheLast100LinesWhileTheLogKeepsAll)
{
    for (int i = 0; i <= 100; ++i)
        JXErr::Error("line " + std::to_string(i));
    const std::deque<JXStr>& queue = JXErr::GetInstance().Lines();
    ASSERT_EQ(queue.size(), 100u);
    EXPECT_EQ(queue.front(), "[ERROR] line 1");
    EXPECT_EQ(queue.back(), "[ERROR] line 100");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(WithoutStamp(lines.front()), "[ERROR] line 0");
}

TEST_F(JXErrTest, UnwritableLogStillKeepsTheLineInMemory)
{
    std::filesystem::create_directory(File("log.txt"));
    JXErr::Error("lost on disk");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(JXErr::GetInstance().Lines().back(), "[ERROR] lost on disk");
}
