#include <gtest/gtest.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <map>
#include <tuple>

#include "data/codes.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "mainwindowfixture.h"
#include "pagekeys.h"
#include "platform/jetsql.h"
#include "platform/sysutils.h"
#include "platform/ttoolbutton.h"
#include "platform/types.h"
#include "sampledata/sampleids.h"
#include "shareddata.h"
#include "ui/champseasonspage.h"
#include "ui/champstatspage.h"
#include "ui/champtablepage.h"
#include "ui/cardform.h"
#include "ui/champtourpage.h"
#include "ui/dlgchamp.h"
#include "ui/dlgmain.h"

namespace {

const int EnglishLeague = SampleIds::League(SampleIds::England);
const int BelgianLeague = SampleIds::League(SampleIds::Belgium);
const int EnglishCup = SampleIds::Cup(SampleIds::England);
// Seasons of the sample: 1 to 3 are complete, 4 is under way with one stage played.
constexpr int CompleteSeason = 2;
constexpr int CurrentSeason = 4;

// The team column of the standings, as the user sees them.
constexpr int TeamColumn = 1;

// The tournament card opened from the main window on the sample.
class TDlgChampTest : public MainWindowFixture {
protected:
    // The card of the bottom panel's match in a tournament season view.
    TDlgChamp& OpenFromMatch(int champ, int season)
    {
        SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
        Start();
        Click("btnBChamp");
        return Card();
    }

    // The card of the tournament view, from the navigation bar.
    TDlgChamp& OpenFromView(int champ, int season)
    {
        SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
        Start();
        Click("btnNTeamChamp");
        return Card();
    }

    static TDlgChamp& Card()
    {
        if (!DlgChamp)
            throw std::runtime_error("no tournament card is shown");
        return *DlgChamp;
    }

    static void ShowPage(QWidget* page) { Card().page1->setCurrentWidget(page); }
    static bool PageVisible(QWidget* page) { return Card().page1->isTabVisible(Card().page1->indexOf(page)); }

    static std::map<int, std::string> TeamNames()
    {
        std::map<int, std::string> names;
        for (const auto& row : Select("SELECT TeamID, Name FROM Team"))
            names[std::stoi(row[0])] = row[1];
        return names;
    }

    static std::string TeamID(const std::string& name)
    {
        return Value("SELECT TeamID FROM Team WHERE Name=" + JetQuoted(name));
    }

    // The matches of one stage of a tournament season, oldest first.
    std::vector<Match> StageMatches(int champ, int season, int round)
    {
        return Matches("F.ChampID=" + IntToStr(champ) + " AND F.SeasonID=" + IntToStr(season) +
                       " AND F.RoundID=" + IntToStr(round) + " ORDER BY F.Date");
    }

    // Records by team name of one stage of a tournament season, on one side.
    std::map<std::string, Record> Standings(int champ, int season, int round, int field)
    {
        std::map<int, std::string> names = TeamNames();
        std::map<std::string, Record> records;
        for (const Match& m : StageMatches(champ, season, round)) {
            if (field != FieldCode::Away)
                records[names[m.team1]].Add(m.gol1, m.gol2);
            if (field != FieldCode::Home)
                records[names[m.team2]].Add(m.gol2, m.gol1);
        }
        return records;
    }

    // The grid lists the teams of the records in the standings order, name in column nameColumn.
    static void ExpectStandingsOrder(TJXGrid* grid, int nameColumn, const std::map<std::string, Record>& records)
    {
        ASSERT_EQ(grid->RowCount(), static_cast<int>(records.size()) + 1);
        for (int row = 1; row < grid->RowCount(); ++row) {
            const std::string team = grid->Cell(row, nameColumn);
            ASSERT_EQ(records.count(team), 1u) << team;
            if (row > 1) {
                EXPECT_GE(records.at(grid->Cell(row - 1, nameColumn)).Rank(), records.at(team).Rank()) << team;
            }
        }
    }

    // The grid shows the records, each team once, in the standings order, with its games
    // (the other figures of a row are the table presenter's).
    static void ExpectStandings(TJXGrid* grid, const std::map<std::string, Record>& records)
    {
        ExpectStandingsOrder(grid, TeamColumn, records);
        for (int row = 1; row < grid->RowCount(); ++row) {
            if (const auto team = records.find(grid->Cell(row, TeamColumn)); team != records.end()) {
                EXPECT_EQ(grid->Cell(row, 2), std::to_string(team->second.games)) << team->first;
            }
        }
    }

    static int RowOf(TJXGrid* grid, int col, const std::string& text)
    {
        for (int row = 1; row < grid->RowCount(); ++row)
            if (grid->Cell(row, col) == text)
                return row;
        ADD_FAILURE() << "no row " << text;
        return 1;
    }


};

TEST_F(TDlgChampTest, MatchButtonOpensTheMatchsSeasonWithItsStages)
{
    // A play-off outside the table in the current season: its row stays out of the standings.
    const int club = std::stoi(Value("SELECT TOP 1 TeamID FROM Stats WHERE ChampID=" + IntToStr(BelgianLeague) +
                                     " AND SeasonID=" + IntToStr(CurrentSeason)));
    AddStats({.champ = BelgianLeague, .season = CurrentSeason, .team = club, .round = TotalsRoundID, .win = 1});
    TDlgChamp& card = OpenFromMatch(BelgianLeague, CompleteSeason);
    EXPECT_EQ(card.parentWidget(), &Main());
    EXPECT_EQ(card.geometry(), QRect(69, 0, 716, 460));
    EXPECT_TRUE(Shown("ToolBar2"));
    EXPECT_FALSE(Shown("gridFixed"));
    QTest::keyClick(&card, Qt::Key_Escape);
    EXPECT_TRUE(card.isVisible()) << "only Back leaves the card";
    // The card hides the navigation bar under it: the window looks the same without the bar.
    QWidget* bar = Main().findChild<QWidget*>("panelNavig");
    const QImage withBar = Main().grab(card.geometry()).toImage();
    bar->hide();
    const QImage withoutBar = Main().grab(card.geometry()).toImage();
    bar->show();
    EXPECT_TRUE(withBar == withoutBar) << "the navigation bar shows through the card";
    EXPECT_EQ(card.lblChampName->text().toStdString(), Name("Champ", "ChampID", BelgianLeague) + " (BEL)");
    const std::string season = Name("Season", "SeasonID", CompleteSeason);
    EXPECT_EQ(card.tabTable->cboTableSeason->currentText().toStdString(), season);
    EXPECT_EQ(card.tabStats->cboStatsSeason->currentText().toStdString(), season);

    QListWidget* stages = card.tabTable->lstRound;
    TJXGrid* standings = card.tabTable->gridTable;
    EXPECT_TRUE(stages->isVisible());
    EXPECT_EQ(Items(stages), "Round; Top six; Bottom six");
    ExpectStandings(standings, Standings(BelgianLeague, CompleteSeason, SampleIds::RegularSeason, FieldCode::Both));
    ClickListItem(stages, "Top six");
    EXPECT_EQ(standings->RowCount(), 7);
    ExpectStandings(standings, Standings(BelgianLeague, CompleteSeason, SampleIds::ChampionshipRound, FieldCode::Both));

    // The current season has played its first stage only: no list, and still that stage alone.
    ChooseItem(card.tabTable->cboTableSeason, Name("Season", "SeasonID", CurrentSeason));
    EXPECT_FALSE(stages->isVisible());
    ExpectStandings(standings, Standings(BelgianLeague, CurrentSeason, SampleIds::RegularSeason, FieldCode::Both));
}

TEST_F(TDlgChampTest, MatchButtonOfATeamViewOfEverySeasonOpensTheMatchsTournamentAndSeason)
{
    // The team's list runs newest first; its first cup match of the complete season.
    const int team = SampleIds::FirstTeam(SampleIds::England);
    const Rows listed = Select("SELECT ChampID, SeasonID FROM Fixed WHERE Team1ID=" + IntToStr(team) +
                               " OR Team2ID=" + IntToStr(team) + " ORDER BY [Date] DESC");
    const auto cupMatch = std::find(listed.begin(), listed.end(),
                                    std::vector<std::string>{IntToStr(EnglishCup), IntToStr(CompleteSeason)});
    ASSERT_NE(cupMatch, listed.end());
    const int row = static_cast<int>(cupMatch - listed.begin()) + 1;
    SetCurrentView(FilterMode::Team, team, 0, 0, 0);
    Start();
    ASSERT_EQ(Cell(row, ChampColumn), Name("Champ", "ChampID", EnglishCup));
    ClickCell(row, DateColumn);
    Click("btnBChamp");
    TDlgChamp& card = Card();
    DBChamp cup;
    cup.OpenByID(EnglishCup);
    EXPECT_EQ(card.lblChampName->text().toStdString(), cup.GetDisplayName() + " (ENG)");
    EXPECT_EQ(card.tabTable->cboTableSeason->currentText().toStdString(), Name("Season", "SeasonID", CompleteSeason));
}

TEST_F(TDlgChampTest, StandingsOfEachSideAreThoseOfTheMatches)
{
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CompleteSeason);
    const std::pair<QRadioButton*, int> sides[] = {{card.tabTable->btnTableHomeField, FieldCode::Home},
                                                   {card.tabTable->btnTableAwayField, FieldCode::Away},
                                                   {card.tabTable->btnTableAllField, FieldCode::Both}};
    for (const auto& [radio, field] : sides) {
        SCOPED_TRACE(field);
        QTest::mouseClick(radio, Qt::LeftButton);
        ExpectStandings(card.tabTable->gridTable,
                        Standings(EnglishLeague, CompleteSeason, SampleIds::RegularSeason, field));
    }
}

TEST_F(TDlgChampTest, CupsAndTheInternationalTournamentShowNoCrossTableAndNoMarks)
{
    struct Case {
        int champ;
        bool league;
        std::string stages;
        int standingsRows;  // the teams of the first stage, or of every round
    };
    const Case cases[] = {
            {EnglishLeague, true, "Round", 21},
            {EnglishCup, false, "", 33},
            {SampleIds::EuroCup, false, "Group A; Group B; Group C; Group D; Group E; Group F; Group G; Group H", 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.champ);
        TDlgChamp& card = OpenFromView(c.champ, CompleteSeason);
        EXPECT_EQ(PageVisible(card.tabChess), c.league);
        EXPECT_EQ(PageVisible(card.tabTour), c.league);
        EXPECT_EQ(ReachableHiddenTabs(card), std::vector<std::string>{});
        EXPECT_EQ(Items(card.tabTable->lstRound), c.stages);
        EXPECT_EQ(card.tabTable->lstRound->isVisible(), card.tabTable->lstRound->count() > 1);
        EXPECT_EQ(card.tabTable->gridTable->RowCount(), c.standingsRows);
        Stop();
    }
}

TEST_F(TDlgChampTest, StandingsOfEverySeasonOpenTheTeamsLastSeasonHereAndLeaveTheCard)
{
    // A club relegated after the second season: its last season here is the second.
    const int relegated = std::stoi(Value("SELECT TeamID FROM Stats WHERE ChampID=" + IntToStr(EnglishLeague) +
                                          " GROUP BY TeamID HAVING MAX(SeasonID)=" + IntToStr(CompleteSeason)));
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CurrentSeason);
    ChooseItem(card.tabTable->cboTableSeason, "All seasons");
    TJXGrid* standings = card.tabTable->gridTable;
    const std::string team = Name("Team", "TeamID", relegated);
    DoubleClickCell(RowOf(standings, TeamColumn, team), TeamColumn, standings);

    EXPECT_EQ(card.Tag(), 1);
    EXPECT_EQ(CurrentView(), "1 " + IntToStr(relegated) + " 0 0 " + IntToStr(CompleteSeason));
    EXPECT_FALSE(Shown("ToolBar2")) << "the main window leaves card mode at once";
    EXPECT_TRUE(Shown("gridFixed"));
    EXPECT_EQ(Text("lblNTeamChamp"), team);
    EXPECT_EQ(ListedMatches(), TeamMatches(relegated, CompleteSeason).size());
    FreeLeftCards();
    EXPECT_EQ(DlgChamp, nullptr);
}

TEST_F(TDlgChampTest, TeamStatisticsAndCalendarHandTheirViewsBackOnBack)
{
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CurrentSeason);
    ShowPage(card.tabStats);
    ChooseItem(card.tabStats->cboStatsSeason, Name("Season", "SeasonID", CompleteSeason));
    TJXGrid* teams = card.tabStats->gridStats;
    const std::string team = teams->Cell(3, 1);
    DoubleClickCell(3, 1, teams);
    EXPECT_EQ(card.Tag(), 1);
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(Shown("ToolBar2")) << "card mode stays until Back";
    EXPECT_FALSE(Shown("gridFixed"));
    EXPECT_EQ(CurrentView(), "1 " + TeamID(team) + " 0 0 " + IntToStr(CompleteSeason));
    Click("btnCloseMDI");
    EXPECT_EQ(Text("lblNTeamChamp"), team);

    FreeLeftCards();
    Click("btnNTeamChamp");
    EXPECT_EQ(DlgChamp, nullptr) << "a team view opens no tournament card";
    Click("btnCloseMDI");
    Main().GetFilter()->AddChamp(EnglishLeague, CurrentSeason);
    Main().Refresh();
    Click("btnNTeamChamp");
    ShowPage(Card().tabCalendar);
    TJXGrid* calendar = Card().gridCalendar;
    ASSERT_GT(calendar->RowCount(), 2);
    const std::string home = TeamID(calendar->Cell(2, 2));
    const std::string away = TeamID(calendar->Cell(2, 3));
    DoubleClickCell(2, 0, calendar);
    EXPECT_EQ(Card().Tag(), 1);
    EXPECT_FALSE(Card().isVisible());
    EXPECT_EQ(CurrentView(), "3 " + home + " " + away + " 0 0");
}

TEST_F(TDlgChampTest, TourMarksOfTheLastSeasonFollowItsStandingsOnEachSideAndKind)
{
    // Opened on a complete season, the marks still show the last one.
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CompleteSeason);
    ShowPage(card.tabTour);
    TChampTourPage* tour = card.tabTour;
    const std::map<int, std::string> names = TeamNames();
    const std::vector<Match> matches = StageMatches(EnglishLeague, CurrentSeason, SampleIds::RegularSeason);
    struct Case {
        QRadioButton* side;
        QRadioButton* kind;
        int field;
        char (*mark)(int own, int rival);
    };
    const Case cases[] = {
            {tour->btnTourFldHome, tour->btnTourType1, FieldCode::Home,
             [](int own, int rival) { return own > rival ? '+' : own == rival ? '=' : '-'; }},
            {tour->btnTourFldAll, tour->btnTourType2, FieldCode::Both,
             [](int own, int rival) { return own + rival < 3 ? '<' : '>'; }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind->objectName().toStdString());
        QTest::mouseClick(c.side, Qt::LeftButton);
        QTest::mouseClick(c.kind, Qt::LeftButton);
        // Each team's marks, oldest first.
        std::map<std::string, std::string> expected;
        for (const Match& m : matches) {
            if (c.field != FieldCode::Away)
                expected[names.at(m.team1)] += c.mark(m.gol1, m.gol2);
            if (c.field != FieldCode::Home)
                expected[names.at(m.team2)] += c.mark(m.gol2, m.gol1);
        }
        TJXGrid* grid = tour->gridTour;
        ExpectStandingsOrder(grid, 0, Standings(EnglishLeague, CurrentSeason, SampleIds::RegularSeason, c.field));
        for (int row = 1; row < grid->RowCount(); ++row) {
            std::string marks;
            for (int col = 1; col < grid->ColCount(); ++col)
                marks += grid->Cell(row, col);
            EXPECT_EQ(marks, expected[grid->Cell(row, 0)]) << grid->Cell(row, 0);
        }
    }
}

TEST_F(TDlgChampTest, CrossTableHoldsTheLastSeasonsHomeScoresInTheirResultColours)
{
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CompleteSeason);
    ShowPage(card.tabChess);
    TJXGrid* cross = card.gridChess;
    ExpectStandingsOrder(cross, 1,
                         Standings(EnglishLeague, CurrentSeason, SampleIds::RegularSeason, FieldCode::Both));
    std::map<std::string, int> rows;
    for (int row = 1; row < cross->RowCount(); ++row) {
        rows[cross->Cell(row, 1)] = row;
        EXPECT_EQ(cross->GetCellsProperty(row, row + 1).Color, 0x000000u) << "the team against itself";
    }
    const std::map<int, std::string> names = TeamNames();
    const std::vector<Match> matches = StageMatches(EnglishLeague, CurrentSeason, SampleIds::RegularSeason);
    for (const Match& m : matches) {
        const int row = rows[names.at(m.team1)];
        const int col = rows[names.at(m.team2)] + 1;
        EXPECT_EQ(cross->Cell(row, col), std::to_string(m.gol1) + ":" + std::to_string(m.gol2));
        const TColor colour = m.gol1 > m.gol2 ? 0xFF0000 : m.gol1 == m.gol2 ? 0x008000 : 0x0000FF;
        EXPECT_EQ(cross->GetCellsProperty(row, col).FontColor, colour);
    }
    size_t scores = 0;
    for (int row = 1; row < cross->RowCount(); ++row)
        for (int col = 2; col < cross->ColCount(); ++col)
            scores += !cross->Cell(row, col).empty();
    EXPECT_EQ(scores, matches.size()) << "no other cell holds a score";
}

TEST_F(TDlgChampTest, EmptyStandingsAndCalendarAddNoView)
{
    Exec("DELETE * FROM Stats WHERE ChampID=" + IntToStr(EnglishLeague) + " AND SeasonID=" + IntToStr(CompleteSeason));
    Exec("DELETE * FROM Calendar WHERE ChampID=" + IntToStr(EnglishLeague));
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CompleteSeason);
    const std::string history = History();
    EXPECT_EQ(card.tabTable->gridTable->RowCount(), 2);
    DoubleClickCell(1, TeamColumn, card.tabTable->gridTable);
    ShowPage(card.tabCalendar);
    EXPECT_EQ(card.gridCalendar->RowCount(), 2);
    DoubleClickCell(1, 2, card.gridCalendar);
    EXPECT_EQ(History(), history);
    EXPECT_EQ(card.Tag(), 0);
    EXPECT_TRUE(card.isVisible());
}

TEST_F(TDlgChampTest, SeasonStatisticsAreTheSumsOfEachSeasonWithABarPerSeason)
{
    // Each season's matches from the home side: wins are home wins, losses away wins.
    std::map<int, Record> seasons;
    for (const Match& m : SeasonMatches(EnglishLeague, 0))
        seasons[m.season].Add(m.gol1, m.gol2);
    ASSERT_EQ(seasons.size(), 4u);

    TDlgChamp& card = OpenFromMatch(EnglishLeague, CurrentSeason);
    ShowPage(card.tabStatsSeasons);
    TJXGrid* grid = card.tabStatsSeasons->gridStatsSeasons;
    ASSERT_EQ(grid->RowCount(), 5);
    int row = 1;
    for (auto season = seasons.rbegin(); season != seasons.rend(); ++season, ++row) {
        const Record& r = season->second;
        SCOPED_TRACE(season->first);
        EXPECT_EQ(grid->Cell(row, 1), Name("Season", "SeasonID", season->first)) << "newest first";
        // Games and home goals a game; the shares are the table presenter's test.
        EXPECT_EQ(grid->Cell(row, 2), std::to_string(r.games));
        EXPECT_EQ(grid->Cell(row, 9), Rounded(double(r.gf) / r.games, 2));
    }

    const auto bars = [&card] {
        QChart* chart = card.tabStatsSeasons->chtStatsSeasons->chart();
        auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
        std::vector<std::string> shown;
        if (!series || series->count() != 1 || !axis)
            return shown;
        for (int i = 0; i < series->barSets()[0]->count(); ++i)
            shown.push_back(axis->at(i).toStdString() + " " + QString::number(series->barSets()[0]->at(i)).toStdString());
        return shown;
    };
    const std::pair<QRadioButton*, std::function<std::string(const Record&)>> kinds[] = {
            {card.tabStatsSeasons->btnAGoal1, [](const Record& r) { return Rounded(double(r.gf) / r.games, 2); }},
            {card.tabStatsSeasons->btnDraw, [](const Record& r) { return Rounded(100.0 * r.draw / r.games, 0); }}};
    for (const auto& [radio, value] : kinds) {
        SCOPED_TRACE(radio->objectName().toStdString());
        QTest::mouseClick(radio, Qt::LeftButton);
        std::vector<std::string> expected;
        for (const auto& [season, home] : seasons)
            expected.push_back(Name("Season", "SeasonID", season) + " " + value(home));
        EXPECT_EQ(bars(), expected) << "oldest season left";
    }
}

TEST_F(TDlgChampTest, SeasonChartOfEveryKindStandsEachValueAboveItsBarOnAReadableAxis)
{
    TDlgChamp& card = OpenFromMatch(EnglishLeague, CurrentSeason);
    TChampSeasonsPage& page = *card.tabStatsSeasons;
    ShowPage(&page);
    for (QRadioButton* kind : {page.btnWin, page.btnDraw, page.btnLose, page.btnTB, page.btnTM, page.btnAGoal1,
                               page.btnAGoal2}) {
        SCOPED_TRACE(kind->objectName().toStdString());
        QTest::mouseClick(kind, Qt::LeftButton);
        QApplication::processEvents();
        for (const std::string& fault : BarChartFaults(*page.chtStatsSeasons))
            ADD_FAILURE() << fault;
    }
}

TEST_F(TDlgChampTest, EveryPageFitsTheCardInBothLanguagesAndTheTourRadiosNameTheHandicapLine)
{
    for (const char* language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        UseLanguage(language).WriteInteger("TourHandicap", 1);
        TDlgChamp& card = OpenFromMatch(BelgianLeague, CompleteSeason);
        ExpectSoundPages(card, card.page1);
        if (language == std::string("en")) {
            ExpectNoRussianLeft(card);
            EXPECT_EQ(card.tabTable->gridTable->Cell(0, TeamColumn), "Team");
            EXPECT_EQ(card.gridCalendar->Cell(0, 0), "Date");
        }
        EXPECT_EQ(card.tabTour->btnTourType5->text().toStdString() + card.tabTour->btnTourType6->text().toStdString(),
                  "-1.5+1.5");
        Stop();
    }
}

TEST_F(TDlgChampTest, AnotherCardReplacesTheShownOneAndThePointerFollowsTheCardShown)
{
    TDlgChamp& first = OpenFromView(EnglishLeague, CompleteSeason);
    QPointer<TDlgChamp> left(&first);
    // The navigation bar opens no second card: it waits for the card mode's Back.
    Click("btnNTeamChamp");
    EXPECT_EQ(DlgChamp, &first);
    // A card shown by code in card mode replaces the shown one.
    auto* second = new TDlgChamp(&Main(), Main().GetFilter(), EnglishLeague,
                                 Name("Season", "SeasonID", CompleteSeason),
                                 Main().findChild<TToolButton*>("btnCloseMDI"));
    KeepCardPointer(DlgChamp, second);
    Main().ShowCard(second);
    ASSERT_NE(DlgChamp, &first);
    EXPECT_FALSE(left->isVisible());
    FreeLeftCards();
    EXPECT_TRUE(left.isNull());
    EXPECT_EQ(Main().findChildren<TDlgChamp*>().size(), 1u);
    EXPECT_TRUE(Card().isVisible());
    Click("btnCloseMDI");
    EXPECT_TRUE(Shown("gridFixed"));
    FreeLeftCards();
    EXPECT_EQ(DlgChamp, nullptr);
}

// A real season in place of the sample, brought in as an update brings it.
class TDlgChampRealDataTest : public TDlgChampTest {
protected:
    void SetUp() override
    {
        if (SharedDataFolder().empty())
            GTEST_SKIP() << NoSharedDataMessage();
    }

    // The card of the 2018-19 Premier League.
    TDlgChamp& OpenPremierLeague2018()
    {
        const SeasonRun run = ReplaceSampleBySeasons({"openfootball-football-json/2018-19/en.1.json"});
        return OpenFromView(run.champs.begin()->second, run.seasons.begin()->second);
    }
};

TEST_F(TDlgChampRealDataTest, PremierLeague2018CrossTableAndSeasonRow)
{
    TDlgChamp& card = OpenPremierLeague2018();
    ShowPage(card.tabChess);
    TJXGrid* cross = card.gridChess;
    ASSERT_EQ(cross->RowCount(), 21);
    const int liverpool = RowOf(cross, 1, "Liverpool FC");
    const int city = RowOf(cross, 1, "Manchester City");
    EXPECT_EQ(cross->Cell(liverpool, city + 1), "0:0");
    EXPECT_EQ(cross->GetCellsProperty(liverpool, city + 1).FontColor, 0x008000u);
    EXPECT_EQ(cross->Cell(city, liverpool + 1), "2:1");
    EXPECT_EQ(cross->GetCellsProperty(city, liverpool + 1).FontColor, 0xFF0000u);

    ShowPage(card.tabStatsSeasons);
    TJXGrid* grid = card.tabStatsSeasons->gridStatsSeasons;
    ASSERT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cell(1, 2), "380");
    EXPECT_EQ(grid->Cell(1, 3), "48%-19%-34%");
    EXPECT_EQ(grid->Cell(1, 4), "46%-54%");
    EXPECT_EQ(grid->Cell(1, 9), "1.57");
    EXPECT_EQ(grid->Cell(1, 10), "1.25");
}

}  // namespace
