#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>

#include <filesystem>
#include <set>
#include <sstream>

#include "configfolder.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "mainwindowfixture.h"
#include "sampledata/sampleids.h"
#include "ui/dlgchamp.h"
#include "ui/dlgfilter.h"
#include "ui/dlgfixed.h"
#include "ui/dlgmain.h"
#include "ui/dlgteam.h"

namespace {

namespace fs = std::filesystem;

// Shell functions every script may call: wait_main waits up to 60 s for the program's
// main window and names it $main.
const char* const ScriptFunctions = R"script(
wait_main() {
  for i in $(seq 600); do
    main=$(xdotool search --onlyvisible --name '^Kovral ' 2>/dev/null | head -1)
    [ -n "$main" ] && break
    sleep 0.1
  done
  sleep 1
}
)script";

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

// Under a window manager, which frames windows after they are mapped: clicks the filter
// button (at x y of the main window), prints "main-x main-y main-width filter-x filter-y
// filter-width", closes the filter window by its button (at cx cy) and does so twice;
// then shows it again, clicks into the main window and prints how many other windows
// are visible.
const char* const FilterScript = R"script(
program="$1"; x="$2"; y="$3"; cx="$4"; cy="$5"
openbox >/dev/null 2>&1 &
sleep 2
"$program" & pid=$!
wait_main
others() { xdotool search --onlyvisible --pid $pid 2>/dev/null | grep -v "^$main\$"; }
# Waits up to 30 s until the count of the other visible windows is $1 (or, with "+",
# at least one).
wait_others() {
  for i in $(seq 300); do
    n=$(others | wc -l)
    { [ "$1" = "+" ] && [ "$n" -gt 0 ]; } || [ "$n" = "$1" ] && return
    sleep 0.1
  done
}
# A window's origin on the screen, read where the pointer lands (the geometry command
# adds the frame's offset), and its width.
place() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" 0 0
  eval "$(xdotool getmouselocation --shell)"
  printf "%s %s %s " $X $Y $WIDTH
}
for round in 1 2; do
  xdotool mousemove --window "$main" "$x" "$y" click 1
  wait_others +
  filter=$(others | head -1)
  sleep 1
  place "$main"; place "$filter"; echo
  xdotool mousemove --window "$filter" "$cx" "$cy" click 1
  wait_others 0
done
xdotool mousemove --window "$main" "$x" "$y" click 1
wait_others +
sleep 1
xdotool mousemove --window "$main" 400 300 click 1
wait_others 0
echo "visible $(others | wc -l)"
kill $pid
)script";

// Prints the main window's place as "x y", then clicks the points of it given as "x y"
// pairs one after the other, taking the screen after each click as shots0.png,
// shots1.png ...
const char* const ClicksScript = R"script(
program="$1"; shots="$2"; shift 2
"$program" & pid=$!
wait_main
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "$X $Y"
n=0
while [ $# -ge 2 ]; do
  xdotool mousemove --window "$main" "$1" "$2" click 1
  shift 2
  sleep 1
  import -window root "$shots$n.png"
  n=$((n+1))
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

    // Runs the screenshot script; returns what it printed.
    std::string Shoot(const QStringList& click = {})
    {
        return Run(ShootScript, QStringList{QString::fromStdString(Shot())} + click);
    }

    // Runs a script under a virtual X server with the program's path and arguments.
    std::string Run(const char* script, const QStringList& arguments)
    {
        QProcess xvfb;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        xvfb.setProcessEnvironment(environment);
        xvfb.start("xvfb-run", QStringList{"-a", "-s", "-screen 0 1024x768x24", "sh", "-c",
                                           QString(ScriptFunctions) + script, "sh",
                                           QString::fromStdString(File("kovral"))} +
                                       arguments);
        EXPECT_TRUE(xvfb.waitForFinished(180000)) << xvfb.readAllStandardError().toStdString();
        return xvfb.readAllStandardOutput().toStdString();
    }

    // The centre of a control of one of the program's windows, in that window.
    static QStringList Centre(const QWidget& window, const char* name)
    {
        const QWidget* control = window.findChild<QWidget*>(name);
        EXPECT_NE(control, nullptr) << name;
        const QPoint centre = control ? control->mapTo(&window, control->rect().center()) : QPoint();
        return {QString::number(centre.x()), QString::number(centre.y())};
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

    // Keeps a screenshot where KOVRAL_KEEP_SCREENSHOT names, with suffix before ".png".
    static void Keep(const std::string& shot, const std::string& suffix)
    {
        if (const char* keep = std::getenv("KOVRAL_KEEP_SCREENSHOT")) {
            std::string path = keep;
            path.insert(path.size() - std::string(".png").size(), suffix);
            fs::copy_file(shot, path, fs::copy_options::overwrite_existing);
        }
    }

    // Opens a card by a button of the main window in the running program and takes the
    // screen on the page it opens on, then on each other shown page, clicking its tab:
    // every page is drawn, and differs from the one before.
    void ExpectEveryShownPageDrawn(const char* opener, QTabWidget* (*pagesOf)(), size_t shownPages,
                                   const std::string& keep)
    {
        // Where the button, the card's tabs and its pages lie in the program's fixed layout.
        QStringList clicks = Centre(Start(), opener);
        Click(opener);
        QTabWidget* pages = pagesOf();
        ASSERT_NE(pages, nullptr) << opener << " opens no card";
        const QRect pageArea(pages->currentWidget()->mapTo(&Main(), QPoint(0, 0)), pages->currentWidget()->size());
        std::vector<std::string> names = {pages->currentWidget()->objectName().toStdString()};
        for (int page = 0; page < pages->count(); ++page)
            if (pages->isTabVisible(page) && page != pages->currentIndex()) {
                names.push_back(pages->widget(page)->objectName().toStdString());
                const QPoint tab = pages->tabBar()->mapTo(&Main(), pages->tabBar()->tabRect(page).center());
                clicks << QString::number(tab.x()) << QString::number(tab.y());
            }
        Stop();
        ASSERT_EQ(names.size(), shownPages);

        std::istringstream place(Run(ClicksScript, QStringList{QString::fromStdString(File("card"))} + clicks));
        int left = 0, top = 0;
        ASSERT_TRUE(place >> left >> top) << "no main window";
        const QRect page = pageArea.translated(left, top);
        QImage previous;
        for (size_t index = 0; index < names.size(); ++index) {
            SCOPED_TRACE(names[index]);
            const std::string shot = File("card" + std::to_string(index) + ".png");
            const QImage image(QString::fromStdString(shot));
            ASSERT_FALSE(image.isNull());
            ASSERT_TRUE(image.rect().contains(page));
            EXPECT_GT(Colours(image, page), 20u);
            EXPECT_NE(image.copy(page), previous) << "the page did not change";
            previous = image.copy(page);
            Keep(shot, keep + names[index]);
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
    Keep(Shot(), "");
}

TEST_F(ProgramScreenshotTest, ClickOnAToolBarButtonOpensItsDialogInBothLanguages)
{
    struct Dialog {
        const char* button;
        int caption;
        QSize size;
        const char* shot;
    };
    const Dialog dialogs[] = {{"btnChampionat", 1045, QSize(260, 410), "-picker-"},
                              {"btnFixed", 1047, QSize(670, 369), "-fixed-"},
                              {"btnToday", 1048, QSize(725, 426), "-today-"},
                              {"btnSettings", 1008, QSize(369, 241), "-settings-"}};
    for (const Dialog& dialog : dialogs)
        for (const char* language : {"ru", "en"}) {
            SCOPED_TRACE(std::string(dialog.button) + " " + language);
            // The main window of the last round freed the settings object.
            DBSetting* setting = DBSetting::CreateGlobal();
            setting->WriteString("Lang", language);
            setting->LoadLanguage();
            const std::string caption = setting->GetLangText(dialog.caption);
            // Where the button lies in the program's fixed layout.
            const QStringList centre = Centre(Start(), dialog.button);
            Stop();

            std::istringstream place(Shoot(centre + QStringList{QString::fromStdString(caption)}));
            int x = 0, y = 0, width = 0, height = 0;
            ASSERT_TRUE(place >> x >> y >> width >> height) << "no window \"" << caption << "\" after the click";
            const QRect shown(x, y, width, height);
            EXPECT_EQ(shown.size(), dialog.size);
            const QImage image(QString::fromStdString(Shot()));
            ASSERT_FALSE(image.isNull());
            EXPECT_TRUE(image.rect().contains(shown));
            EXPECT_GT(Colours(image, shown), 10u);
            Keep(Shot(), dialog.shot + std::string(language));
        }
}

TEST_F(ProgramScreenshotTest, FilterWindowFramedByAWindowManagerStandsBesideTheMainWindowFromItsFirstShow)
{
    if (QStandardPaths::findExecutable("openbox").isEmpty())
        GTEST_SKIP() << "openbox is missing: no window manager to frame the windows";
    DBSetting::Global()->WriteBool("FilterTop", false);
    const QStringList filterButton = Centre(Start(), "btnNFilter");
    const QStringList clicks = filterButton + Centre(Filter(), "btnClose");
    Stop();

    std::istringstream lines(Run(FilterScript, clicks));
    for (const char* show : {"first", "second"}) {
        SCOPED_TRACE(show);
        int mainX = 0, mainY = 0, mainWidth = 0, filterX = 0, filterY = 0, filterWidth = 0;
        ASSERT_TRUE(lines >> mainX >> mainY >> mainWidth >> filterX >> filterY >> filterWidth);
        EXPECT_EQ(filterY - mainY, 150);
        EXPECT_EQ(filterX + filterWidth + 10, mainX + mainWidth);
    }
    std::string visible;
    int others = -1;
    lines >> visible >> others;
    EXPECT_EQ(others, 0) << "a click back on the main window hides the filter window";
}

TEST_F(ProgramScreenshotTest, EveryPageOfTheTournamentCardFromTheMatchButtonIsNotBlank)
{
    // A league of several stages, so that the standings page shows its stage list.
    SetCurrentView(FilterMode::Tournament, 0, 0, SampleIds::League(SampleIds::Belgium), 2);
    ExpectEveryShownPageDrawn("btnBChamp", [] { return DlgChamp ? DlgChamp->page1 : nullptr; }, 6, "-card-");
}

TEST_F(ProgramScreenshotTest, EveryShownPageOfTheTeamCardFromTheNavigationBarIsDrawn)
{
    SetCurrentView(FilterMode::Team, SampleIds::FirstTeam(SampleIds::England), 0, 0, 0);
    ExpectEveryShownPageDrawn("btnNTeamChamp", [] { return DlgTeam ? DlgTeam->page1 : nullptr; }, 5, "-team-");
}

TEST_F(ProgramScreenshotTest, EveryShownPageOfTheMatchCardFromAHeadToHeadViewIsDrawn)
{
    const Rows pair = Select("SELECT TOP 1 Team1ID, Team2ID FROM Fixed WHERE AET=True ORDER BY Team1ID");
    ASSERT_EQ(pair.size(), 1u);
    SetCurrentView(FilterMode::Pair, std::stoi(pair[0][0]), std::stoi(pair[0][1]), 0, 0);
    ExpectEveryShownPageDrawn("btnNFixed", [] { return DlgFixed ? DlgFixed->page1 : nullptr; }, 4, "-match-");
}

}  // namespace
