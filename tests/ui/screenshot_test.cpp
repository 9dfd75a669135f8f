#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <filesystem>
#include <set>
#include <sstream>

#include "configfolder.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "mainwindowfixture.h"
#include "sampledata/sampleids.h"
#include "ui/dlgmain.h"
#include "ui/dlgteam.h"

namespace {

namespace fs = std::filesystem;

// Starts the program ("$program") and waits for its main window ("$main").
const std::string StartScript = R"script(
# The first visible window whose caption matches, waited for up to 15 s.
wait_for() {
  for i in $(seq 150); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
}
"$program" & pid=$!
main=$(wait_for '^Kovral ')
sleep 1
)script";

// Given a point of the main window and a window caption, clicks there and waits for
// that window, printing its place as "x y width height"; then takes the screen and
// stops the program.
const std::string ShootScript = R"script(
program="$1"; shot="$2"; x="$3"; y="$4"; caption="$5"
)script" + StartScript + R"script(
if [ -n "$caption" ]; then
  xdotool mousemove --window "$main" "$x" "$y" click 1
  shown=$(wait_for "^$caption\$")
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$shown")"
  echo "$X $Y $WIDTH $HEIGHT"
fi
import -window root "$shot"
kill $pid
)script";

// Prints the main window's place as "x y width height", clicks the first point of it,
// then each further point, taking the screen after each as "$shots-N.png" (N from 1).
const std::string ClickThroughScript = R"script(
program="$1"; shots="$2"; shift 2
)script" + StartScript + R"script(
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "$X $Y $WIDTH $HEIGHT"
xdotool mousemove --window "$main" "$1" "$2" click 1
shift 2
sleep 1
n=0
while [ $# -ge 2 ]; do
  xdotool mousemove --window "$main" "$1" "$2" click 1
  shift 2
  sleep 0.7
  n=$((n+1))
  import -window root "$shots-$n.png"
done
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

    // Runs a script on the program and the screenshot path; returns what it printed.
    std::string Run(const std::string& script, const std::string& shot, const QStringList& arguments)
    {
        QProcess xvfb;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        xvfb.setProcessEnvironment(environment);
        xvfb.start("xvfb-run", QStringList{"-a", "-s", "-screen 0 1024x768x24", "sh", "-c",
                                           QString::fromStdString(script), "sh",
                                           QString::fromStdString(File("kovral")), QString::fromStdString(shot)} +
                                       arguments);
        EXPECT_TRUE(xvfb.waitForFinished(60000)) << xvfb.readAllStandardError().toStdString();
        return xvfb.readAllStandardOutput().toStdString();
    }

    std::string Shoot(const QStringList& click = {}) { return Run(ShootScript, Shot(), click); }

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
    void Keep(const std::string& suffix, const std::string& shot = "") const
    {
        if (const char* keep = std::getenv("KOVRAL_KEEP_SCREENSHOT")) {
            std::string path = keep;
            path.insert(path.size() - std::string(".png").size(), suffix);
            fs::copy_file(shot.empty() ? Shot() : shot, path, fs::copy_options::overwrite_existing);
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

TEST_F(ProgramScreenshotTest, ClickOnTheTournamentButtonOpensThePickerInBothLanguages)
{
    for (const char* language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        // The main window of the last round freed the settings object.
        DBSetting* setting = DBSetting::CreateGlobal();
        setting->WriteString("Lang", language);
        setting->LoadLanguage();
        const std::string caption = setting->GetLangText(1045);
        // Where the button lies in the program's fixed layout.
        const QToolButton* button = Start().findChild<QToolButton*>("btnChampionat");
        ASSERT_NE(button, nullptr);
        const QPoint centre = button->mapTo(&Main(), button->rect().center());
        Stop();

        std::istringstream place(Shoot({QString::number(centre.x()), QString::number(centre.y()),
                                        QString::fromStdString(caption)}));
        QRect picker;
        int x = 0, y = 0, width = 0, height = 0;
        ASSERT_TRUE(place >> x >> y >> width >> height) << "no window \"" << caption << "\" after the click";
        picker.setRect(x, y, width, height);
        EXPECT_EQ(picker.size(), QSize(260, 410));
        const QImage image(QString::fromStdString(Shot()));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.rect().contains(picker));
        EXPECT_GT(Colours(image, picker), 10u);
        Keep(std::string("-picker-") + language);
    }
}

TEST_F(ProgramScreenshotTest, TeamCardShowsEachOfItsTabsInTheRunningProgram)
{
    SetCurrentView(FilterMode::Team, SampleIds::FirstTeam(SampleIds::England), 0, 0, 0);
    // Where the opener and the shown tabs lie in the program's fixed layout.
    QStringList points;
    const auto add = [&](QWidget* control, QPoint point) {
        const QPoint inMain = control->mapTo(&Main(), point);
        points << QString::number(inMain.x()) << QString::number(inMain.y());
    };
    QWidget* opener = Start().findChild<QWidget*>("btnNTeamChamp");
    ASSERT_NE(opener, nullptr);
    add(opener, opener->rect().center());
    Click("btnNTeamChamp");
    ASSERT_NE(DlgTeam, nullptr);
    QTabBar* tabs = DlgTeam->page1->tabBar();
    std::vector<std::string> shownTabs;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i)) {
            add(tabs, tabs->tabRect(i).center());
            shownTabs.push_back(DlgTeam->page1->widget(i)->objectName().toStdString());
        }
    const QRect card(DlgTeam->mapTo(&Main(), QPoint(0, 0)), DlgTeam->size());
    Stop();
    ASSERT_EQ(shownTabs.size(), 5u);

    std::istringstream place(Run(ClickThroughScript, File("card"), points));
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(place >> x >> y >> width >> height) << "the program showed no window";
    const QRect shown = card.translated(x, y);
    QImage previous;
    for (size_t i = 0; i < shownTabs.size(); ++i) {
        SCOPED_TRACE(shownTabs[i]);
        const std::string shot = File("card-" + std::to_string(i + 1) + ".png");
        const QImage image(QString::fromStdString(shot));
        ASSERT_FALSE(image.isNull());
        ASSERT_TRUE(image.rect().contains(shown));
        EXPECT_GT(Colours(image, shown), 20u);
        EXPECT_NE(image.copy(shown), previous) << "the tab did not change";
        previous = image.copy(shown);
        Keep("-team-" + shownTabs[i], shot);
    }
}

}  // namespace
