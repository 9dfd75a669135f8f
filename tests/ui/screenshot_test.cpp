#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <set>

#include "configfolder.h"
#include "mainwindowfixture.h"

namespace {

namespace fs = std::filesystem;

// The real program on the sample data under a virtual X server, photographed the way
// the README tells a user to.
class ProgramScreenshotTest : public MainWindowFixture {};

// Starts the program, waits for its window, takes the screen, and stops the program.
const char* const ShootScript = R"(
program="$1"; shot="$2"
"$program" & pid=$!
for i in $(seq 150); do
  xdotool search --onlyvisible --name '^Kovral ' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
import -window root "$shot"
kill $pid
)";

TEST_F(ProgramScreenshotTest, ProgramWindowOnTheSampleIsNotBlank)
{
    for (const char* tool : {"xvfb-run", "import", "xdotool"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is missing (packages xvfb, imagemagick, xdotool): no screenshot taken";
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(2, 0, 0, champ, season);
    fs::copy_file(KOVRAL_PROGRAM, File("kovral"));
    SavedVariable runtime("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", Folder().c_str(), 1);

    QProcess xvfb;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    xvfb.setProcessEnvironment(environment);
    const std::string shot = File("shot.png");
    xvfb.start("xvfb-run", {"-a", "-s", "-screen 0 1024x768x24", "sh", "-c", ShootScript, "sh",
                            QString::fromStdString(File("kovral")), QString::fromStdString(shot)});
    ASSERT_TRUE(xvfb.waitForFinished(60000)) << xvfb.readAllStandardError().toStdString();

    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull()) << xvfb.readAllStandardError().toStdString();
    EXPECT_EQ(image.size(), QSize(1024, 768));
    // The window's middle holds the list: many colours, not one flat fill.
    std::set<QRgb> colours;
    for (int y = 100; y < 668; y += 3)
        for (int x = 150; x < 874; x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20u);
    if (const char* keep = std::getenv("KOVRAL_KEEP_SCREENSHOT"))
        fs::copy_file(shot, keep, fs::copy_options::overwrite_existing);
}

}  // namespace
