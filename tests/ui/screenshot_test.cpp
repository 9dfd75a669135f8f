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
#include "ui/dlgfixed.h"
#include "ui/dlgmain.h"

namespace {

namespace fs = std::filesystem;

// Starts the program (the first argument) and waits for its window, $main.
const char* const StartScript = R"script(
program="$1"; shift
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
)script";

// Given a point of the main window and a window caption, clicks there and waits for
// that window, printing its place as "x y width height"; then takes the screen.
const char* const DialogScript = R"script(
shot="$1"; x="$2"; y="$3"; caption="$4"
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

// Prints the main window's place as "x y", then clicks the points of it given as "x y"
// pairs one after the other, taking the screen after each click as shots0.png,
// shots1.png ...
const char* const ClicksScript = R"script(
shots="$1"; shift
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "$X $Y"
n=0
while [ $# -ge 2 ]; do
  xdotool mousemove --window "$main" "$1" "$2" click 1
  shift 2
  sleep 0.7
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

    // Runs the program with the script after StartScript; returns what it printed.
    std::string Shoot(const char* script, const QStringList& arguments)
    {
        QProcess xvfb;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        xvfb.setProcessEnvironment(environment);
        xvfb.start("xvfb-run", QStringList{"-a", "-s", "-screen 0 1024x768x24", "sh", "-c",
                                           QString(StartScript) + script, "sh",
                                           QString::fromStdString(File("kovral"))} +
                                       arguments);
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

    // Keeps a screenshot where KOVRAL_KEEP_SCREENSHOT names, with suffix before ".png".
    static void Keep(const std::string& shot, const std::string& suffix)
    {
        if (const char* keep = std::getenv("KOVRAL_KEEP_SCREENSHOT")) {
            std::string path = keep;
            path.insert(path.size() - std::string(".png").size(), suffix);
            fs::copy_file(shot, path, fs::copy_options::overwrite_existing);
        }
    }

    // Where a control's centre lies in the main window.
    std::pair<QString, QString> Centre(const QWidget* control)
    {
        const QPoint centre = control->mapTo(&Main(), control->rect().center());
        return {QString::number(centre.x()), QString::number(centre.y())};
    }

    SavedVariable runtime_{"XDG_RUNTIME_DIR"};
};

TEST_F(ProgramScreenshotTest, ProgramWindowOnTheSampleIsNotBlank)
{
    Shoot(DialogScript, {QString::fromStdString(Shot())});
    const QImage image(QString::fromStdString(Shot()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1024, 768));
    // The window's middle holds the list.
    EXPECT_GT(Colours(image, QRect(150, 100, 724, 568)), 20u);
    Keep(Shot(), "");
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
            const auto [x, y] = Centre(button);
            Stop();

            std::istringstream place(
                    Shoot(DialogScript, {QString::fromStdString(Shot()), x, y, QString::fromStdString(caption)}));
            int left = 0, top = 0, width = 0, height = 0;
            ASSERT_TRUE(place >> left >> top >> width >> height) << "no window \"" << caption << "\" after the click";
            const QRect shown(left, top, width, height);
            EXPECT_EQ(shown.size(), picker.size);
            const QImage image(QString::fromStdString(Shot()));
            ASSERT_FALSE(image.isNull());
            EXPECT_TRUE(image.rect().contains(shown));
            EXPECT_GT(Colours(image, shown), 10u);
            Keep(Shot(), picker.shot + std::string(language));
        }
}

TEST_F(ProgramScreenshotTest, EveryShownPageOfTheMatchCardFromAHeadToHeadViewIsNotBlank)
{
    const int team = std::stoi(Value("SELECT TOP 1 Team1ID FROM Fixed WHERE AET=True ORDER BY Team1ID"));
    const int rival = std::stoi(Value("SELECT TOP 1 Team2ID FROM Fixed WHERE AET=True ORDER BY Team1ID"));
    SetCurrentView(FilterMode::Pair, team, rival, 0, 0);
    // Where the card's button and tabs lie in the program's fixed layout.
    Start();
    const auto [x, y] = Centre(Control<QWidget>("btnNFixed"));
    QStringList clicks{x, y};
    Click("btnNFixed");
    ASSERT_NE(DlgFixed, nullptr);
    const QWidget* first = DlgFixed->page1->currentWidget();
    const QRect pageArea(first->mapTo(&Main(), QPoint(0, 0)), first->size());
    QTabBar* tabs = DlgFixed->page1->tabBar();
    std::vector<std::string> pages;
    for (int page = 0; page < tabs->count(); ++page) {
        if (!tabs->isTabVisible(page))
            continue;
        pages.push_back(DlgFixed->page1->widget(page)->objectName().toStdString());
        const QPoint tab = tabs->mapTo(&Main(), tabs->tabRect(page).center());
        if (page > 0)
            clicks << QString::number(tab.x()) << QString::number(tab.y());
    }
    ASSERT_EQ(pages.size(), 4u);
    Stop();

    std::istringstream place(Shoot(ClicksScript, QStringList{QString::fromStdString(File("card"))} + clicks));
    int left = 0, top = 0;
    ASSERT_TRUE(place >> left >> top) << "no main window";
    const QRect page = pageArea.translated(left, top);
    for (size_t index = 0; index < pages.size(); ++index) {
        SCOPED_TRACE(pages[index]);
        const std::string shot = File("card" + std::to_string(index) + ".png");
        const QImage image(QString::fromStdString(shot));
        ASSERT_FALSE(image.isNull());
        ASSERT_TRUE(image.rect().contains(page));
        EXPECT_GT(Colours(image, page), 20u);
        Keep(shot, "-match-" + pages[index]);
    }
}

}  // namespace
