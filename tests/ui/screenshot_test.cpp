#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>

#include <filesystem>
#include <set>
#include <sstream>

#include "configfolder.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "mainwindowfixture.h"
#include "ui/dlgmain.h"

namespace {

namespace fs = std::filesystem;

// Starts the program, waits for its window and, given a point of it and a window
// caption, clicks there and waits for that window, printing its place as "x y width
// height"; then takes the screen and stops the program.
const char* const ShootScript = R"script(
program="$1"; shot="$2"; x="$3"; y="$4"; caption="$5"
# The first visible window whose caption matches, waited for up to 60 s (a loaded
# machine starts the program slowly); every 5 s the optional command runs again, so a
# click that came before the window took input is repeated.
wait_for() {
  for i in $(seq 600); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return; }
    [ -n "$2" ] && [ $((i % 50)) -eq 0 ] && eval "$2"
    sleep 0.1
  done
}
"$program" & pid=$!
main=$(wait_for '^Kovral ')
sleep 1
if [ -n "$caption" ]; then
  click='xdotool mousemove --window "$main" "$x" "$y" click 1'
  eval "$click"
  shown=$(wait_for "^$caption\$" "$click")
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$shown")"
  echo "$X $Y $WIDTH $HEIGHT"
fi
import -window root "$shot"
kill $pid
)script";

// The real program on the sample data under a virtual X server, photographed the way
// the README tells a user to.
class ProgramScreenshotTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        for (const char* tool : {"xvfb-run", "import", "xdotool"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is missing (packages xvfb, imagemagick, xdotool): no screenshot taken";
        const auto [champ, season] = NewestLeagueSeason();
        SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
        fs::copy_file(KOVRAL_PROGRAM, File("kovral"));
        setenv("XDG_RUNTIME_DIR", Folder().c_str(), 1);
    }

    // Runs the script; returns what it printed.
    std::string Shoot(const QStringList& click = {})
    {
        QProcess xvfb;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        xvfb.setProcessEnvironment(environment);
        xvfb.start("xvfb-run", QStringList{"-a", "-s", "-screen 0 1024x768x24", "sh", "-c", ShootScript, "sh",
                                           QString::fromStdString(File("kovral")), QString::fromStdString(Shot())} +
                                       click);
        EXPECT_TRUE(xvfb.waitForFinished(180000)) << xvfb.readAllStandardError().toStdString();
        return xvfb.readAllStandardOutput().toStdString();
    }

    std::string Shot() const { return File("shot.png"); }

    // Many colours in the part of the screen, not one flat fill.
    static size_t Colours(const QImage& image, const QRect& part)
    {
        std::set<QRgb> colours;
        for (int y = part.top(); y <= part.bottom(); y += 3)
            for (int x = part.left(); x <= part.right(); x += 3)
                colours.insert(image.pixel(x, y));
        return colours.size();
    }

    // Keeps the screenshot where KOVRAL_KEEP_SCREENSHOT names, with suffix before ".png".
    void Keep(const std::string& suffix) const
    {
        if (const char* keep = std::getenv("KOVRAL_KEEP_SCREENSHOT")) {
            std::string path = keep;
            path.insert(path.size() - std::string(".png").size(), suffix);
            fs::copy_file(Shot(), path, fs::copy_options::overwrite_existing);
        }
    }

    SavedVariable runtime_{"XDG_RUNTIME_DIR"};
};

TEST_F(ProgramScreenshotTest, ProgramWindowOnTheSampleIsNotBlank)
{
    Shoot();
    const QImage image(QString::fromStdString(Shot()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1024, 768));
    // The window's middle holds the list.
    EXPECT_GT(Colours(image, QRect(150, 100, 724, 568)), 20u);
    Keep("");
}

TEST_F(ProgramScreenshotTest, ClickOnAPickerButtonOpensThePickerInBothLanguages)
{
    struct Picker {
        const char* button;
        int caption;
        QSize size;
        const char* shot;
    };
    const Picker pickers[] = {{"btnChampionat", 1045, QSize(260, 410), "-picker-"},
                              {"btnFixed", 1047, QSize(670, 369), "-fixed-"}};
    for (const Picker& picker : pickers)
        for (const char* language : {"ru", "en"}) {
            SCOPED_TRACE(std::string(picker.button) + " " + language);
            // The main window of the last round freed the settings object.
            DBSetting* setting = DBSetting::CreateGlobal();
            setting->WriteString("Lang", language);
            setting->LoadLanguage();
            const std::string caption = setting->GetLangText(picker.caption);
            // Where the button lies in the program's fixed layout.
            const QToolButton* button = Start().findChild<QToolButton*>(picker.button);
            ASSERT_NE(button, nullptr);
            const QPoint centre = button->mapTo(&Main(), button->rect().center());
            Stop();

            std::istringstream place(Shoot({QString::number(centre.x()), QString::number(centre.y()),
                                            QString::fromStdString(caption)}));
            int x = 0, y = 0, width = 0, height = 0;
            ASSERT_TRUE(place >> x >> y >> width >> height) << "no window \"" << caption << "\" after the click";
            const QRect shown(x, y, width, height);
            EXPECT_EQ(shown.size(), picker.size);
            const QImage image(QString::fromStdString(Shot()));
            ASSERT_FALSE(image.isNull());
            EXPECT_TRUE(image.rect().contains(shown));
            EXPECT_GT(Colours(image, shown), 10u);
            Keep(picker.shot + std::string(language));
        }
}

}  // namespace
