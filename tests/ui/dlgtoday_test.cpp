#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "data/codes.h"
#include "data/dbconnect.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "immutablefile.h"
#include "localeguard.h"
#include "mainwindowfixture.h"
#include "platform/sysutils.h"
#include "platform/tprogressbar.h"
#include "sampledata/sampleids.h"
#include "sqlitefile.h"
#include "ui/dlgtoday.h"
#include "ui/todaylastpage.h"
#include "ui/todaynextpage.h"
#include "ui/todayseriespage.h"
#include "ui/todaystatspage.h"

namespace {

namespace fs = std::filesystem;

const int RussianLeague = SampleIds::League(SampleIds::Russia);
const int EnglishLeague = SampleIds::League(SampleIds::England);

// The nearest-matches window opened by the main window's button on the sample, whose
// coming matches start today.
class TDlgTodayTest : public MainWindowFixture {
protected:
    void SetUp() override { StartOnNewestLeague(); }

    // Runs act on the window while it is shown; closes it by its close box unless act did.
    void InToday(const std::function<void(TDlgToday&)>& act) { InDialog("btnToday", act); }

    static void ShowPage(TDlgToday& today, QWidget* page) { today.page1->setCurrentWidget(page); }
    static QDate Day(int fromToday) { return QDate(1899, 12, 30).addDays(static_cast<int>(Date()) + fromToday); }
    static std::string Id(int id) { return std::to_string(id); }
    std::string DayFile() const { return File("Predict/today_date.ini"); }
    static std::string DisplayName(int champID)
    {
        DBChamp champ;
        champ.OpenByID(champID);
        return champ.GetDisplayName();
    }
    // Column col of the grid's rows from row 1, as "a; b".
    static std::string Column(TJXGrid* grid, int col)
    {
        std::string cells;
        for (int row = 1; row < grid->RowCount(); ++row)
            cells += (row > 1 ? "; " : "") + grid->Cell(row, col);
        return cells;
    }
    static std::string Joined(const Rows& rows, const std::function<std::string(const std::vector<std::string>&)>& cell)
    {
        std::string cells;
        for (const auto& row : rows)
            cells += (cells.empty() ? "" : "; ") + cell(row);
        return cells;
    }
    // The team of a row of the streak list, shown as "name (country)".
    static int TeamOfRow(TJXGrid* grid, int row)
    {
        std::smatch parts;
        const std::string cell = grid->Cell(row, 0);
        if (!std::regex_match(cell, parts, std::regex(R"((.*) \((\w+)\))")))
            return 0;
        return std::stoi(Value("SELECT TeamID FROM Team WHERE Name='" +
                               std::regex_replace(parts[1].str(), std::regex("'"), "''") + "' AND NationalID='" +
                               parts[2].str() + "'"));
    }
    // The current and longest run "c(m)" of a streak list cell.
    static std::pair<int, int> Run(const std::string& cell)
    {
        std::smatch parts;
        if (!std::regex_match(cell, parts, std::regex(R"((\d+)\((\d+)\))")))
            return {-1, -1};
        return {std::stoi(parts[1]), std::stoi(parts[2])};
    }
    static bool Shown(QWidget* control) { return control->isVisibleTo(control->window()); }
};

TEST_F(TDlgTodayTest, DayFileGivesTheDayShownAndTodayForAnythingElse)
{
    const std::pair<const char*, QDate> cases[] = {{nullptr, Day(0)},
                                                   {"05\r\n03\r\n2019\r\n", QDate(2019, 3, 5)},
                                                   {"05\r\n03\r\n", Day(0)},
                                                   {"xx\r\n03\r\n2019\r\n", Day(0)},
                                                   {"30\r\n02\r\n2019\r\n", Day(0)}};
    for (const auto& [content, shown] : cases) {
        SCOPED_TRACE(content ? content : "no file");
        fs::remove(DayFile());
        if (content)
            WriteFile(DayFile(), content);
        InToday([&](TDlgToday& today) { EXPECT_EQ(today.tabNext->dataToday->date(), shown); });
    }

    // The folder is made again when it is missing.
    InToday([&](TDlgToday& today) {
        fs::remove_all(File("Predict"));
        today.tabNext->dataToday->setDate(QDate(2019, 3, 5));
    });
    EXPECT_EQ(ReadFile(DayFile()), "05\r\n03\r\n2019\r\n");

    // A day file that cannot be written is logged; the window goes all the same.
    fs::remove_all(File("Predict"));
    WriteFile(File("Predict"), "a file where the folder should be");
    InToday([](TDlgToday&) {});
    ASSERT_FALSE(LogTexts().empty());
    EXPECT_NE(LogTexts().back().find("TDlgToday::FormDestroy"), std::string::npos) << LogTexts().back();
}

TEST_F(TDlgTodayTest, DayListHasTheFavouritesPlayingThatDayAndTheRememberedOneShowsItsMatches)
{
    const int day = static_cast<int>(Date());
    std::string playing;
    for (const auto& row : Select("SELECT ChampID FROM Champ WHERE Fav=True AND ChampID IN (SELECT ChampID FROM "
                                  "Calendar WHERE [Date]=" + Id(day) + ") ORDER BY SortName"))
        playing += (playing.empty() ? "" : "; ") + DisplayName(std::stoi(row[0]));
    ASSERT_FALSE(playing.empty()) << "the sample plays today";
    const Rows matches = Select(
            "SELECT T1.Name, T2.Name, R.Name, C.Tur FROM ((Calendar AS C INNER JOIN Team AS T1 ON "
            "T1.TeamID=C.Team1ID) INNER JOIN Team AS T2 ON T2.TeamID=C.Team2ID) INNER JOIN Round AS R ON "
            "R.RoundID=C.RoundID WHERE C.ChampID=" + Id(RussianLeague) + " AND C.[Date]=" + Id(day) +
            " ORDER BY C.Team1ID, C.Tur");
    ExecSetting("UPDATE FormData SET [Value]='" + DisplayName(RussianLeague) +
                "' WHERE FormName='DlgToday' AND ControlIndex=0");

    InToday([&](TDlgToday& today) {
        TTodayNextPage& page = *today.tabNext;
        EXPECT_EQ(Items(page.lstChamp), playing);
        ASSERT_NE(page.lstChamp->currentItem(), nullptr);
        EXPECT_EQ(page.lstChamp->currentItem()->text().toStdString(), DisplayName(RussianLeague));
        EXPECT_EQ(Column(page.grid, 0), Joined(matches, [&](auto&) { return DateToStr(day); }));
        EXPECT_EQ(Column(page.grid, 1), Joined(matches, [](auto& m) { return m[0] + " - " + m[1]; }));
        EXPECT_EQ(Column(page.grid, 2), Joined(matches, [](auto& m) { return m[2] + " " + m[3]; }));

        // The tournament clicked is the one chosen again when the day changes.
        ASSERT_GE(page.lstChamp->count(), 2);
        const int otherRow = page.lstChamp->currentRow() == 0 ? 1 : 0;
        const std::string other = page.lstChamp->item(otherRow)->text().toStdString();
        ClickListItem(page.lstChamp, other);
        page.dataToday->setDate(Day(-365));
        page.dataToday->setDate(Day(0));
        ASSERT_NE(page.lstChamp->currentItem(), nullptr);
        EXPECT_EQ(page.lstChamp->currentItem()->text().toStdString(), other);
        ClickListItem(page.lstChamp, DisplayName(RussianLeague));
        {
            // The date literal is month/day/year whatever the user's date format.
            LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
            page.dataToday->setDate(Day(1));
            page.dataToday->setDate(Day(0));
            EXPECT_EQ(Items(page.lstChamp), playing);
            EXPECT_EQ(page.DayText(), Day(0).toString("MM/dd/yyyy").toStdString());
        }

        // A day a year back has no coming match: neither tournaments nor matches of another day.
        page.dataToday->setDate(Day(-365));
        EXPECT_EQ(page.lstChamp->count(), 0);
        EXPECT_EQ(page.grid->RowCount(), 2);
        EXPECT_EQ(Column(page.grid, 1), "");
        QTest::mouseDClick(page.grid->viewport(), Qt::LeftButton, {}, page.grid->CellRect(1, 1).center());
        EXPECT_TRUE(today.isVisible()) << "no match to hand back";

        page.dataToday->setDate(Day(0));
        DoubleClickCell(2, 1, page.grid);
        EXPECT_FALSE(today.isVisible());
        EXPECT_EQ(today.Tag(), 1);
    });
    const std::string home = matches[1][0];
    const std::string away = matches[1][1];
    EXPECT_EQ(CurrentView().substr(0, 2), "3 ");
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Text("lblNTeamRival"), away);
}

TEST_F(TDlgTodayTest, HiddenModelListAndDayBoxesKeepTheirSettings)
{
    for (const char* model : {"ver200", "ver100"})
        WriteFile(File("Predict/" + std::string(model) + ".prd"), "13:1286:6;");
    DBSetting* setting = DBSetting::Global();
    setting->WriteString("PredictFileName", "ver200");
    setting->WriteInteger("TodayDays", 3);
    setting->WriteInteger("TodayDaysMinus", 0);
    InToday([&](TDlgToday& today) {
        TTodayNextPage& page = *today.tabNext;
        ASSERT_EQ(page.cboPredict->count(), 2);
        EXPECT_EQ(page.cboPredict->itemText(0), "ver100");
        EXPECT_EQ(page.cboPredict->currentText(), "ver200");
        ChooseItem(page.cboPredict, "ver100");
        EXPECT_EQ(setting->ReadString("PredictFileName"), "ver100");
        EXPECT_EQ(page.txtTodayDays->text(), "3");
        QTest::mouseClick(page.udTodayDays->UpButton(), Qt::LeftButton);
        QTest::mouseClick(page.udTodayDaysMinus->DownButton(), Qt::LeftButton);
        EXPECT_EQ(page.txtTodayDays->text(), "4");
        EXPECT_EQ(page.txtTodayDaysMinus->text(), "-1");
    });
    EXPECT_EQ(setting->ReadInteger("TodayDays"), 4);
    EXPECT_EQ(setting->ReadInteger("TodayDaysMinus"), -1);
}

TEST_F(TDlgTodayTest, LastMatchesOfOneThreeAndSevenDaysInAllFavouritesOrInOne)
{
    // The newest played matches were yesterday.
    const int today = static_cast<int>(Date());
    Exec("UPDATE Fixed SET [Date]=[Date]+" + Id(today - 1 - std::stoi(Value("SELECT MAX([Date]) FROM Fixed"))));
    const auto expected = [&](int days, int champ) {
        return Joined(Select("SELECT T1.Name, T2.Name FROM ((Fixed AS F INNER JOIN Champ AS C ON C.ChampID=F.ChampID) "
                             "INNER JOIN Team AS T1 ON T1.TeamID=F.Team1ID) INNER JOIN Team AS T2 ON "
                             "T2.TeamID=F.Team2ID WHERE C.Fav=True AND F.[Date]>=" + Id(today - days) +
                             (champ ? " AND F.ChampID=" + Id(champ) : "") + " ORDER BY F.[Date] DESC, C.SortName, F.Team1ID"),
                      [](auto& m) { return m[0] + " - " + m[1]; });
    };
    const auto shown = [](TJXGrid* grid) {
        std::string rows;
        for (int row = 1; row < grid->RowCount() && !grid->Cell(row, HomeColumn).empty(); ++row)
            rows += (row > 1 ? "; " : "") + grid->Cell(row, HomeColumn) + " - " + grid->Cell(row, AwayColumn);
        return rows;
    };
    ExecSetting("UPDATE FormData SET [Value]='7' WHERE FormName='DlgToday' AND ControlIndex=5");
    InToday([&](TDlgToday& today) {
        TTodayLastPage& page = *today.tabLastFixed;
        ShowPage(today, &page);
        EXPECT_EQ(page.cboDays->currentIndex(), -1);
        EXPECT_EQ(shown(page.gridLastFixed), expected(1, 0)) << "an item index without an item is one day";
        const std::pair<const char*, int> champs[] = {{"All tournaments", 0}, {"Premier League", EnglishLeague}};
        const int periods[] = {1, 3, 7};
        for (const auto& [champText, champ] : champs)
            for (int item = 0; item < 3; ++item) {
                SCOPED_TRACE(std::string(champText) + ", " + Id(periods[item]) + " days");
                ChooseItem(page.cboChampLast, champText);
                page.cboDays->setCurrentIndex(item);
                emit page.cboDays->activated(item);
                EXPECT_FALSE(expected(periods[item], champ).empty());
                EXPECT_EQ(shown(page.gridLastFixed), expected(periods[item], champ));
            }
        DoubleClickCell(1, HomeColumn, page.gridLastFixed);
        EXPECT_FALSE(today.isVisible());
    });
    const Match newest = Matches("F.ChampID=" + Id(EnglishLeague) + " ORDER BY F.[Date] DESC, F.Team1ID").front();
    EXPECT_EQ(CurrentView(), "2 0 0 " + Id(EnglishLeague) + " " + Id(newest.season));
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText().toStdString(),
              Name("Season", "SeasonID", newest.season));
}

TEST_F(TDlgTodayTest, StreakListOrdersByTheChosenKindSideAndRunAndShowsTheClubsNextMatch)
{
    int international = 0;
    InToday([&](TDlgToday& today) {
        TTodaySeriesPage& page = *today.tabSeries;
        ShowPage(today, &page);
        TJXGrid* list = page.gridAllSeries;
        const QRadioButton* const kinds[] = {page.btnWin,    page.btnDraw,      page.btnLose,    page.btnNoWin,
                                             page.btnNoDraw, page.btnNoLose,    page.btnUnder,   page.btnOver,
                                             page.btnWithScore, page.btnNoScore, page.btnWithMiss, page.btnNoMiss,
                                             page.btn00};
        for (QCheckBox* byMax : {static_cast<QCheckBox*>(nullptr), page.chkMax}) {
            if (byMax)
                QTest::mouseClick(byMax, Qt::LeftButton);
            for (int kind = SeriesKind::Count - 1; kind >= 0; --kind) {
                SCOPED_TRACE("kind " + Id(kind) + (byMax ? " by the longest run" : ""));
                QTest::mouseClick(const_cast<QRadioButton*>(kinds[kind]), Qt::LeftButton);
                ASSERT_GT(list->RowCount(), 2);
                for (int row = 2; row < list->RowCount(); ++row) {
                    const auto [cur, max] = Run(list->Cell(row, kind + 2));
                    const auto [previousCur, previousMax] = Run(list->Cell(row - 1, kind + 2));
                    ASSERT_LE(byMax ? max : cur, byMax ? previousMax : previousCur) << "row " << row;
                }
            }
        }
        page.btnFieldHome->click();
        EXPECT_EQ(list->RowCount() - 1, std::stoi(Value("SELECT COUNT(*) FROM Series WHERE Field=1")));

        // The next match of a league club, and of a club whose next match is international.
        const int league = TeamOfRow(list, 3);
        international = std::stoi(
                Value("SELECT TOP 1 C.Team1ID FROM Calendar AS C INNER JOIN Series AS S ON S.TeamID=C.Team1ID "
                      "WHERE C.ChampID=" + Id(SampleIds::EuroCup) + " AND S.Field=1 ORDER BY C.Team1ID"));
        Exec("DELETE FROM Calendar WHERE ChampID<>" + Id(SampleIds::EuroCup) + " AND (Team1ID=" + Id(international) +
             " OR Team2ID=" + Id(international) + ")");
        for (const int team : {league, international}) {
            SCOPED_TRACE("team " + Id(team));
            int row = 1;
            while (row < list->RowCount() && TeamOfRow(list, row) != team)
                ++row;
            ASSERT_LT(row, list->RowCount());
            list->SetRow(row);
            const Rows next = Select("SELECT TOP 1 T1.Name, T2.Name, Ch.NationalID, Ch.Name FROM ((Calendar AS C INNER "
                                     "JOIN Team AS T1 ON T1.TeamID=C.Team1ID) INNER JOIN Team AS T2 ON "
                                     "T2.TeamID=C.Team2ID) INNER JOIN Champ AS Ch ON Ch.ChampID=C.ChampID WHERE "
                                     "(C.Team1ID=" + Id(team) + " OR C.Team2ID=" + Id(team) + ") AND C.[Date]>=" +
                                     Id(static_cast<int>(Date())) + " ORDER BY C.[Date]");
            ASSERT_EQ(next.size(), 1u);
            EXPECT_EQ(page.gridNextFixed->Cell(1, 2), next[0][0] + " - " + next[0][1]);
            EXPECT_EQ(page.gridNextFixed->Cell(1, 1),
                      team == international ? next[0][3] : next[0][2] + ". " + next[0][3]);
        }
        DoubleClickCell(list->Row(), 0, list);
        EXPECT_FALSE(today.isVisible());
    });
    EXPECT_EQ(CurrentView(), "1 " + Id(international) + " 0 0 " + Id(DBSeason::GetLastSeasonOfTeam(international)));
    EXPECT_EQ(Text("lblNTeamChamp"), Name("Team", "TeamID", international));
}

TEST_F(TDlgTodayTest, RecomputeAtAnotherTotalLineRebuildsTheStreaksAndAStaleTableOffersOnlyTheRebuild)
{
    const int team = std::stoi(Value("SELECT TOP 1 TeamID FROM Series WHERE Field=0 ORDER BY TeamID"));
    const auto runs = [&](double line) {
        int over = 0, under = 0, maxOver = 0, maxUnder = 0;
        for (const auto& match : Select("SELECT R.Gol1+R.Gol2 FROM TeamResults AS R INNER JOIN Champ AS C ON "
                                        "C.ChampID=R.ChampID WHERE C.Fav=True AND R.TeamID=" + Id(team) +
                                        " ORDER BY R.[Date]")) {
            const int goals = std::stoi(match[0]);
            over = goals > line ? over + 1 : 0;
            under = goals < line ? under + 1 : 0;
            maxOver = std::max(maxOver, over);
            maxUnder = std::max(maxUnder, under);
        }
        return Joined({{Id(over), Id(maxOver), Id(under), Id(maxUnder)}}, [](auto& r) {
            return r[0] + " " + r[1] + " " + r[2] + " " + r[3];
        });
    };
    const auto stored = [&] {
        return Joined(Select("SELECT CurOver, MaxOver, CurUnder, MaxUnder FROM Series WHERE Field=0 AND TeamID=" +
                             Id(team)),
                      [](auto& r) { return r[0] + " " + r[1] + " " + r[2] + " " + r[3]; });
    };
    ASSERT_EQ(stored(), runs(2.5));

    InToday([&](TDlgToday& today) {
        TTodaySeriesPage& page = *today.tabSeries;
        ShowPage(today, &page);
        EXPECT_EQ(page.cboTotal->currentText().toStdString(), FloatToStr(2.5));
        ChooseItem(page.cboTotal, FloatToStr(3.5));
        QTest::mouseClick(page.btnEnter, Qt::LeftButton);
        EXPECT_TRUE(Shown(page.btnEnter));
        EXPECT_FALSE(Shown(page.btnUpdateSeries));
        EXPECT_EQ(page.cboTotal->currentIndex(), 3);
    });
    EXPECT_EQ(stored(), runs(3.5));
    EXPECT_EQ(SettingValue("SELECT [Value] FROM FormData WHERE FormName='DlgToday' AND ControlIndex=7"), "3");
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "False");

    // An interrupted recompute leaves the flag set: the page then offers only the rebuild.
    Exec("UPDATE Version SET UpdateSeries=1");
    Exec("DELETE FROM Series");
    InToday([&](TDlgToday& today) {
        TTodaySeriesPage& page = *today.tabSeries;
        ShowPage(today, &page);
        for (QWidget* control : std::initializer_list<QWidget*>{page.btnUpdateSeries, page.bar})
            EXPECT_TRUE(Shown(control)) << control->objectName().toStdString();
        for (QWidget* control : std::initializer_list<QWidget*>{page.chkMax, page.gb1, page.gb2, page.cboTotal,
                                                                page.lblTotal, page.btnEnter})
            EXPECT_FALSE(Shown(control)) << control->objectName().toStdString();

        // Closing while the rebuild runs is refused, and neither button can start another.
        bool enabled = true;
        QTimer::singleShot(0, [&] {
            enabled = page.btnUpdateSeries->isEnabled() || page.btnEnter->isEnabled();
            today.close();
        });
        QTest::mouseClick(page.btnUpdateSeries, Qt::LeftButton);
        EXPECT_FALSE(enabled);
        EXPECT_TRUE(today.isVisible());
        EXPECT_TRUE(Shown(page.btnEnter));
        EXPECT_EQ(page.bar->value(), 100);
    });
    EXPECT_EQ(stored(), runs(3.5));
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "False");
    EXPECT_TRUE(Messages().empty());
}

// The window cannot close while the streaks are rebuilt: a view added then would wait unseen.
TEST_F(TDlgTodayTest, DoubleClicksOfEveryPageAddNoViewWhileTheStreaksAreRebuilt)
{
    const std::string history = History();
    InToday([&](TDlgToday& today) {
        TTodaySeriesPage& series = *today.tabSeries;
        ShowPage(today, &series);
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            EXPECT_FALSE(series.gridNextFixed->Cell(1, 2).empty()) << "a coming match to click";
            DoubleClickCell(1, 0, series.gridAllSeries);
            DoubleClickCell(1, 2, series.gridNextFixed);
            ShowPage(today, today.tabStatsChamp);
            DoubleClickCell(1, 1, today.tabStatsChamp->gridStatsChamp);
        });
        QTest::mouseClick(series.btnEnter, Qt::LeftButton);
        EXPECT_TRUE(ran) << "the rebuild let no message through";
        EXPECT_TRUE(today.isVisible());
        EXPECT_EQ(today.Tag(), 0);
        EXPECT_EQ(History(), history);

        ShowPage(today, &series);
        DoubleClickCell(1, 0, series.gridAllSeries);
        EXPECT_FALSE(today.isVisible()) << "the rebuild over, a double click adds its view";
    });
    EXPECT_NE(History(), history);
}

TEST_F(TDlgTodayTest, FailingRebuildIsReportedKeepsThePreviousStreaksAndClearsTheFlag)
{
    const std::string before = Value("SELECT COUNT(*) FROM Series") + " " + Value("SELECT SUM(MaxWin) FROM Series");
    ASSERT_NE(before.substr(0, 2), "0 ");
    Exec("UPDATE Version SET UpdateSeries=1");
    RunSqlite(File("data.mdb"), "ALTER TABLE TeamResults RENAME TO TeamResultsAside");
    InToday([&](TDlgToday& today) {
        ShowPage(today, today.tabSeries);
        QTest::mouseClick(today.tabSeries->btnUpdateSeries, Qt::LeftButton);
        EXPECT_TRUE(Shown(today.tabSeries->btnEnter)) << "the flag is cleared all the same";
    });
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Error update series");
    EXPECT_EQ(Messages()[0].caption, "Info");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Series") + " " + Value("SELECT SUM(MaxWin) FROM Series"), before);
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "False");
}

TEST_F(TDlgTodayTest, RebuildOnAReadOnlyDataFileIsReportedAndWritesNothing)
{
    Exec("UPDATE Version SET UpdateSeries=1");
    TADOConnection* connection = DBConnect::GetData()->GetConnection();
    connection->Close();  // reopened read-only on the next use
    const auto data = [this] { return ReadFile(File("data.mdb")) + ReadFile(File("data.mdb-wal")); };
    const std::string before = data();
    {
        const ImmutableFile immutable(File("data.mdb"));
        if (!immutable.Applied())
            GTEST_SKIP() << ImmutableFile::NotAvailable;
        InToday([&](TDlgToday& today) {
            ShowPage(today, today.tabSeries);
            QTest::mouseClick(today.tabSeries->btnUpdateSeries, Qt::LeftButton);
        });
        connection->Close();
    }
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Error update series");
    EXPECT_TRUE(data() == before) << "the database was written to";
    const Lines log = LogTexts();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
        return line.starts_with("[WARNING] DBUpdateView::RebuildSeries attempt to write a readonly database");
    }));
}

TEST_F(TDlgTodayTest, StatisticsSortByEachButtonAndTheRowOfEverySeasonOpensTheNewestSeason)
{
    // The sort buttons with the column of their figure and its place in the cell.
    struct Sort {
        const char* button;
        int column;
        int figure;
    };
    const Sort sorts[] = {{"btnChampWin", 3, 0},   {"btnChampDraw", 3, 1},   {"btnChampLose", 3, 2},
                          {"btnChampOver", 4, 1},  {"btnChampUnder", 4, 0},  {"btnChampAGoal1", 9, 0},
                          {"btnChampAGoal2", 10, 0}};
    const std::string newest = Value("SELECT TOP 1 Name FROM Season WHERE SeasonID>0 ORDER BY NameYear DESC");
    InToday([&](TDlgToday& today) {
        TTodayStatsPage& page = *today.tabStatsChamp;
        ShowPage(today, &page);
        EXPECT_EQ(page.cboStatsChamp->currentText().toStdString(), newest);
        TJXGrid* grid = page.gridStatsChamp;
        const auto figure = [&](int row, const Sort& sort) {
            const QStringList figures = QString::fromStdString(grid->Cell(row, sort.column)).remove('%').split('-');
            return figures.value(sort.figure).toDouble();
        };
        for (const Sort& sort : sorts) {
            SCOPED_TRACE(sort.button);
            QTest::mouseClick(today.findChild<QRadioButton*>(sort.button), Qt::LeftButton);
            ASSERT_GT(grid->RowCount(), 3);
            for (int row = 2; row < grid->RowCount(); ++row)
                EXPECT_LE(figure(row, sort), figure(row - 1, sort)) << "row " << row;
        }
        QTest::mouseClick(page.btnChampName, Qt::LeftButton);
        const Rows byName = Select("SELECT NationalID, Name FROM Champ WHERE Fav=True AND ChampID IN (SELECT ChampID "
                                   "FROM Stats WHERE SeasonID=" + Value("SELECT MAX(SeasonID) FROM Season") +
                                   ") ORDER BY SortName");
        EXPECT_EQ(Column(grid, 1), Joined(byName, [](auto& c) { return c[0] + ". " + c[1]; }));

        ChooseItem(page.cboStatsChamp, Name("Season", "SeasonID", 0));
        DoubleClickCell(1, 1, grid);
        EXPECT_FALSE(today.isVisible());
    });
    EXPECT_EQ(CurrentView(), "2 0 0 " + Id(SampleIds::EuroCup) + " " + Id(DBSeason::GetMaxSeasonID()));
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText().toStdString(), newest);
}

TEST_F(TDlgTodayTest, CloseBoxHandsNothingBackAndReopeningRestoresTheChoices)
{
    const std::string history = History();
    const std::string league = DisplayName(RussianLeague);
    InToday([&](TDlgToday& today) {
        ClickListItem(today.tabNext->lstChamp, league);
        today.tabNext->txtTodayDays->setText("abc");
        ShowPage(today, today.tabLastFixed);
        ChooseItem(today.tabLastFixed->cboDays, today.tabLastFixed->cboDays->itemText(2).toStdString());
        ChooseItem(today.tabLastFixed->cboChampLast, "Premier League");
        TTodaySeriesPage& series = *today.tabSeries;
        ShowPage(today, &series);
        QTest::mouseClick(series.btnFieldAway, Qt::LeftButton);
        QTest::mouseClick(series.chkMax, Qt::LeftButton);
        QTest::mouseClick(series.btnNoLose, Qt::LeftButton);
        ClickCell(4, 0, series.gridAllSeries);
        today.close();
        EXPECT_EQ(today.Tag(), 0);
    });
    EXPECT_EQ(History(), history);
    EXPECT_EQ(DBSetting::Global()->ReadInteger("TodayDays"), 7);

    InToday([&](TDlgToday& today) {
        ASSERT_NE(today.tabNext->lstChamp->currentItem(), nullptr);
        EXPECT_EQ(today.tabNext->lstChamp->currentItem()->text().toStdString(), league);
        EXPECT_EQ(today.tabNext->txtTodayDays->text(), "7");
        EXPECT_EQ(today.tabLastFixed->cboDays->currentIndex(), 2);
        EXPECT_EQ(today.tabLastFixed->cboChampLast->currentText(), "Premier League");
        TTodaySeriesPage& series = *today.tabSeries;
        ShowPage(today, &series);
        EXPECT_TRUE(series.btnFieldAway->isChecked());
        EXPECT_TRUE(series.chkMax->isChecked());
        EXPECT_TRUE(series.btnNoLose->isChecked());
        EXPECT_EQ(series.gridAllSeries->Row(), 4);
    });
}

TEST_F(TDlgTodayTest, RememberedValuesOutOfRangeGiveTheFirstChoices)
{
    for (const auto& [index, value] : {std::pair{1, "5"}, {4, "20"}, {7, "9"}, {8, "9999"}})
        ExecSetting("UPDATE FormData SET [Value]='" + std::string(value) + "' WHERE FormName='DlgToday' AND "
                    "ControlIndex=" + Id(index));
    InToday([&](TDlgToday& today) {
        TTodaySeriesPage& series = *today.tabSeries;
        ShowPage(today, &series);
        EXPECT_TRUE(series.btnFieldAll->isChecked());
        EXPECT_TRUE(series.btnWin->isChecked());
        EXPECT_EQ(series.cboTotal->currentIndex(), 0);
        EXPECT_EQ(series.gridAllSeries->Row(), 1);
    });
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
