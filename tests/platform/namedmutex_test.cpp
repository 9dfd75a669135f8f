#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

#include "configfolder.h"
#include "platform/namedmutex.h"
#include "tempfolder.h"

namespace {

class TNamedMutexTest : public ::testing::Test {
protected:
    TNamedMutexTest() { setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1); }

    const std::string& Runtime() const { return runtime_.Path(); }

private:
    SavedVariable saved_{"XDG_RUNTIME_DIR"};
    TempFolder runtime_;
};

TEST_F(TNamedMutexTest, SecondHolderOfOneNameFindsItTakenUntilReleased)
{
    TNamedMutex first("Kovral__opt_kovral_");
    ASSERT_TRUE(first.Owned());
    EXPECT_FALSE(first.AlreadyExists());
    EXPECT_TRUE(TNamedMutex("Kovral__opt_other_").Owned()) << "other names are held side by side";

    TNamedMutex second("Kovral__opt_kovral_");
    EXPECT_TRUE(second.AlreadyExists());
    EXPECT_FALSE(second.Owned());

    first.Release();
    TNamedMutex third("Kovral__opt_kovral_");
    EXPECT_TRUE(third.Owned());
    EXPECT_FALSE(third.AlreadyExists());
}

TEST_F(TNamedMutexTest, LockFileIsOneFileInTheRuntimeFolderOrTmp)
{
    EXPECT_EQ(TNamedMutex::LockFilePath("Kovral__home_x_"), Runtime() + "/Kovral__home_x_.lock");
    EXPECT_EQ(TNamedMutex::LockFilePath("a/b"), Runtime() + "/a_b.lock");

    const std::string deep = "Kovral_" + std::string(300, 'x');
    const std::string path = TNamedMutex::LockFilePath(deep);
    EXPECT_LE(std::filesystem::path(path).filename().string().size(), 255u);
    EXPECT_NE(path, TNamedMutex::LockFilePath(deep + "y"));
    TNamedMutex first(deep);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(TNamedMutex(deep).AlreadyExists());

    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(TNamedMutex::LockFilePath("Kovral__home_x_"), "/tmp/Kovral__home_x_.lock");
}

TEST_F(TNamedMutexTest, LockOfAKilledProcessIsFreeAgain)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TNamedMutex mutex("Kovral__killed_");
        const char held = mutex.Owned() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(TNamedMutex("Kovral__killed_").AlreadyExists());

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_TRUE(TNamedMutex("Kovral__killed_").Owned());
}

}  // namespace
