#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "localeguard.h"
#include "platform/tupdown.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"
#include "mainwindowfixture.h"

namespace {

class TDlgFilterTest : public MainWindowFixture {
protected:
    // A team with home matches in the newest league season: (team, season).
    std::pair<int, int> BusyTeam()
    {
        const auto [champ, season] = NewestLeagueSeason();
        const Rows rows = Select("SELECT TOP 1 Team1ID FROM Fixed WHERE ChampID=" + std::to_string(champ) +
                                 " AND SeasonID=" + std::to_string(season) + " AND Gol1>Gol2 AND Gol1+Gol2>2 "
                                 "GROUP BY Team1ID ORDER BY Count(*) DESC, Team1ID");
        EXPECT_EQ(rows.size(), 1u);
        return {rows.empty() ? 0 : std::stoi(rows[0][0]), season};
    }

    void ShowFilter()
    {
        Click("btnNFilter");
        ASSERT_TRUE(Filter().isVisible());
    }

    void Step(const char* upDown, bool up, int times)
    {
        TUpDown* steps = FilterControl<TUpDown>(upDown);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(up ? steps->UpButton() : steps->DownButton(), Qt::LeftButton);
    }

    void ClickFilter(const char* name) { QTest::mouseClick(FilterControl<QAbstractButton>(name), Qt::LeftButton); }

    bool Enabled(const char* name) { return FilterControl<QWidget>(name)->isEnabled(); }

    void ExpectEnabled(std::initializer_list<const char*> names, bool enabled)
    {
        for (const char* name : names)
            EXPECT_EQ(Enabled(name), enabled) << name;
    }

    // The three goal conditions: relation, count box, arrows and caption.
    static constexpr std::initializer_list<const char*> GoalControls = {
            "cboEqScore", "cboEqMiss", "cboEqTotal", "txtBallScore", "txtBallMiss", "txtBallTotal",
            "udScore",    "udMiss",    "udTotal",    "lblBallScore", "lblBallMiss", "lblBallTotal"};

    // Where the main window puts the filter window: 150 below its top, 10 inside its right edge.
    void ExpectPlacedBesideTheMainWindow()
    {
        const QRect main = Main().frameGeometry();
        const QRect filter = Filter().frameGeometry();
        EXPECT_EQ(filter.top(), main.top() + 150);
        EXPECT_EQ(filter.left(), main.left() + main.width() - filter.width() - 10);
    }
};

TEST_F(TDlgFilterTest, NarrowsATeamViewToHomeWinsWithMoreThanTwoAndAHalfGoals)
{
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    const auto [team, season] = BusyTeam();
    SetCurrentView(1, team, 0, 0, season);
    Exec("UPDATE Filter SET TotalCount=0.5");
    Start();
    ShowFilter();
    ExpectEnabled(GoalControls, true);
    EXPECT_TRUE(FilterControl<QRadioButton>("btnFieldAll")->isChecked());
    EXPECT_EQ(FilterControl<QLineEdit>("txtBallTotal")->text(), "0,5");
    EXPECT_EQ(FilterControl<QComboBox>("cboEqTotal")->currentText(), "!");

    ClickFilter("btnFieldHome");
    ClickFilter("chkDraw");
    ClickFilter("chkLose");
    QComboBox* relation = FilterControl<QComboBox>("cboEqTotal");
    relation->setCurrentIndex(relation->findText(">"));
    Step("udTotal", true, 2);
    EXPECT_EQ(FilterControl<QLineEdit>("txtBallTotal")->text(), "2,5");
    // Whole counts step between 0 and 9.
    QLineEdit* scored = FilterControl<QLineEdit>("txtBallScore");
    Step("udScore", false, 1);
    EXPECT_EQ(scored->text(), "0");
    Step("udScore", true, 12);
    EXPECT_EQ(scored->text(), "9");
    Step("udScore", false, 3);
    EXPECT_EQ(scored->text(), "6");
    ClickFilter("btnFilter");

    EXPECT_TRUE(Filter().isVisible());
    const Rows stored = Select("SELECT Field, IsWin, IsDraw, IsLose, TotalEq, TotalCount*2, SeasonWith FROM Filter");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], (std::vector<std::string>{"1", "True", "False", "False", ">", "5",
                                                   std::to_string(season)}));
    const std::vector<Match> wins = Matches("F.Team1ID=" + std::to_string(team) + " AND F.Gol1>F.Gol2 AND "
                                            "F.Gol1+F.Gol2>2 AND F.SeasonID=" + std::to_string(season));
    ASSERT_FALSE(wins.empty());
    const std::string teamName = Value("SELECT Name FROM Team WHERE TeamID=" + std::to_string(team));
    EXPECT_EQ(ListedMatches(), wins.size());
    for (int row = 1; row < Grid()->RowCount(); ++row)
        EXPECT_EQ(Cell(row, HomeColumn), teamName) << "row " << row;
    const std::string n = std::to_string(wins.size());
    EXPECT_EQ(Text("lblRGame"), n);
    EXPECT_EQ(Text("lblRWDL"), "+" + n + "=0-0");
    EXPECT_EQ(Text("lblRTotal"), "0-" + n);
}

TEST_F(TDlgFilterTest, TournamentViewLeavesOnlyTheSeasonToChoose)
{
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(2, 0, 0, champ, season);
    Start();
    ShowFilter();
    ExpectEnabled({"chkWin", "chkDraw", "chkLose", "btnFieldAll", "btnFieldHome", "btnFieldAway", "chkChamp", "chkCup",
                   "chkIsEuro"},
                  false);
    ExpectEnabled(GoalControls, false);
    EXPECT_TRUE(Enabled("cboSeason"));

    QComboBox* seasons = FilterControl<QComboBox>("cboSeason");
    ASSERT_EQ(seasons->currentText().toStdString(), Value("SELECT Name FROM Season WHERE SeasonID=" +
                                                          std::to_string(season)));
    seasons->setFocus();
    QTest::keyClick(seasons, Qt::Key_Down);
    ClickFilter("btnFilter");
    const std::string older = Value("SELECT SeasonWith FROM Filter");
    EXPECT_NE(older, std::to_string(season));
    EXPECT_EQ(Value("SELECT Name FROM Season WHERE SeasonID=" + older), seasons->currentText().toStdString());
    EXPECT_EQ(ListedMatches(), SeasonMatches(champ, std::stoi(older)).size());
    EXPECT_EQ(Value("SELECT IsWin FROM Filter"), "True");
}

TEST_F(TDlgFilterTest, PairViewListsEverySeasonRowButLeavesTheSeasonAlone)
{
    const auto [team, season] = BusyTeam();
    const int rival = std::stoi(Value("SELECT TOP 1 Team2ID FROM Fixed WHERE Team1ID=" + std::to_string(team)));
    SetCurrentView(3, team, rival, 0, 0);
    Start();
    ShowFilter();
    ExpectEnabled({"cboSeason", "chkWin"}, false);
    ExpectEnabled(GoalControls, false);
    ExpectEnabled({"btnFieldHome", "chkCup"}, true);
    EXPECT_EQ(FilterControl<QComboBox>("cboSeason")->count(), std::stoi(Value("SELECT Count(*) FROM Season")));
}

TEST_F(TDlgFilterTest, ApplyOnATeamViewOfEverySeasonKeepsTheViewAndTheSeasonShown)
{
    const int team = BusyTeam().first;
    SetCurrentView(FilterMode::Team, team, 0, 0, 0);
    Start();
    const QString shown = Control<QComboBox>("cboSeason")->currentText();
    ShowFilter();
    EXPECT_EQ(FilterControl<QComboBox>("cboSeason")->currentText(), shown);
    ClickFilter("btnFilter");
    EXPECT_EQ(History(), "1:1*");
    const std::string stored = Value("SELECT SeasonWith FROM Filter");
    EXPECT_EQ(Value("SELECT Name FROM Season WHERE SeasonID=" + stored), shown.toStdString())
            << "not the oldest season, where the season list's cursor was";
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText(), shown);
    EXPECT_EQ(ListedMatches(), TeamMatches(team, std::stoi(stored)).size());
}

TEST_F(TDlgFilterTest, StandsBesideTheMainWindowFromTheFirstShowAndIsActivated)
{
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    ShowFilter();
    ExpectPlacedBesideTheMainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Filter()));
    ClickFilter("btnClose");
    EXPECT_FALSE(Filter().isVisible());
    Main().move(Main().pos() + QPoint(30, 40));
    ShowFilter();
    ExpectPlacedBesideTheMainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Filter()));
}

TEST_F(TDlgFilterTest, ActivatingTheMainWindowHidesTheFilterUnlessItStaysOnTop)
{
    const auto [team, season] = BusyTeam();
    SetCurrentView(1, team, 0, 0, season);
    DBSetting::Global()->WriteBool("FilterTop", true);
    Start();
    ShowFilter();
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    EXPECT_TRUE(Filter().isVisible());

    DBSetting::Global()->WriteBool("FilterTop", false);
    Filter().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Filter()));
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    EXPECT_FALSE(Filter().isVisible());
}

}  // namespace
