#include "ui/dlgteam.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <QXYSeries>

#include <algorithm>
#include <cmath>
#include <set>

#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "mainwindowfixture.h"
#include "sampledata/sampleids.h"
#include "ui/dlgform.h"
#include "ui/dlgmain.h"
#include "ui/teamlastpage.h"
#include "ui/teamratingpage.h"
#include "ui/teamseasonspage.h"
#include "ui/teamseriespage.h"
#include "ui/teamsquadpage.h"
#include "ui/teamtourpage.h"

namespace {

const int Team = SampleIds::FirstTeam(SampleIds::England);
const std::string TeamText = std::to_string(Team);
constexpr TColor Blue = 0xFF0000;

class TDlgTeamTest : public MainWindowFixture {
protected:
    using MainWindowFixture::Click;

    // The card of the team of a team view, opened from the navigation bar.
    TDlgTeam& OpenCard()
    {
        SetCurrentView(FilterMode::Team, Team, 0, 0, 0);
        Start();
        Click("btnNTeamChamp");
        EXPECT_NE(DlgTeam, nullptr);
        return *DlgTeam;
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void ShowPage(TDlgTeam& card, QWidget* page) { card.page1->setCurrentWidget(page); }

    std::string Title(int teamID)
    {
        const Rows team = Select("SELECT Name, NationalID FROM Team WHERE TeamID=" + std::to_string(teamID));
        return team.empty() ? std::string() : team[0][0] + " (" + team[0][1] + ")";
    }

    // Leaves card mode and lets the main window free the card.
    void Back()
    {
        Control<QAbstractButton>("btnCloseMDI")->click();
        FreeLeftCards();
    }

    // A tournament of a type beyond the three, with a 5:4 of the team newer than every match.
    void AddFriendlyMatch()
    {
        Exec("INSERT INTO Champ (ChampID, Name, NationalID, TypeID, Fav, SortName) VALUES (900, 'Friendlies', 'ENG', "
             "4, False, 'Friendlies')");
        Exec("INSERT INTO Fixed (FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, Tur, RoundID, ChampID, SeasonID) "
             "SELECT 9000000, MAX([Date])+1, " + TeamText + ", " + std::to_string(Team + 1) +
             ", 5, 4, 0, 1, 900, MAX(SeasonID) FROM Fixed");
    }

    // The team's 30 newest played matches as "home g1:g2 away", under a condition on F and C.
    std::vector<std::string> NewestMatches(const std::string& condition)
    {
        std::vector<std::string> matches;
        for (const auto& row : Select("SELECT T1.Name, F.Gol1, F.Gol2, T2.Name FROM ((Fixed AS F INNER JOIN Team AS T1 "
                                      "ON T1.TeamID=F.Team1ID) INNER JOIN Team AS T2 ON T2.TeamID=F.Team2ID) INNER "
                                      "JOIN Champ AS C ON C.ChampID=F.ChampID WHERE (F.Team1ID=" + TeamText +
                                      " OR F.Team2ID=" + TeamText + ")" + condition + " ORDER BY F.[Date] DESC"))
            if (matches.size() < 30)
                matches.push_back(row[0] + " " + row[1] + ":" + row[2] + " " + row[3]);
        return matches;
    }

    static std::vector<std::string> Listed(TJXGrid& grid)
    {
        std::vector<std::string> rows;
        for (int row = 1; row < grid.RowCount(); ++row)
            rows.push_back(grid.Cell(row, HomeColumn) + " " + grid.Cell(row, ScoreColumn) + " " +
                           grid.Cell(row, AwayColumn));
        return rows;
    }

    int Count(const std::string& sql) { return std::stoi(Value(sql)); }
    int TeamMatches(const std::string& condition)
    {
        return Count("SELECT COUNT(*) FROM Fixed AS F INNER JOIN Champ AS C ON C.ChampID=F.ChampID WHERE (F.Team1ID=" +
                     TeamText + " OR F.Team2ID=" + TeamText + ")" + condition);
    }
    int TeamResults(const std::string& condition)
    {
        return Count("SELECT COUNT(*) FROM TeamResults WHERE TeamID=" + TeamText + condition);
    }

    static std::vector<QPointF> ChartPoints(QChartView* view, int series = 0)
    {
        auto* line = qobject_cast<QXYSeries*>(view->chart()->series().value(series));
        EXPECT_NE(line, nullptr);
        if (!line)
            return {};
        const QList<QPointF> shown = line->points();
        std::vector<QPointF> points(shown.begin(), shown.end());
        std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
        return points;
    }

    // What the last-matches chart must show for the listed matches: the oldest at x = 1.
    static std::vector<QPointF> ExpectedChart(TJXGrid& grid, const std::string& team, int mode)
    {
        std::vector<QPointF> points;
        for (int row = grid.RowCount() - 1; row >= 1; --row) {
            const std::string score = grid.Cell(row, ScoreColumn);
            const int gol1 = std::stoi(score), gol2 = std::stoi(score.substr(score.find(':') + 1));
            const bool home = grid.Cell(row, HomeColumn) == team;
            const int own = home ? gol1 : gol2, rival = home ? gol2 : gol1;
            const int values[] = {own, rival, own - rival, own + rival};
            points.emplace_back(grid.RowCount() - row, values[mode]);
        }
        return points;
    }

    // The marks of one row of the tour grid, columns 1-30 that hold one.
    static std::string Marks(TJXGrid& grid, int row)
    {
        std::string marks;
        for (int col = 1; col < grid.ColCount(); ++col)
            marks += grid.Cell(row, col);
        return marks;
    }
};

TEST_F(TDlgTeamTest, EveryOpenerShowsItsTeamAndBackFreesTheCard)
{
    const int rival = Team + 1;
    SetCurrentView(FilterMode::Pair, Team, rival, 0, 0);
    Start();
    // The bottom panel's buttons open the teams of the selected match.
    ClickCell(2, DateColumn);
    const std::string home = Cell(2, HomeColumn), away = Cell(2, AwayColumn);
    const std::pair<const char*, std::string> openers[] = {
            {"btnNTeamChamp", Title(Team)}, {"btnNTeamRival", Title(rival)},
            {"btnBTeam1", home + " (ENG)"}, {"btnBTeam2", away + " (ENG)"}};
    for (const auto& [button, title] : openers) {
        Click(button);
        ASSERT_NE(DlgTeam, nullptr) << button;
        TDlgTeam& card = *DlgTeam;
        EXPECT_EQ(card.lblTeamName->text().toStdString(), title) << button;
        EXPECT_EQ(card.page1->currentWidget(), card.tabLast);
        EXPECT_GT(card.tabLast->gridLastFixed->RowCount(), 2) << "shown means filled";
        Back();
        EXPECT_EQ(DlgTeam, nullptr) << button;
    }

    ASSERT_TRUE(Main().GetFilter()->AddTeam(Team, 0));
    Main().Refresh();
    Click("btnNTeamChamp");
    ASSERT_NE(DlgTeam, nullptr);
    EXPECT_EQ(DlgTeam->lblTeamName->text().toStdString(), Title(Team));
    Back();

    // A tournament view opens no team card; an empty list's match buttons open nothing.
    ASSERT_TRUE(Main().GetFilter()->AddChamp(SampleIds::League(SampleIds::England), 99));
    Main().Refresh();
    for (const char* button : {"btnNTeamChamp", "btnBTeam1", "btnBTeam2"}) {
        Click(button);
        EXPECT_EQ(DlgTeam, nullptr) << button;
        Back();
    }
}

TEST_F(TDlgTeamTest, FavouriteBoxAddsAndRemovesTheTeam)
{
    TDlgTeam& card = OpenCard();
    const std::string favourite = "SELECT COUNT(*) FROM TeamFav WHERE TeamID=" + TeamText;
    EXPECT_EQ(card.chkFav->isChecked(), Value(favourite) == "1");
    for (int i = 0; i < 2; ++i) {
        Click(card.chkFav);
        EXPECT_EQ(Value(favourite), card.chkFav->isChecked() ? "1" : "0");
    }
}

TEST_F(TDlgTeamTest, LastMatchesFollowTheTypeBoxesAndTheChartRadiosRedrawTheOpenMatches)
{
    TDlgTeam& card = OpenCard();
    TTeamLastPage& page = *card.tabLast;
    const std::string team = Value("SELECT Name FROM Team WHERE TeamID=" + TeamText);
    EXPECT_EQ(Listed(*page.gridLastFixed), NewestMatches(""));
    EXPECT_EQ(ChartPoints(page.chartLast), ExpectedChart(*page.gridLastFixed, team, 0));
    EXPECT_NE(page.gridLastFixed->ImageList(), nullptr) << "the result column shows its icons, as the main list";

    AddFriendlyMatch();
    Click(page.chkLastLeagua);
    EXPECT_EQ(Listed(*page.gridLastFixed), NewestMatches(" AND C.TypeID IN (1,2)"));
    Click(page.chkLastLeagua);
    EXPECT_EQ(Listed(*page.gridLastFixed), NewestMatches(""));
    EXPECT_EQ(page.gridLastFixed->Cell(1, ScoreColumn), "5:4") << "every type with all three boxes";

    // The radios redraw the open matches: a changed score stays unseen.
    const std::vector<std::string> shown = Listed(*page.gridLastFixed);
    Exec("UPDATE Fixed SET Gol1=7 WHERE FixedIND=9000000");
    QRadioButton* const radios[] = {page.btnScore, page.btnMiss, page.btnDiffBall, page.btnTotal};
    for (int mode : {1, 2, 3, 0}) {
        Click(radios[mode]);
        EXPECT_EQ(Listed(*page.gridLastFixed), shown) << mode;
        EXPECT_EQ(ChartPoints(page.chartLast), ExpectedChart(*page.gridLastFixed, team, mode)) << mode;
    }
}

TEST_F(TDlgTeamTest, SeasonStatisticsOfTheChosenTournamentType)
{
    TDlgTeam& card = OpenCard();
    TTeamSeasonsPage& page = *card.tabStatsSeasons;
    ShowPage(card, &page);
    const auto tournaments = [&page] {
        std::set<std::string> names;
        for (int row = 1; row < page.gridStatsSeasons->RowCount(); ++row)
            names.insert(page.gridStatsSeasons->Cell(row, 2));
        return names;
    };
    const auto name = [this](int champ) {
        return Value("SELECT Name FROM Champ WHERE ChampID=" + std::to_string(champ));
    };
    EXPECT_EQ(tournaments(), std::set<std::string>{name(SampleIds::League(SampleIds::England))});
    Click(page.btnIsCup);
    EXPECT_EQ(tournaments(), std::set<std::string>{name(SampleIds::Cup(SampleIds::England))});
    EXPECT_EQ(page.gridStatsSeasons->RowCount() - 1,
              Count("SELECT COUNT(*) FROM (SELECT DISTINCT S.SeasonID FROM Stats AS S INNER JOIN Champ AS C ON "
                    "C.ChampID=S.ChampID WHERE C.TypeID=2 AND S.TeamID=" + TeamText + ")"));
}

TEST_F(TDlgTeamTest, SeasonStatisticsOfTheInternationalTournamentsRadio)
{
    TDlgTeam& card = OpenCard();
    TTeamSeasonsPage& page = *card.tabStatsSeasons;
    ShowPage(card, &page);
    Click(page.btnIsEuro);
    const Rows seasons = Select("SELECT DISTINCT S.SeasonID FROM Stats AS S INNER JOIN Champ AS C ON "
                                "C.ChampID=S.ChampID WHERE C.TypeID=3 AND S.TeamID=" + TeamText);
    ASSERT_FALSE(seasons.empty()) << "the sample's strongest English club plays abroad";
    ASSERT_EQ(page.gridStatsSeasons->RowCount() - 1, static_cast<int>(seasons.size()));
    for (int row = 1; row < page.gridStatsSeasons->RowCount(); ++row)
        EXPECT_EQ(page.gridStatsSeasons->Cell(row, 2), Name("Champ", "ChampID", SampleIds::EuroCup)) << row;
}

TEST_F(TDlgTeamTest, SeriesCountTheMatchesFromTheSettingsSeasonInTheCheckedTypes)
{
    DBSetting::Global()->WriteInteger("SeriesSeason", 4);
    TDlgTeam& card = OpenCard();
    TTeamSeriesPage& page = *card.tabSeries;
    // The score counts of every match walked.
    const auto walked = [&page] {
        int matches = 0;
        for (int col = 0; col < page.gridScore->ColCount(); ++col)
            matches += std::stoi(page.gridScore->Cell(2, col));
        return matches;
    };
    ShowPage(card, &page);
    EXPECT_EQ(walked(), TeamMatches(" AND F.SeasonID>=4 AND C.TypeID=1"));
    DBSetting::Global()->WriteInteger("SeriesSeason", 2);
    ShowPage(card, card.tabLast);
    ShowPage(card, &page);
    EXPECT_EQ(walked(), TeamMatches(" AND F.SeasonID>=2 AND C.TypeID=1"));

    AddFriendlyMatch();
    Click(page.chkSerCup);
    Click(page.chkSerLiga);
    EXPECT_EQ(walked(), TeamMatches(" AND F.SeasonID>=2 AND C.TypeID IN (1,2,3)"));
    const int others = std::stoi(page.gridScore->Cell(2, 16));
    for (QCheckBox* box : {page.chkSerChamp, page.chkSerCup, page.chkSerLiga})
        Click(box);
    EXPECT_EQ(walked(), TeamMatches(" AND F.SeasonID>=2")) << "no box: every match, the friendly too";
    EXPECT_EQ(page.gridScore->Cell(2, 16), std::to_string(others + 1)) << "5:4 is among the other scores";
}

TEST_F(TDlgTeamTest, TourByTourKeepsTheChosenResultsAndTotals)
{
    TDlgTeam& card = OpenCard();
    TTeamTourPage& page = *card.tabTour;
    TJXGrid& grid = *page.gridTour;
    ShowPage(card, &page);
    const size_t all = std::min(30, TeamResults(""));
    EXPECT_EQ(Marks(grid, 1).size(), all);

    Click(page.chkTourWin);
    Click(page.chkTourLose);
    const std::string draws = Marks(grid, 1);
    EXPECT_EQ(draws, std::string(std::min(30, TeamResults(" AND Gol1=Gol2")), '='));
    Click(page.chkTourDraw);
    EXPECT_EQ(Marks(grid, 1).size(), all) << "no box: every result";

    // Under is the 2.5 line: with over it takes every match.
    const int under = TeamResults(" AND Gol1+Gol2<=2"), over = TeamResults(" AND Gol1+Gol2>2");
    ASSERT_LT(under, 30) << "the sample's team must show all its unders";
    EXPECT_EQ(under + over, TeamResults(""));
    Click(page.btnTourTotalUnder);
    EXPECT_EQ(Marks(grid, 2), std::string(under, '<'));
    Click(page.btnTourTotalOver);
    EXPECT_EQ(Marks(grid, 2), std::string(std::min(30, over), '>'));
}

TEST_F(TDlgTeamTest, DoubleClickOnAComingMatchHandsItsHeadToHeadBack)
{
    TDlgTeam& card = OpenCard();
    ShowPage(card, card.tabCalendar);
    TJXGrid& grid = *card.gridCalendar;
    ASSERT_GT(grid.RowCount(), 2);
    const std::string home = grid.Cell(1, 2), away = grid.Cell(1, 3);
    const QWidget* bar = Main().findChild<QWidget*>("panelNavig");
    ASSERT_NE(bar, nullptr);
    const int barTop = bar->y();
    DoubleClickCell(1, 2, &grid);
    EXPECT_EQ(card.Tag(), 1);
    EXPECT_FALSE(card.isVisible());
    Main().layout()->activate();
    EXPECT_EQ(bar->y(), barTop) << "the navigation bar stays at the top above the hidden list";
    EXPECT_FALSE(bar->isEnabled()) << "its history moves wait for the card mode's Back";
    Back();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Text("lblNTeamRival"), away);

    Exec("DELETE * FROM Calendar");
    Click("btnNTeamChamp");
    ASSERT_NE(DlgTeam, nullptr);
    ShowPage(*DlgTeam, DlgTeam->tabCalendar);
    const std::string history = History();
    DoubleClickCell(1, 2, DlgTeam->gridCalendar);
    EXPECT_EQ(DlgTeam->Tag(), 0);
    EXPECT_TRUE(DlgTeam->isVisible());
    EXPECT_EQ(History(), history);
}

TEST_F(TDlgTeamTest, ShownTabsInOrderWithEveryControlInsideAndApartInBothLanguages)
{
    for (const char* language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        UseLanguage(language);
        TDlgTeam& card = OpenCard();
        QStringList tabs;
        for (int i = 0; i < card.page1->count(); ++i)
            if (card.page1->isTabVisible(i))
                tabs << card.page1->tabText(i);
        QStringList expected;
        for (int id : {1071, 1126, 1127, 1234, 1128})
            expected << QString::fromStdString(DBSetting::Global()->GetLangText(id));
        EXPECT_EQ(tabs, expected);
        // The hidden pages too, as code shows them.
        ExpectSoundPages(card, card.page1);
        Stop();
    }
}

TEST_F(TDlgTeamTest, HiddenSquadPageBandsTheLinesAndSetsTheBoundByItsButtons)
{
    TDlgTeam& card = OpenCard();
    TTeamSquadPage& squad = *card.tabPlayers;
    TJXGrid& grid = *squad.gridPlayers;
    EXPECT_FALSE(card.page1->isTabVisible(card.page1->indexOf(&squad)));
    const std::string players = "FROM Players AS P INNER JOIN PlayersSquad AS S ON S.PlayerID=P.PlayerID WHERE "
                                "S.TeamID=" + TeamText;
    const Rows lines = Select("SELECT P.PosID, N.Name FROM (Players AS P INNER JOIN PlayersSquad AS S ON "
                              "S.PlayerID=P.PlayerID) INNER JOIN [National] AS N ON N.NationalID=P.NationalID WHERE "
                              "S.TeamID=" + TeamText + " AND P.Skills>0 ORDER BY P.PosID, P.FlangID, P.Skills DESC");
    const std::string country = Value("SELECT N.Name FROM [National] AS N INNER JOIN Team AS T ON "
                                      "T.NationalID=N.NationalID WHERE T.TeamID=" + TeamText);
    squad.Fill();
    ASSERT_EQ(grid.RowCount(), static_cast<int>(lines.size()) + 1);
    TColor band = 0xE0EEFF;
    std::set<TColor> nationalities;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (row > 1 && lines[row - 1][0] != lines[row - 2][0])
            band = band == 0xE0EEFF ? 0xFFEEE0 : 0xE0EEFF;
        for (int col = 0; col < grid.ColCount(); ++col) {
            EXPECT_EQ(grid.GetCellsProperty(row, col).Color, band) << row;
            EXPECT_TRUE(grid.GetCellsProperty(row, col).Bold);
        }
        EXPECT_EQ(grid.Cell(row, 3), lines[row - 1][1]);
        const TColor font = grid.GetCellsProperty(row, 3).FontColor;
        EXPECT_EQ(font == Blue, lines[row - 1][1] == country) << row;
        nationalities.insert(font);
    }
    EXPECT_EQ(nationalities.size(), 2u) << "players of the team's country and of others";

    const auto bound = [&] { return squad.txtMinSkills->text().toStdString(); };
    squad.txtMinSkills->setText("abc");
    EXPECT_EQ(grid.RowCount(), static_cast<int>(lines.size()) + 1) << "no number: no bound";
    squad.btnPlus->click();
    EXPECT_EQ(bound(), "20");
    EXPECT_EQ(grid.RowCount() - 1, Count("SELECT COUNT(*) " + players + " AND P.Skills>20"));
    const double average = std::stod(Value("SELECT Avg(P.Skills) " + players));
    squad.btnAvgSkills->click();
    EXPECT_EQ(bound(), std::to_string(std::lround(average)));
    squad.Button2->click();
    EXPECT_EQ(bound(), std::to_string(std::lround(average) / 2));
    squad.btnMinSkills->click();
    squad.btnMinus->click();
    EXPECT_EQ(bound(), "-20");

    squad.txtMinSkills->setText("40");
    std::string title;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TDlgForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        title = form->windowTitle().toStdString();
        form->close();
    });
    squad.btnForm->click();
    DBSetting* setting = DBSetting::Global();
    EXPECT_EQ(title, setting->GetLangText(1261) + " " + Value("SELECT Name FROM Team WHERE TeamID=" + TeamText) +
                             ". " + setting->GetLangText(1262) + "40");

    // A team without a squad.
    Back();
    Exec("DELETE * FROM PlayersSquad WHERE TeamID=" + TeamText);
    Click("btnNTeamChamp");
    ASSERT_NE(DlgTeam, nullptr);
    DlgTeam->tabPlayers->Fill();
    TJXGrid& empty = *DlgTeam->tabPlayers->gridPlayers;
    EXPECT_EQ(empty.RowCount(), 2);
    for (int col = 0; col < empty.ColCount(); ++col)
        EXPECT_EQ(empty.Cell(1, col), "");
    DlgTeam->tabPlayers->btnAvgSkills->click();
    EXPECT_EQ(DlgTeam->tabPlayers->txtMinSkills->text(), "0");
}

TEST_F(TDlgTeamTest, HiddenRatingPageDrawsTheLastSeasonsFromTheStartingRating)
{
    TDlgTeam& card = OpenCard();
    TTeamRatingPage& rating = *card.tabForm;
    EXPECT_FALSE(card.page1->isTabVisible(card.page1->indexOf(&rating)));
    rating.Fill();
    for (int series : {0, 1})
        EXPECT_EQ(ChartPoints(rating.chartForm, series), std::vector<QPointF>{QPointF(0, 1000)}) << series;

    // Ratings that rise in date order, entered newest first.
    const std::string season = Value("SELECT MAX(SeasonID) FROM Stats WHERE TeamID=" + TeamText);
    const Rows matches = Select("SELECT FixedIND, Team1ID FROM Fixed WHERE (Team1ID=" + TeamText + " OR Team2ID=" +
                                TeamText + ") AND SeasonID=" + season + " ORDER BY [Date]");
    std::vector<QPointF> expected = {QPointF(0, 1000)};
    for (size_t i = 0; i < matches.size(); ++i)
        expected.emplace_back(i + 1, 1100 + i);
    for (size_t i = matches.size(); i-- > 0;) {
        const std::string own = std::to_string(1100 + i);
        const bool home = matches[i][1] == TeamText;
        Exec("INSERT INTO EloFixed (FixedIND, NewRang1, NewRang2) VALUES (" + matches[i][0] + ", " +
             (home ? own : "900") + ", " + (home ? "900" : own) + ")");
    }
    rating.Fill();
    EXPECT_EQ(ChartPoints(rating.chartForm, 0), expected);
    EXPECT_EQ(ChartPoints(rating.chartForm, 1).size(), 1u);
}

// Each highest share on a card of its own, checked as the chart is first drawn.
TEST_F(TDlgTeamTest, SeasonChartAxisStopsAtTheFirstStepThatLeavesRoomForTheHighestLabel)
{
    const std::string newestLeagueSeason =
            "TeamID=" + TeamText + " AND ChampID=" + std::to_string(SampleIds::League(SampleIds::England)) +
            " AND SeasonID=(SELECT MAX(SeasonID) FROM Stats WHERE TeamID=" + TeamText + ")";
    // 68 and 80: axes up to 100; 94 and 100: axes that must pass 100.
    for (int share : {68, 80, 94, 100}) {
        SCOPED_TRACE(share);
        // Home and away rows of 50 games each.
        Exec("UPDATE Stats SET Game=50, Win=" + std::to_string(share / 2) + " WHERE " + newestLeagueSeason);
        TDlgTeam& card = OpenCard();
        ShowPage(card, card.tabStatsSeasons);
        QApplication::processEvents();
        QChartView& view = *card.tabStatsSeasons->chtStatsSeasons;
        for (const std::string& fault : BarChartFaults(view))
            ADD_FAILURE() << fault;

        const auto* axis = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).value(0));
        const auto* series = qobject_cast<QBarSeries*>(view.chart()->series().value(0));
        ASSERT_TRUE(axis && series);
        const QBarSet& bars = *series->barSets().first();
        double highest = 0;
        for (int i = 0; i < bars.count(); ++i)
            highest = std::max(highest, bars.at(i));
        EXPECT_EQ(highest, share);
        EXPECT_EQ(std::fmod(axis->max(), axis->tickInterval()), 0) << "the axis ends on a step";
        // A step lower the highest bar's label, 2 pixels above it, would reach past the plot.
        double labelHeight = 0;
        for (QGraphicsItem* item : view.scene()->items())
            if (auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item);
                label && label->toPlainText() == QString::number(share) + "%")
                labelHeight = label->boundingRect().height();
        ASSERT_GT(labelHeight, 0);
        const double lower = axis->max() - axis->tickInterval();
        EXPECT_LT(view.chart()->plotArea().height() * (lower - highest) / lower, labelHeight + 2);
        Stop();
    }
}

}  // namespace
