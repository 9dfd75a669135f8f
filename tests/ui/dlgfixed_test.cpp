#include "ui/dlgfixed.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "data/codes.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "mainwindowfixture.h"
#include "platform/clipboard.h"
#include "shareddata.h"
#include "textfit.h"
#include "ui/dlgmain.h"
#include "ui/fixedelopage.h"
#include "ui/fixedforecastpage.h"
#include "ui/fixedpreviewpage.h"
#include "ui/fixedseasonspage.h"
#include "ui/fixedseriespage.h"
#include "ui/fixedspecialpage.h"
#include "ui/fixedsquadpage.h"
#include "ui/fixedtourpage.h"

namespace {

// The head-to-head list's columns, as the user sees them.
enum { DateColumn, ChampColumn, HomeColumn, ScoreColumn, AwayColumn, RoundColumn, IconColumn };

constexpr const char* SummaryLabels[] = {"lblRGame", "lblRWDL"};

// The match card opened from the main window on the sample.
class TDlgFixedTest : public MainWindowFixture {
protected:
    // The two English clubs that met most often, one meeting decided after extra time;
    // the home side of that meeting first.
    std::pair<int, int> PairWithExtraTime()
    {
        const Rows pair = Select("SELECT TOP 1 F.Team1ID, F.Team2ID FROM Fixed AS F INNER JOIN Team AS T ON "
                                 "T.TeamID=F.Team1ID WHERE F.AET=True AND T.NationalID='ENG' ORDER BY (SELECT "
                                 "COUNT(*) FROM Fixed AS G WHERE (G.Team1ID=F.Team1ID AND G.Team2ID=F.Team2ID) OR "
                                 "(G.Team1ID=F.Team2ID AND G.Team2ID=F.Team1ID)) DESC, F.Team1ID");
        EXPECT_EQ(pair.size(), 1u);
        return pair.empty() ? std::pair{0, 0} : std::pair{std::stoi(pair[0][0]), std::stoi(pair[0][1])};
    }

    // The card of a head-to-head view, from the navigation bar.
    TDlgFixed& OpenPair(int team1, int team2)
    {
        SetCurrentView(FilterMode::Pair, team1, team2, 0, 0);
        Start();
        Click("btnNFixed");
        return Card();
    }

    static TDlgFixed& Card()
    {
        if (!DlgFixed)
            throw std::runtime_error("no match card is shown");
        return *DlgFixed;
    }

    template <typename T>
    static T* On(const char* name)
    {
        T* control = Card().findChild<T*>(name);
        if (!control)
            throw std::runtime_error(std::string("no control ") + name + " on the card");
        return control;
    }

    static std::string TextOf(const char* label) { return On<QLabel>(label)->text().toStdString(); }

    static void ShowPage(QWidget* page) { Card().page1->setCurrentWidget(page); }

    static std::vector<std::string> Figures(const char* const (&labels)[2])
    {
        std::vector<std::string> texts;
        for (const char* label : labels)
            texts.push_back(TextOf(label));
        return texts;
    }

    using Table = std::vector<std::vector<std::string>>;

    // The columns of a card grid's rows; the empty row of an empty grid is none.
    static Table GridCells(const char* gridName, std::vector<int> columns = {})
    {
        const TJXGrid* grid = On<TJXGrid>(gridName);
        if (columns.empty())
            for (int col = 0; col < grid->ColCount(); ++col)
                columns.push_back(col);
        Table rows;
        for (int row = 1; row < grid->RowCount(); ++row) {
            rows.emplace_back();
            for (int col : columns)
                rows.back().push_back(grid->Cell(row, col));
        }
        if (rows.size() == 1 && std::all_of(rows[0].begin(), rows[0].end(), [](const auto& c) { return c.empty(); }))
            rows.clear();
        return rows;
    }

    static std::string TeamName(int team) { return Name("Team", "TeamID", team); }
    static std::string N(int value) { return std::to_string(value); }

    // The condition on Fixed (alias F) of a team's matches on a side (FieldCode).
    static std::string SideOf(int team, int field)
    {
        const std::string home = "F.Team1ID=" + N(team), away = "F.Team2ID=" + N(team);
        return field == FieldCode::Home ? home : field == FieldCode::Away ? away : "(" + home + " OR " + away + ")";
    }

    // A match's goals seen from team: (its own, its rival's).
    static std::pair<int, int> GoalsOf(const Match& m, int team)
    {
        return m.team1 == team ? std::pair{m.gol1, m.gol2} : std::pair{m.gol2, m.gol1};
    }

    // Meetings of the pair, newest first; side: team1 at home only (Home) or every one;
    // typeID: in tournaments of that type only.
    std::vector<Match> Meetings(int team1, int team2, int side = FieldCode::Both, int typeID = 0)
    {
        const std::string home = "(F.Team1ID=" + N(team1) + " AND F.Team2ID=" + N(team2) + ")";
        const std::string away = "(F.Team1ID=" + N(team2) + " AND F.Team2ID=" + N(team1) + ")";
        const std::string type = typeID ? " AND F.ChampID IN (SELECT ChampID FROM Champ WHERE TypeID=" + N(typeID) + ")"
                                        : "";
        return Matches((side == FieldCode::Home ? home : "(" + home + " OR " + away + ")") + type +
                       " ORDER BY F.Date DESC");
    }

    // The head-to-head list as the card should show it: home, score, away and the result
    // icon seen from team1.
    static Table ExpectedList(const std::vector<Match>& meetings, int team1)
    {
        Table rows;
        for (const Match& m : meetings) {
            const auto [own, rival] = GoalsOf(m, team1);
            const int icon = own == rival ? ResultCode::Draw
                             : m.aet      ? ResultCode::AfterExtraTime
                             : own > rival ? ResultCode::Win
                                           : ResultCode::Lose;
            rows.push_back({TeamName(m.team1), N(m.gol1) + ":" + N(m.gol2), TeamName(m.team2), N(icon)});
        }
        return rows;
    }

    static Table ShownList() { return GridCells("gridFixed", {HomeColumn, ScoreColumn, AwayColumn, IconColumn}); }

    // Games and results of the meetings seen from team1, as the summary strip shows them
    // (its other figures are the main window's summary, tested there); a match after
    // extra time is neither won nor lost.
    static std::vector<std::string> ExpectedSummary(const std::vector<Match>& meetings, int team1)
    {
        int w = 0, l = 0;
        for (const Match& m : meetings) {
            const auto [own, rival] = GoalsOf(m, team1);
            w += own > rival && !m.aet;
            l += own < rival && !m.aet;
        }
        const int g = static_cast<int>(meetings.size());
        return {N(g), "+" + N(w) + "=" + N(g - w - l) + "-" + N(l)};
    }

    // The team's row in the standings of its league's newest season on a side: short name
    // and games (the rest of the row is the table presenter's).
    std::vector<std::string> TableRow(int team, int field)
    {
        const Rows newest = Select("SELECT TOP 1 F.ChampID, F.SeasonID FROM Fixed AS F INNER JOIN Champ AS C ON "
                                   "C.ChampID=F.ChampID WHERE C.TypeID=1 AND " + SideOf(team, FieldCode::Both) +
                                   " ORDER BY F.Date DESC");
        const size_t games = Matches(SideOf(team, field) + " AND F.ChampID=" + newest.at(0)[0] + " AND F.SeasonID=" +
                                     newest.at(0)[1]).size();
        return {DBTeam::ShortName(TeamName(team)), N(static_cast<int>(games))};
    }

    // The rivals of the team's last five matches on a side, as the compact list names them.
    Table LastRivals(int team, int field)
    {
        Table rivals;
        for (const Match& m : Matches(SideOf(team, field) + " ORDER BY F.Date DESC"))
            if (rivals.size() < 5)
                rivals.push_back({DBTeam::ShortName(TeamName(m.team1 == team ? m.team2 : m.team1))});
        return rivals;
    }

    // The preview shows each side of the pair as it should: tables, last matches,
    // head-to-head list and summary.
    void ExpectPreview(int team1, int team2, bool homeAway)
    {
        const int field1 = homeAway ? FieldCode::Home : FieldCode::Both;
        const int field2 = homeAway ? FieldCode::Away : FieldCode::Both;
        EXPECT_EQ(GridCells("gridTable", {1, 2}), Table{TableRow(team1, field1)});
        EXPECT_EQ(GridCells("gridTableRival", {1, 2}), Table{TableRow(team2, field2)});
        EXPECT_EQ(GridCells("gridLastSmall", {2}), LastRivals(team1, field1));
        EXPECT_EQ(GridCells("gridLastSmallRival", {2}), LastRivals(team2, field2));
        const std::vector<Match> meetings = Meetings(team1, team2, field1);
        EXPECT_EQ(ShownList(), ExpectedList(meetings, team1));
        EXPECT_EQ(Figures(SummaryLabels), ExpectedSummary(meetings, team1));
    }

    // The team's league results from the streaks' first season on, oldest first, as
    // "W", "D" and "L"; field: home only (Home) or every match.
    std::string LeagueResults(int team, int field)
    {
        std::string results;
        for (const Match& m : Matches(SideOf(team, field) + " AND F.SeasonID>=" +
                                      N(DBSetting::Global()->ReadInteger("SeriesSeason")) +
                                      " AND F.ChampID IN (SELECT ChampID FROM Champ WHERE TypeID=1) ORDER BY F.Date")) {
            const auto [own, rival] = GoalsOf(m, team);
            results += own > rival ? 'W' : own == rival ? 'D' : 'L';
        }
        return results;
    }

    // The current and the longest run of wins in results, as the streak table shows them.
    static std::vector<std::string> WinRuns(const std::string& results)
    {
        int longest = 0, run = 0;
        for (char result : results) {
            run = result == 'W' ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return {N(run), N(longest)};
    }

};

TEST_F(TDlgFixedTest, OpenersShowTheCardOfTheirPairAndTheGlobalGoesWithIt)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);
    EXPECT_EQ(card.parentWidget(), &Main());
    EXPECT_EQ(TextOf("lblTeamName"), DBTeam::ShortName(TeamName(team1)) + " (ENG)");
    EXPECT_EQ(TextOf("lblTeamRivalName"), DBTeam::ShortName(TeamName(team2)) + " (ENG)");
    EXPECT_EQ(card.page1->currentWidget()->objectName(), "tabPreview");
    std::vector<std::string> tabs;
    for (int page = 0; page < card.page1->count(); ++page)
        if (card.page1->isTabVisible(page))
            tabs.push_back(card.page1->widget(page)->objectName().toStdString());
    EXPECT_EQ(tabs, (std::vector<std::string>{"tabPreview", "tabStatsSeasons", "tabSeriesScore", "tabTour"}));
    Click("btnCloseMDI");
    FreeLeftCards();
    EXPECT_EQ(DlgFixed, nullptr);

    // The bottom panel's match, in a tournament view.
    Stop();
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    ClickCell(3, DateColumn);
    Click("btnBFixed");
    EXPECT_EQ(TextOf("lblTeamName"), DBTeam::ShortName(Cell(3, HomeColumn)) + " (" + Text("lblBNatTeam1") + ")");
    EXPECT_EQ(TextOf("lblTeamRivalName"), DBTeam::ShortName(Cell(3, AwayColumn)) + " (" + Text("lblBNatTeam2") + ")");

    // An empty list offers no match.
    Stop();
    FreeLeftCards();
    SetCurrentView(FilterMode::Team, 999999, 0, 0, 0);
    Start();
    Click("btnBFixed");
    EXPECT_EQ(DlgFixed, nullptr);
}

TEST_F(TDlgFixedTest, PreviewOfAPairThatMetOftenCountsFromTeam1)
{
    const auto [team1, team2] = PairWithExtraTime();
    const std::vector<Match> meetings = Meetings(team1, team2);
    ASSERT_GE(meetings.size(), 8u);
    ASSERT_TRUE(std::any_of(meetings.begin(), meetings.end(), [](const Match& m) { return m.aet; }));
    TDlgFixed& card = OpenPair(team1, team2);
    ExpectPreview(team1, team2, false);
    // A click on a table or a last-matches list leaves the keys to the head-to-head list.
    QTest::mouseClick(On<TJXGrid>("gridLastSmall")->viewport(), Qt::LeftButton, {}, QPoint(10, 25));
    EXPECT_EQ(card.focusWidget(), On<TJXGrid>("gridFixed"));
}

TEST_F(TDlgFixedTest, PairThatNeverMetShowsAnEmptyListAndZeros)
{
    const int english = std::stoi(Value("SELECT TOP 1 TeamID FROM Team WHERE NationalID='ENG' ORDER BY TeamID"));
    const int portuguese = std::stoi(Value("SELECT TOP 1 TeamID FROM Team WHERE NationalID='POR' ORDER BY TeamID"));
    ASSERT_TRUE(Meetings(english, portuguese).empty());
    OpenPair(english, portuguese);
    EXPECT_EQ(On<TJXGrid>("gridFixed")->RowCount(), 2);
    EXPECT_TRUE(ShownList().empty());
    EXPECT_EQ(Figures(SummaryLabels), (std::vector<std::string>{"0", "+0=0-0"}));
}

TEST_F(TDlgFixedTest, PreviewOptionsNarrowTheCompetitionsAndTheSides)
{
    const auto [team1, team2] = PairWithExtraTime();
    OpenPair(team1, team2);
    const auto list = ShownList();
    QCheckBox* boxes[] = {On<QCheckBox>("chkPrevChamp"), On<QCheckBox>("chkPrevCup"), On<QCheckBox>("chkPrevLeagua")};
    for (QCheckBox* box : boxes)
        QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(ShownList(), list) << "no box ticked";

    // Cups only.
    QTest::mouseClick(boxes[1], Qt::LeftButton);
    const std::vector<Match> cup = Meetings(team1, team2, FieldCode::Both, ChampTypeID::Cup);
    ASSERT_FALSE(cup.empty());
    EXPECT_EQ(ShownList(), ExpectedList(cup, team1));
    for (QCheckBox* box : {boxes[0], boxes[2]})
        QTest::mouseClick(box, Qt::LeftButton);

    QTest::mouseClick(On<QRadioButton>("btnFieldHomeAway"), Qt::LeftButton);
    ExpectPreview(team1, team2, true);
    QTest::mouseClick(On<QRadioButton>("btnFieldAll"), Qt::LeftButton);
    EXPECT_EQ(ShownList(), list);
}

TEST_F(TDlgFixedTest, PreviewIsQueriedOncePerPairAndTheSwapCountsFromTheNewTeam1)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);
    const auto list = ShownList();
    const auto summary = Figures(SummaryLabels);
    Exec("INSERT INTO Fixed (FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, Tur, RoundID, ChampID, SeasonID) "
         "VALUES (999999, #1/2/2100#, " + N(team1) + ", " + N(team2) + ", 7, 0, 1, 1, " +
         Value("SELECT TOP 1 ChampID FROM Fixed WHERE Team1ID=" + N(team1)) + ", 1)");
    QTabBar* tabs = card.page1->tabBar();
    for (int tab : {2, 0})
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    EXPECT_EQ(ShownList(), list) << "not queried again";
    QTest::mouseClick(On<QRadioButton>("btnFieldHomeAway"), Qt::LeftButton);
    ASSERT_GE(ShownList().size(), 1u);
    EXPECT_EQ(ShownList().front()[1], "7:0") << "an option click queries again";
    QTest::mouseClick(On<QRadioButton>("btnFieldAll"), Qt::LeftButton);
    Exec("DELETE * FROM Fixed WHERE FixedIND=999999");

    // Swapped: team 2's wins are the wins now, and its goals come first.
    QTest::mouseClick(card.btnChangeTeam, Qt::LeftButton);
    EXPECT_EQ(TextOf("lblTeamName"), DBTeam::ShortName(TeamName(team2)) + " (ENG)");
    EXPECT_EQ(TextOf("lblTeamRivalName"), DBTeam::ShortName(TeamName(team1)) + " (ENG)");
    ExpectPreview(team2, team1, false);
    QTest::mouseClick(card.btnChangeTeam, Qt::LeftButton);
    EXPECT_EQ(Figures(SummaryLabels), summary);
    EXPECT_EQ(ShownList(), list);
}

TEST_F(TDlgFixedTest, SeasonStatisticsAndStreaksShowTheSidesChosen)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);
    for (const char* first : {"btnFieldAll", "btnStatsFieldAll", "btnIsChamp", "btnSeriesFldAll", "btnTourFldAll"})
        EXPECT_TRUE(On<QRadioButton>(first)->isChecked()) << first;

    ShowPage(card.tabStatsSeasons);
    const std::string all = Lang(1092);
    EXPECT_EQ(TextOf("lblTeam"), TeamName(team1) + " (" + all + "):");
    EXPECT_EQ(TextOf("lblTeamRival"), TeamName(team2) + " (" + all + "):");
    QTest::mouseClick(On<QRadioButton>("btnStatsFieldHomeAway"), Qt::LeftButton);
    EXPECT_EQ(TextOf("lblTeam"), TeamName(team1) + " (" + Lang(1093) + "):");
    EXPECT_EQ(TextOf("lblTeamRival"), TeamName(team2) + " (" + Lang(1094) + "):");
    const std::string homeLeague = SideOf(team1, FieldCode::Home) + " AND F.ChampID IN (SELECT ChampID FROM Champ "
                                                                    "WHERE TypeID=1)";
    const auto seasons = Select("SELECT DISTINCT F.SeasonID FROM Fixed AS F WHERE " + homeLeague);
    EXPECT_EQ(On<TJXGrid>("gridStats")->RowCount(), static_cast<int>(seasons.size()) + 1);
    // The newest season's home matches.
    EXPECT_EQ(On<TJXGrid>("gridStats")->Cell(1, 3),
              N(static_cast<int>(Matches(homeLeague + " AND F.SeasonID=(SELECT MAX(SeasonID) FROM Fixed)").size())));
    QTest::mouseClick(On<QRadioButton>("btnIsCup"), Qt::LeftButton);
    EXPECT_EQ(On<TJXGrid>("gridStats")->Cell(1, 2), Value("SELECT Name FROM Champ WHERE TypeID=2 AND NationalID='ENG'"));

    ShowPage(card.tabSeriesScore);
    const int win = SeriesCalcIndex::Win + 1;
    TJXGrid* series = On<TJXGrid>("gridSeries");
    const std::vector<std::string> every = WinRuns(LeagueResults(team1, FieldCode::Both));
    EXPECT_EQ((std::vector<std::string>{series->Cell(win, 1), series->Cell(win, 2)}), every);
    QTest::mouseClick(On<QRadioButton>("btnSeriesFldHomeAway"), Qt::LeftButton);
    const std::vector<std::string> home = WinRuns(LeagueResults(team1, FieldCode::Home));
    ASSERT_NE(home, every) << "the sample's runs tell the sides apart";
    EXPECT_EQ((std::vector<std::string>{series->Cell(win, 1), series->Cell(win, 2)}), home);
}

TEST_F(TDlgFixedTest, TourStripsKeepTheirRowsWhenAClubHasNoResults)
{
    const auto [team1, team2] = PairWithExtraTime();
    Exec("INSERT INTO Team (TeamID, Name, NationalID) VALUES (999999, 'Newcomers', 'ENG')");
    TDlgFixed& card = OpenPair(team1, 999999);
    ShowPage(card.tabTour);
    TJXGrid* strip = On<TJXGrid>("gridTour");
    TJXGrid* rivalStrip = On<TJXGrid>("gridTourRival");
    const Table team1Marks = GridCells("gridTour");
    ASSERT_EQ(team1Marks.size(), 6u) << "a row per kind of mark";
    EXPECT_FALSE(team1Marks[0][30].empty()) << "30 results of team 1";
    EXPECT_EQ(rivalStrip->RowCount(), 7);
    EXPECT_TRUE(rivalStrip->Cell(1, 1).empty());

    QTest::mouseClick(card.btnChangeTeam, Qt::LeftButton);
    EXPECT_EQ(strip->RowCount(), 7);
    EXPECT_TRUE(strip->Cell(1, 1).empty());
    EXPECT_EQ(GridCells("gridTourRival"), team1Marks);

    QTest::mouseClick(On<QRadioButton>("btnTourFldHomeAway"), Qt::LeftButton);
    EXPECT_EQ(TextOf("lblTourTeam"), "Newcomers (" + Lang(1093) + "):");
    EXPECT_EQ(TextOf("lblTourTeamRival"), TeamName(team1) + " (" + Lang(1094) + "):");
    EXPECT_NE(GridCells("gridTourRival"), team1Marks) << "team 1's away results only";
}

// Under "home/away" team 2 is seen away from home, on either page: not at home, not everywhere.
TEST_F(TDlgFixedTest, HomeAwayShowsTeam2sAwayMatchesOnTheSeasonAndTourPages)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);

    // Goals scored and conceded a game in team 2's newest league season, on a side.
    const auto perGame = [&](int field) {
        const std::vector<Match> matches = Matches(SideOf(team2, field) + " AND F.ChampID IN (SELECT ChampID FROM "
                                                   "Champ WHERE TypeID=1) AND F.SeasonID=(SELECT MAX(SeasonID) "
                                                   "FROM Fixed)");
        int scored = 0, conceded = 0;
        for (const Match& m : matches) {
            const auto [own, rival] = GoalsOf(m, team2);
            scored += own;
            conceded += rival;
        }
        const double games = static_cast<double>(matches.size());
        return std::vector<std::string>{Rounded(scored / games, 2), Rounded(conceded / games, 2)};
    };
    ShowPage(card.tabStatsSeasons);
    QTest::mouseClick(On<QRadioButton>("btnStatsFieldHomeAway"), Qt::LeftButton);
    const std::vector<std::string> away = perGame(FieldCode::Away);
    ASSERT_NE(away, perGame(FieldCode::Home)) << "the sample's sides differ";
    ASSERT_NE(away, perGame(FieldCode::Both));
    EXPECT_EQ(GridCells("gridStatsRival", {10, 11}).at(0), away);

    // Team 2's last 30 league results away from home, of the newest two seasons, as marks,
    // oldest first.
    std::vector<Match> newest = Matches(SideOf(team2, FieldCode::Away) + " AND F.ChampID IN (SELECT ChampID FROM "
                                        "Champ WHERE TypeID=1) AND F.SeasonID>=(SELECT MAX(SeasonID) FROM Fixed)-1 "
                                        "ORDER BY F.Date DESC");
    newest.resize(std::min<size_t>(newest.size(), 30));
    std::string expected;
    for (auto m = newest.rbegin(); m != newest.rend(); ++m) {
        const auto [own, rival] = GoalsOf(*m, team2);
        expected += own > rival ? "+" : own == rival ? "=" : "-";
    }
    ShowPage(card.tabTour);
    QTest::mouseClick(On<QRadioButton>("btnTourFldHomeAway"), Qt::LeftButton);
    std::vector<int> resultColumns(30);
    std::iota(resultColumns.begin(), resultColumns.end(), 1);
    const Table marks = GridCells("gridTourRival", resultColumns);
    std::string shown;
    for (const std::string& mark : marks.at(0))
        shown += mark;
    EXPECT_EQ(shown, expected);
}

TEST_F(TDlgFixedTest, SquadsOfBothClubsAboveTheBoundAndTheLineUpOfBoth)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);
    ShowPage(card.tabPlayers);
    ASSERT_EQ(card.page1->currentWidget()->objectName(), "tabPlayers");
    // Each side's players above the bound, in the squad order (the bands the team card's test checks).
    const auto expectSquad = [this](const char* gridName, int team, int minSkills) {
        std::string expected, shown;
        for (const auto& player : Select("SELECT P.Name FROM Players AS P INNER JOIN PlayersSquad AS S ON "
                                         "P.PlayerID=S.PlayerID WHERE S.TeamID=" + N(team) + " AND P.Skills>" +
                                         N(minSkills) + " ORDER BY P.PosID, P.FlangID, P.Skills DESC"))
            expected += player[0] + "; ";
        for (const auto& row : GridCells(gridName, {1}))
            shown += row[0] + "; ";
        EXPECT_EQ(shown, expected) << gridName;
    };
    expectSquad("gridPlayers1", team1, 0);
    expectSquad("gridPlayers2", team2, 0);
    QLineEdit* minSkills = On<QLineEdit>("txtMinSkills");
    minSkills->setText("abc");
    expectSquad("gridPlayers2", team2, 0);
    QTest::mouseClick(On<QPushButton>("btnMinus"), Qt::LeftButton);
    EXPECT_EQ(minSkills->text(), "-20");
    expectSquad("gridPlayers2", team2, -20);
    QTest::mouseClick(On<QPushButton>("btnPlus"), Qt::LeftButton);
    QTest::mouseClick(On<QPushButton>("btnPlus"), Qt::LeftButton);
    expectSquad("gridPlayers1", team1, 20);

    InModalDialog([] { QTest::mouseClick(On<QPushButton>("btnForm"), Qt::LeftButton); }, "btnForm",
                  [&](QWidget& form) {
                      auto* second = form.findChild<QPushButton*>("btnTeam2Change");
                      ASSERT_NE(second, nullptr);
                      EXPECT_TRUE(second->isVisible());
                      EXPECT_EQ(second->text().toStdString(), TeamName(team2));
                      EXPECT_NE(form.windowTitle().toStdString().find("20"), std::string::npos);
                  });
}

TEST_F(TDlgFixedTest, RatingsOfBothClubsFromTheirRatedMatches)
{
    // Two clubs that never met: each rated match is one club's.
    const int english = std::stoi(Value("SELECT TOP 1 TeamID FROM Team WHERE NationalID='ENG' ORDER BY TeamID"));
    const int portuguese = std::stoi(Value("SELECT TOP 1 TeamID FROM Team WHERE NationalID='POR' ORDER BY TeamID"));
    const auto rate = [this](int team, int start, int step) {
        const std::string id = N(team);
        Rows newest = Select("SELECT TOP 6 FixedIND, Team1ID FROM Fixed WHERE Team1ID=" + id + " OR Team2ID=" + id +
                             " ORDER BY [Date] DESC");
        std::reverse(newest.begin(), newest.end());
        for (size_t n = 0; n < newest.size(); ++n) {
            const std::string rating = N(start + step * static_cast<int>(n));
            const bool home = newest[n][1] == id;
            Exec("INSERT INTO EloFixed VALUES(" + newest[n][0] + ", 1000, 1000, " + (home ? rating : "900") + ", " +
                 (home ? "900" : rating) + ", 1)");
        }
    };
    rate(english, 1000, 10);      // 1000 ... 1050, oldest first
    rate(portuguese, 1100, -5);  // 1100 ... 1075
    TDlgFixed& card = OpenPair(english, portuguese);
    ShowPage(card.tabElo);
    ASSERT_EQ(card.page1->currentWidget()->objectName(), "tabElo");
    EXPECT_EQ(TextOf("lblR1"), "1050");
    EXPECT_EQ(TextOf("lblR2"), "1075");
    EXPECT_EQ(TextOf("lblRang1"), "50");
    EXPECT_EQ(TextOf("lblRang2"), "-25");
    EXPECT_EQ(TextOf("Label21"), "75");
    EXPECT_EQ(TextOf("Label22"), "НЕТ");
    EXPECT_EQ(TextOf("Label23"), "1");
    EXPECT_EQ(On<QPlainTextEdit>("Memo1")->toPlainText(), "1010\n1020\n1030\n1040\n1050");
    EXPECT_EQ(On<QPlainTextEdit>("Memo2")->toPlainText(), "1095\n1090\n1085\n1080\n1075");

    QTest::mouseClick(card.btnChangeTeam, Qt::LeftButton);
    EXPECT_EQ(TextOf("lblR1"), "1075");
    EXPECT_EQ(TextOf("Label22"), "ДА");
}

TEST_F(TDlgFixedTest, SpecialPredictModelChoiceAndExportLine)
{
    const auto [team1, team2] = PairWithExtraTime();
    TDlgFixed& card = OpenPair(team1, team2);
    ShowPage(card.tabSpecialPredict);
    for (const char* label : {"lblSPPredict1", "lblSPPredict2"})
        EXPECT_EQ(TextOf(label), "0 || 0%/0%/0% || 0%/0% || -1:-1") << label;
    EXPECT_EQ(TextOf("lblSPName1"), "Bayes:");
    EXPECT_EQ(TextOf("lblSPName2"), "Ver200:");
    EXPECT_FALSE(On<QLabel>("lblSPName3")->isVisibleTo(&card));
    // Filled once per pair: a second showing leaves the page as it stands.
    On<QLabel>("lblSPPredict1")->setText("kept");
    ShowPage(card.tabPreview);
    ShowPage(card.tabSpecialPredict);
    EXPECT_EQ(TextOf("lblSPPredict1"), "kept");

    ShowPage(card.tabPrognoz);
    QComboBox* models = On<QComboBox>("cboPredict");
    ASSERT_EQ(models->count(), 4);
    EXPECT_EQ(models->currentText(), "ver100");
    ChooseItem(models, "ver153");
    EXPECT_EQ(DBSetting::Global()->ReadString("PredictFileName"), "ver153");

    On<QPushButton>("Button1")->click();
    EXPECT_EQ(ClipboardText(), "ENG\t" + TeamName(team1) + "\t" + TeamName(team2));
}

TEST_F(TDlgFixedTest, ShownPagesFitTheCardInBothLanguages)
{
    const auto [team1, team2] = PairWithExtraTime();
    for (const char* language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        UseLanguage(language);
        TDlgFixed& card = OpenPair(team1, team2);
        ExpectSoundPages(card, card.page1, {card.tabPreview, card.tabStatsSeasons, card.tabSeriesScore, card.tabTour});
        Stop();
        FreeLeftCards();
    }
}

TEST_F(TDlgFixedTest, LongNamesInTheHeaderStopShortOfTheSwapButtonAndTheFlags)
{
    const auto [team1, team2] = PairWithExtraTime();
    // Single words, which no shortening makes shorter.
    const std::string name1 = "Wolverhamptonwanderersathleticclub", name2 = "Borussia-Mönchengladbach-Sportverein";
    Exec("UPDATE Team SET Name='" + name1 + "' WHERE TeamID=" + N(team1));
    Exec("UPDATE Team SET Name='" + name2 + "' WHERE TeamID=" + N(team2));
    OpenPair(team1, team2);
    const QRect swap = On<QPushButton>("btnChangeTeam")->geometry();
    // Pixels between two spans of the header, whichever lies left.
    const auto apart = [](const QRect& a, const QRect& b) {
        return std::max(a.left() - b.right(), b.left() - a.right()) - 1;
    };
    const std::tuple<const char*, const char*, std::string> titles[] = {{"lblTeamName", "imgTeam", name1},
                                                                        {"lblTeamRivalName", "imgTeamRival", name2}};
    for (const auto& [labelName, flagName, name] : titles) {
        SCOPED_TRACE(labelName);
        const QLabel* label = On<QLabel>(labelName);
        const QString text = label->text();
        EXPECT_TRUE(text.startsWith(QString::fromStdString(name.substr(0, 8))) && text.endsWith(" (ENG)"))
                << text.toStdString();
        // The text as it stands centred in its label.
        const int width = label->fontMetrics().horizontalAdvance(text);
        const QRect shown(label->x() + (label->width() - width) / 2, label->y(), width, label->height());
        EXPECT_GE(apart(shown, swap), 6);
        EXPECT_GE(apart(shown, On<QLabel>(flagName)->geometry()), 6);
    }
    for (const CutText& cut : CutTexts(*On<QWidget>("Panel1")))
        ADD_FAILURE() << cut;
}

// Six Premier League seasons in place of the sample, taken in as an update brings them,
// one team per name across the files.
class TDlgFixedRealDataTest : public TDlgFixedTest {
protected:
    void SetUp() override
    {
        if (SharedDataFolder().empty())
            GTEST_SKIP() << NoSharedDataMessage();
    }

    TDlgFixed& OpenPair(const std::string& team, const std::string& rival)
    {
        std::vector<std::string> files;
        for (const char* season : {"1819", "1920", "2021", "2223", "2324", "2425"})
            files.push_back(std::string("football-data-co-uk/E0_") + season + ".csv");
        const SeasonRun run = ReplaceSampleBySeasons(files);
        return TDlgFixedTest::OpenPair(run.teams.at(team), run.teams.at(rival));
    }

    static std::vector<std::string> Summary()
    {
        std::vector<std::string> texts;
        for (const char* label : {"lblRGame", "lblRWDL", "lblRGoals", "lblRTotal", "lblRAvgGoals"})
            texts.push_back(TextOf(label));
        return texts;
    }
};

TEST_F(TDlgFixedRealDataTest, LiverpoolAgainstManCity)
{
    OpenPair("Liverpool", "Man City");
    EXPECT_EQ(Summary(), (std::vector<std::string>{"12", "+4=4-4", "14:18", "7-5", "1.17-1.5"}));
    EXPECT_EQ(GridCells("gridTable"), (Table{{"1", "Liverpool", "38", "25", "9", "4", "86 - 41", "84"}}));
    EXPECT_EQ(GridCells("gridTableRival"), (Table{{"3", "Man City", "38", "21", "8", "9", "72 - 44", "71"}}));
    EXPECT_EQ(GridCells("gridLastSmall", {0, 2, 3}).at(0),
              (std::vector<std::string>{"25.05.2025", "Crystal Palace", "1:1"}));

    QTest::mouseClick(On<QRadioButton>("btnFieldHomeAway"), Qt::LeftButton);
    EXPECT_EQ(Summary(), (std::vector<std::string>{"6", "+3=2-1", "8:6", "4-2", "1.33-1"}));
}

}  // namespace
