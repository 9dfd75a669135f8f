#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>

#include <map>
#include <set>

#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "mainwindowfixture.h"
#include "textfit.h"
#include "ui/cardform.h"
#include "ui/dlgabout.h"
#include "ui/dlgchamp.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"
#include "ui/dlgsupport.h"
#include "ui/dlgtoday.h"
#include "ui/todaynextpage.h"
#include "ui/todayseriespage.h"
#include "update/dlgupdate.h"

namespace {

// Every caption of the windows, measured with the fonts' metrics at the windows'
// fixed sizes, in Russian and in English.
class TextsFitTest : public MainWindowFixture {
protected:
    static constexpr const char* Languages[] = {"ru", "en"};

    // The newest league season of 380 matches, the longest figures of the summary strip.
    std::pair<int, int> FullLeagueSeason()
    {
        const Rows rows = Select("SELECT TOP 1 F.ChampID, F.SeasonID FROM Fixed AS F INNER JOIN Champ AS C ON "
                                 "C.ChampID=F.ChampID WHERE C.TypeID=1 AND C.ChampID>0 GROUP BY F.ChampID, "
                                 "F.SeasonID HAVING Count(*)=380 ORDER BY F.SeasonID DESC, F.ChampID");
        EXPECT_EQ(rows.size(), 1u) << "the sample has no league of 20 teams";
        return rows.empty() ? std::pair(0, 0) : std::pair(std::stoi(rows[0][0]), std::stoi(rows[0][1]));
    }

    // Checks the window on every page of its page control.
    static void ExpectSoundOnEveryPage(QWidget& window, const char* pagesName = "PageControl1")
    {
        ExpectSoundPages(window, window.findChild<QTabWidget*>(pagesName));
    }
};

TEST_F(TextsFitTest, MainAndFilterWindowsInBothLanguages)
{
    const auto [champ, season] = FullLeagueSeason();
    // The head-to-head view of the newest match is of two clubs with long names.
    const Match newest = Matches("F.ChampID=" + std::to_string(champ) + " AND F.SeasonID=" + std::to_string(season) +
                                 " ORDER BY F.Date DESC, F.Team1ID")
                                 .front();
    Exec("UPDATE Team SET Name='Спартак-Нальчик Нальчик' WHERE TeamID=" + std::to_string(newest.team1));
    Exec("UPDATE Team SET Name='Borussia Mönchengladbach' WHERE TeamID=" + std::to_string(newest.team2));
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    ASSERT_EQ(ListedMatches(), 380u);
    for (const char* language : Languages) {
        SCOPED_TRACE(language);
        DBSetting::Global()->WriteString("Lang", language);
        Main().ApplyLanguage();
        Main().Refresh();
        // The match panel's score stands on the head-to-head button, as laid out: captions only.
        for (const CutText& cut : CutTexts(Main()))
            ADD_FAILURE() << "tournament view: " << cut;

        DoubleClickCell(1, ScoreColumn);
        ASSERT_EQ(Main().GetFilter()->GetMode(), FilterMode::Pair);
        for (const CutText& cut : CutTexts(Main()))
            ADD_FAILURE() << "two-team view: " << cut;
        Click("btnNFilter");
        ExpectSoundLayout(Filter());
        Filter().hide();
        Click("btnNBack");
    }
}

TEST_F(TextsFitTest, UpdateDialogAndItsStepLinesInBothLanguages)
{
    for (const char* language : Languages) {
        SCOPED_TRACE(language);
        DBSetting::Global()->WriteString("Lang", language);
        DBSetting::Global()->LoadLanguage();
        TDlgUpdate dialog;
        ExpectSoundOnEveryPage(dialog);
        if (language == std::string("en"))
            ExpectNoRussianLeft(dialog);

        // Each step line ends on its own line with its verdict, "ERR" being the wider; so
        // does the count of rejected statements.
        auto* memo = dialog.findChild<QPlainTextEdit*>("txtInfo");
        ASSERT_NE(memo, nullptr);
        const std::pair<const char*, int> steps[] = {{"1", 1052}, {"2", 1053}, {"3", 1055},
                                                     {"4", 1056}, {"5", 1402}, {"6", 1057}};
        QStringList lines;
        for (const auto& [step, text] : steps)
            lines << QString("%1. %2... ERR").arg(step, QString::fromStdString(DBSetting::Global()->GetLangText(text)));
        lines << QString::fromStdString(DBSetting::Global()->GetLangText(1064) + ": 99999");
        memo->setPlainText(lines.join('\n'));
        QTextDocument* document = memo->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            document->documentLayout()->blockBoundingRect(block);
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
        }
    }
}

TEST_F(TextsFitTest, SupportAndAboutWindowsInBothLanguages)
{
    Exec("UPDATE Version SET UpdateNum='12345', UpdateDate='31.12.2099'");
    for (const char* language : Languages) {
        SCOPED_TRACE(language);
        DBSetting::Global()->WriteString("Lang", language);
        DBSetting::Global()->LoadLanguage();
        TDlgSupport support;
        ExpectSoundOnEveryPage(support);
        if (language == std::string("en"))
            ExpectNoRussianLeft(support);
        TDlgAbout about;
        ExpectSoundOnEveryPage(about);
    }
}

TEST_F(TextsFitTest, PickersAndTheNearestMatchesWindowOnEveryPageInBothLanguages)
{
    const auto [champ, season] = FullLeagueSeason();
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    for (const char* language : Languages) {
        SCOPED_TRACE(language);
        DBSetting::Global()->WriteString("Lang", language);
        Main().ApplyLanguage();
        for (const char* picker : {"btnChampionat", "btnTeam", "btnFixed"})
            InModalDialog(picker, [&](QWidget& dialog) {
                ExpectSoundLayout(dialog);
                if (language == std::string("en"))
                    ExpectNoRussianLeft(dialog);
            });
        // The streak page shows other controls while its table waits for a rebuild.
        for (const char* updateSeries : {"0", "1"}) {
            Exec(std::string("UPDATE Version SET UpdateSeries=") + updateSeries);
            InModalDialog("btnToday", [](QWidget& dialog) { ExpectSoundOnEveryPage(dialog, "page1"); });
        }
    }
}

// A round cell reads the stage's name and the round ("Round 25"), or the name alone for a
// stage without rounds; centred, it must stand clear of its cell's frame lines.
TEST_F(TextsFitTest, RoundTextsOfTheSampleFitTheRoundColumnsOfTheListsAndCalendars)
{
    std::set<std::string> texts;
    for (const char* table : {"Fixed", "Calendar"})
        for (const auto& row : Select(std::string("SELECT DISTINCT R.Name, M.Tur FROM ") + table +
                                      " AS M INNER JOIN Round AS R ON R.RoundID=M.RoundID"))
            texts.insert(std::stoi(row[1]) >= 1 ? row[0] + " " + row[1] : row[0]);
    ASSERT_GT(texts.size(), 40u);

    // The round columns: the main list's share, the calendars' and the day list's 80 pixels,
    // the share of the streak page's next match.
    const auto [champ, season] = FullLeagueSeason();
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    const int mainRound = 5;
    ASSERT_EQ(Grid()->Cell(0, mainRound), Lang(1027));
    std::map<std::string, int> widths = {{"main list", Grid()->ColWidth(mainRound)}};
    InModalDialog("btnToday", [&](QWidget& dialog) {
        auto& today = static_cast<TDlgToday&>(dialog);
        widths["day list"] = today.tabNext->grid->ColWidth(2);
        today.page1->setCurrentWidget(today.tabSeries);
        widths["next match"] = today.tabSeries->gridNextFixed->ColWidth(3);
    });
    Click("btnNTeamChamp");
    ASSERT_NE(DlgChamp, nullptr);
    DlgChamp->page1->setCurrentWidget(DlgChamp->tabCalendar);
    widths["calendar"] = DlgChamp->gridCalendar->ColWidth(4);

    const QFontMetrics metrics(TJXGrid::TextFont(false));
    for (const auto& [grid, width] : widths) {
        ASSERT_GE(width, 70) << grid;
        // A frame line on each side, the gap at the right, and a pixel of room on each side.
        for (const std::string& text : texts)
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)) + 5, width) << grid << ": " << text;
    }
}

}  // namespace
