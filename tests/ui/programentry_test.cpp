#include <gtest/gtest.h>

#include <QProcess>

#include <chrono>
#include <fstream>
#include <list>
#include <sstream>
#include <thread>

#include <sys/stat.h>

#include "configfolder.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/programfolder.h"
#include "setup/programfoldersetup.h"
#include "tempfolder.h"

namespace {

using namespace std::chrono_literals;

// The real program started from program folders of its own, with its settings and
// its lock files in temporary folders.
class ProgramEntryTest : public ::testing::Test {
protected:
    ProgramEntryTest() { setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1); }

    ~ProgramEntryTest() override
    {
        for (QProcess& process : processes_) {
            process.kill();
            process.waitForFinished(10000);
        }
    }

    // A program folder with the program in it.
    static void MakeProgramFolder(const TempFolder& folder)
    {
        SetupOptions options;
        options.programExecutable = KOVRAL_PROGRAM;
        SetupProgramFolder(folder.Path(), options);
        DBSetting::FreeGlobal();
        DBConnect::ResetForTests();
        SetProgramFolderForTests("");
    }

    QProcess& Launch(const TempFolder& folder)
    {
        QProcess& process = processes_.emplace_back();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(QString::fromStdString(folder.File("kovral")), {});
        EXPECT_TRUE(process.waitForStarted(10000));
        return process;
    }

    // The lock file of a folder: "Kovral_" and the folder, "/" made "_" and ":" dropped.
    std::string LockFile(const TempFolder& folder) const
    {
        std::string name = "Kovral_" + folder.Path();
        for (char& c : name)
            if (c == '/')
                c = '_';
        std::erase(name, ':');
        return runtime_.Path() + name + ".lock";
    }

    // Waits until process holds the folder's lock, as the kernel's lock table tells.
    bool WaitUntilLocked(QProcess& process, const TempFolder& folder)
    {
        for (auto waited = 0ms; waited < 30s; waited += 50ms) {
            if (process.state() != QProcess::Running)
                return false;
            if (HoldsLock(process.processId(), LockFile(folder)))
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    ConfigFolder config_;

private:
    static bool HoldsLock(qint64 pid, const std::string& path)
    {
        struct stat file {};
        if (stat(path.c_str(), &file) != 0)
            return false;
        std::ifstream locks("/proc/locks");
        std::string line;
        while (std::getline(locks, line)) {
            // "1: FLOCK  ADVISORY  WRITE 4242 fd:01:1234567 0 EOF"
            std::istringstream fields(line);
            std::string number, kind, mode, access, device;
            qint64 holder = 0;
            fields >> number >> kind >> mode >> access >> holder >> device;
            if (kind == "FLOCK" && holder == pid &&
                device.substr(device.rfind(':') + 1) == std::to_string(file.st_ino))
                return true;
        }
        return false;
    }

    SavedVariable savedRuntime_{"XDG_RUNTIME_DIR"};
    TempFolder runtime_;
    std::list<QProcess> processes_;
};

TEST_F(ProgramEntryTest, SecondCopyFromTheSameFolderEndsAtOnceShowingNothing)
{
    TempFolder folder;
    MakeProgramFolder(folder);
    QProcess& first = Launch(folder);
    ASSERT_TRUE(WaitUntilLocked(first, folder)) << first.readAllStandardError().toStdString();

    QProcess& second = Launch(folder);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramEntryTest, CopiesInDifferentFoldersRunSideBySide)
{
    TempFolder one;
    TempFolder two;
    MakeProgramFolder(one);
    MakeProgramFolder(two);
    QProcess& first = Launch(one);
    QProcess& second = Launch(two);
    EXPECT_TRUE(WaitUntilLocked(first, one));
    EXPECT_TRUE(WaitUntilLocked(second, two));
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(second.state(), QProcess::Running);
}

}  // namespace
