#include "ui/dlgsetting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <functional>

#include "data/dbsetting.h"
#include "localeguard.h"
#include "mainwindowfixture.h"
#include "platform/codepage.h"
#include "platform/controltext.h"
#include "platform/shellopen.h"
#include "platform/tlabel.h"
#include "platform/tprogressbar.h"
#include "sqlitefile.h"
#include "tempfolder.h"
#include "ui/aboutpanel.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"

namespace {

namespace fs = std::filesystem;

// The settings dialog, opened by the main window's settings button on the sample.
class TDlgSettingTest : public MainWindowFixture {
protected:
    static DBSetting& Settings() { return *DBSetting::Global(); }
    static std::string Lang(int id) { return Settings().GetLangText(id); }

    void InSettings(const std::function<void(TDlgSetting&)>& act) { InDialog("btnSettings", act); }

    // A click near the left end, where a check box has its box.
    static void Press(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    static void Step(TUpDown* arrows, TUDBtnType button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Press(button == btNext ? arrows->UpButton() : arrows->DownButton());
    }
    // Every shown page laid out soundly; the about page stays shown.
    static void ExpectSoundPages(TDlgSetting& d)
    {
        MainWindowFixture::ExpectSoundPages(d, d.PageControl, {d.tabGeneral, d.tabAddition, d.tabSystem, d.tabAbout});
    }

    static std::string SettingsFile()
    {
        return ReadFile(std::getenv("XDG_CONFIG_HOME") + std::string("/Tarvik/Kovral.conf"));
    }
    std::string ButtonText(const char* name) { return Control<QAbstractButton>(name)->text().trimmed().toStdString(); }
};

TEST_F(TDlgSettingTest, OkWithoutAChangeAndCancelAfterChangesWriteNothingButTheMainWindowReloadsItsTexts)
{
    Start();
    const std::string before = SettingsFile();
    const auto remembered = [] {
        return std::pair{SelectSetting("SELECT * FROM FormData ORDER BY FormName, ControlIndex"),
                         SelectSetting("SELECT * FROM FormSetting ORDER BY FormName")};
    };
    const auto rememberedBefore = remembered();
    // A new text in the language file shows only when the main window reloads it.
    std::ofstream(File("Lang/ru.lng"), std::ios::app) << Utf8ToCp1251("\r\n1001=Клубы\r\n");
    InSettings([&](TDlgSetting& dialog) {
        Press(dialog.btnOK);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Tag(), 0);
    });
    EXPECT_EQ(SettingsFile(), before);
    EXPECT_EQ(ButtonText("btnTeam"), "Клубы");

    // Every kind of control changed, then Cancel.
    InSettings([&](TDlgSetting& d) {
        ChooseItem(d.cboLang, "en");
        Press(d.chkSaveHistory);
        d.PageControl->setCurrentWidget(d.tabAddition);
        ChooseItem(d.cboSeason, Value("SELECT Name FROM Season WHERE SeasonID=2"));
        Step(d.udFavNext, btNext);
        Step(d.upHandicap, btNext);
        d.PageControl->setCurrentWidget(d.tabSystem);
        Press(d.chkProxy);
        QTest::keyClicks(d.txtProxy, "proxy.local");
        ChooseItem(d.cboServer, Lang(1251));
        ASSERT_TRUE(d.btnApply->isEnabled());
        Press(d.btnCancel);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.Tag(), 0);
    });
    EXPECT_EQ(SettingsFile(), before);
    EXPECT_EQ(remembered(), rememberedBefore);
    EXPECT_EQ(ButtonText("btnTeam"), "Клубы");
}

TEST_F(TDlgSettingTest, ReturnInAnEditNeitherSavesNorCloses)
{
    Settings().WriteString("ProxyAddress", "proxy.local");
    Start();
    const std::string before = SettingsFile();
    InSettings([&](TDlgSetting& d) {
        d.PageControl->setCurrentWidget(d.tabSystem);
        QTest::keyClicks(d.txtProxy, "2");
        QTest::keyClick(d.txtProxy, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        Press(d.btnCancel);
    });
    EXPECT_EQ(SettingsFile(), before);
}

TEST_F(TDlgSettingTest, ControlsShowTheSettingsAndApplyWritesTheChangesBack)
{
    // Booleans are stored as the integers 0 and 1.
    const std::pair<const char*, int> numbers[] = {
            {"UseProxy", 1},     {"ProxyPort", 3128}, {"SaveHistory", 0}, {"NoShowFilter", 0},
            {"FilterTop", 0},    {"AutoUpdate", 1},   {"StartTime", 1},   {"FavNext", 3},
            {"FavDays", 12},     {"TourHandicap", 2}, {"TourTotal", 4},   {"UpdServ", 1},
            {"SeriesSeason", 2}};
    for (const auto& [name, value] : numbers)
        Settings().WriteInteger(name, value);
    Settings().WriteString("ProxyAddress", "proxy.local");
    Settings().WriteString("ProxyPwd", "secret");
    Start();
    ASSERT_TRUE(Shown("panelSeason"));
    InSettings([&](TDlgSetting& d) {
        const std::vector<std::string> shown = {Caption(d.txtProxy),
                                                Caption(d.txtPort),
                                                Caption(d.txtProxyPwd),
                                                Caption(d.txtFavNext),
                                                Caption(d.txtFavDays),
                                                d.cboServer->currentText().toStdString(),
                                                d.cboSeason->currentText().toStdString()};
        EXPECT_EQ(shown, (std::vector<std::string>{"proxy.local", "3128", "secret", "3", "12", Lang(1251),
                                                   Value("SELECT Name FROM Season WHERE SeasonID=2")}));
        const std::vector<bool> checked = {d.chkProxy->isChecked(),    d.chkSaveHistory->isChecked(),
                                           d.chkNoFilter->isChecked(), d.chkFilterTop->isChecked(),
                                           d.chkAutoUpdate->isChecked(), d.chkNoStart->isChecked()};
        EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false, true, true}));
        EXPECT_EQ(d.txtProxyPwd->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(d.btnApply->isEnabled());

        d.PageControl->setCurrentWidget(d.tabSystem);
        d.txtPort->clear();
        QTest::keyClicks(d.txtPort, "none");
        // Unticking the proxy disables its four edits at once and enables Apply.
        Press(d.chkProxy);
        for (QLineEdit* edit : {d.txtProxy, d.txtPort, d.txtProxyUser, d.txtProxyPwd})
            EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
        EXPECT_TRUE(d.btnApply->isEnabled());
        ChooseItem(d.cboServer, Lang(1250));
        d.PageControl->setCurrentWidget(d.tabGeneral);
        Press(d.chkSaveHistory);
        Press(d.chkNoFilter);
        d.chkNoStart->setChecked(false);
        d.PageControl->setCurrentWidget(d.tabAddition);
        ChooseItem(d.cboSeason, Value("SELECT Name FROM Season WHERE SeasonID=4"));
        Step(d.udFavNext, btNext, 2);
        Step(d.udFav, btPrev);
        Press(d.btnApply);
        EXPECT_FALSE(d.btnApply->isEnabled());
        EXPECT_EQ(d.Tag(), 1);
        Press(d.btnCancel);
    });

    // What a new reader of the settings file finds; a port that is no number is 0.
    DBSetting reader;
    const std::pair<const char*, int> saved[] = {
            {"UseProxy", 0},  {"ProxyPort", 0},  {"SaveHistory", 1},  {"NoShowFilter", 1}, {"StartTime", 3000},
            {"UpdServ", 0},   {"SeriesSeason", 4}, {"FavNext", 5},    {"FavDays", 11},     {"TourHandicap", 2},
            {"TourTotal", 4}, {"FilterTop", 0},  {"AutoUpdate", 1}};
    for (const auto& [name, value] : saved)
        EXPECT_EQ(reader.ReadInteger(name), value) << name;
    EXPECT_EQ(reader.ReadString("ProxyAddress"), "proxy.local");
    EXPECT_EQ(reader.ReadString("ProxyPwd"), "secret");
    EXPECT_EQ(reader.ReadString("Lang"), "ru");
    // The dialog had saved, so the main window refreshed: its season panel went.
    EXPECT_FALSE(Shown("panelSeason"));
}

TEST_F(TDlgSettingTest, LinesOfTheRoundByRoundTabsStepWithTheUsersDecimalMark)
{
    const std::pair<QLocale, char> locales[] = {{QLocale(QLocale::Russian, QLocale::Russia), ','},
                                                {QLocale(QLocale::English, QLocale::UnitedStates), '.'}};
    Start();
    for (const auto& [locale, mark] : locales) {
        SCOPED_TRACE(mark);
        const LocaleGuard guard(locale);
        Settings().WriteInteger("TourHandicap", 2);
        Settings().WriteInteger("TourTotal", 4);
        InSettings([&, mark = mark](TDlgSetting& d) {
            d.PageControl->setCurrentWidget(d.tabAddition);
            EXPECT_EQ(Caption(d.txtHandicap), std::string("2") + mark + "5");
            Step(d.upHandicap, btPrev, 2);
            EXPECT_EQ(Caption(d.txtHandicap), std::string("0") + mark + "5");
            Step(d.upTourTotal, btPrev);
            Press(d.btnOK);
        });
        EXPECT_EQ(Settings().ReadInteger("TourHandicap"), 0);
        EXPECT_EQ(Settings().ReadInteger("TourTotal"), 3);
    }
}

TEST_F(TDlgSettingTest, ListsWithoutTheStoredEntryStillSaveSoundValues)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* languages;
        const char* savedLanguage;
    };
    const Case cases[] = {
            {"a language without a file", [] { Settings().WriteString("Lang", "xx"); }, "en; ru", "en"},
            {"no season", [] { Exec("DELETE FROM Season WHERE SeasonID>0"); }, "en; ru", "ru"},
            {"no language file", [this] { fs::remove_all(File("Lang")); }, "ru", "ru"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        Start();
        const int season = Settings().ReadInteger("SeriesSeason");
        InSettings([&](TDlgSetting& d) {
            EXPECT_EQ(Items(d.cboLang), c.languages);
            Press(d.chkSaveHistory);
            Press(d.btnOK);
        });
        EXPECT_EQ(Settings().ReadString("Lang"), c.savedLanguage);
        // With no season listed the stored one stays.
        EXPECT_EQ(Settings().ReadInteger("SeriesSeason"), season);
        Settings().WriteString("Lang", "ru");
        Stop();
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TDlgSettingTest, ApplyOfEnglishTurnsBothWindowsEnglishAndEveryCaptionFitsInBothLanguages)
{
    std::vector<std::string> opened;
    const OpenUrlHook previous = SetOpenUrlHook([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    Start();
    InSettings([&](TDlgSetting& d) {
        EXPECT_FALSE(d.PageControl->tabBar()->isTabVisible(d.PageControl->indexOf(d.tabUpdate)));
        ExpectSoundPages(d);
        ChooseItem(d.cboLang, "en");
        Press(d.btnApply);
        // The about page's description is the layout's own text.
        ExpectNoRussianLeft(d, {"Label2"});
        EXPECT_EQ(d.cboServer->itemText(1).toStdString(), "Reserve server");
        EXPECT_EQ(d.GroupBox1->lblVersionBase->text().toStdString(), "Database version: " +
                                                                          Value("SELECT UpdateNum FROM Version") +
                                                                          "(" + Value("SELECT UpdateDate FROM Version") +
                                                                          ")");
        ExpectSoundPages(d);
        QTest::mouseClick(d.GroupBox1->lblWWW, Qt::LeftButton);
        Press(d.btnCancel);
    });
    SetOpenUrlHook(previous);
    EXPECT_EQ(Settings().ReadString("Lang"), "en");
    EXPECT_EQ(ButtonText("btnTeam"), "Team");
    EXPECT_EQ(Cell(0, DateColumn), "Date");
    // The card mode's Back keeps the hint the layout gives it.
    ExpectNoRussianLeft(Main(), {"btnCloseMDI"});
    Click("btnNFilter");
    ExpectNoRussianLeft(Filter());
    EXPECT_EQ(opened, std::vector<std::string>{"https://kovral.example.org/en/"});
}

// Compaction, the statistics rebuild and the hidden rating walk pump messages: while
// one runs, every way out of the dialog is refused, and the job finishes its work.
TEST_F(TDlgSettingTest, JobsOnTheDatabaseFinishWithTheDialogKeptOpen)
{
    struct Job {
        const char* button;
        const char* indicator;
        std::function<void()> prepare;
        std::function<void()> check;
        int tag;
    };
    const std::string statsRows = Value("SELECT COUNT(*) FROM Stats");
    const auto fileSize = [this] { return fs::file_size(File("data.mdb")); };
    const uintmax_t fullSize = fileSize();
    std::string playedLeft;
    const Job jobs[] = {
            {"btnUpdateStats", "bar", [] { Exec("DELETE FROM Stats"); },
             [&] { EXPECT_EQ(Value("SELECT COUNT(*) FROM Stats"), statsRows); }, 1},
            {"btnUpdateElo", "bar", [] {},
             [] {
                 const Rows seasons = Select("SELECT DISTINCT F.SeasonID FROM EloFixed AS E INNER JOIN Fixed AS F ON "
                                             "F.FixedIND=E.FixedIND ORDER BY F.SeasonID");
                 EXPECT_EQ(seasons, (Rows{{"3"}, {"4"}}));
                 EXPECT_NE(Value("SELECT COUNT(*) FROM EloStats WHERE SeasonID=4"), "0");
             },
             0},
            {"btnCompac", "lblCompac",
             [&] {
                 Exec("DELETE FROM Fixed WHERE SeasonID<4");
                 playedLeft = Value("SELECT COUNT(*) FROM Fixed");
             },
             [&] {
                 EXPECT_LT(fileSize(), fullSize * 3 / 4);
                 EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed"), playedLeft);
                 EXPECT_FALSE(fs::exists(File("data1.mdb")));
             },
             1},
    };
    Start();
    for (const Job& job : jobs) {
        SCOPED_TRACE(job.button);
        job.prepare();
        InSettings([&](TDlgSetting& d) {
            d.PageControl->setCurrentWidget(d.tabSystem);
            auto* indicator = d.findChild<QWidget*>(job.indicator);
            bool ran = false;
            QTimer::singleShot(0, [&] {
                ran = true;
                EXPECT_TRUE(indicator->isVisible());
                EXPECT_FALSE(d.btnCompac->isVisible() || d.btnUpdateStats->isVisible());
                d.Close();
                QTest::keyClick(&d, Qt::Key_Escape);
                for (QPushButton* button : {d.btnApply, d.btnOK, d.btnCancel})
                    Press(button);
                EXPECT_TRUE(d.isVisible());
            });
            Press(d.chkSaveHistory);
            d.findChild<QPushButton*>(job.button)->click();
            EXPECT_TRUE(ran) << "the job let no message through";
            EXPECT_TRUE(d.isVisible());
            EXPECT_TRUE(d.btnApply->isEnabled()) << "Apply is refused while a job runs";
            EXPECT_FALSE(indicator->isVisible());
            EXPECT_TRUE(d.btnCompac->isVisible() && d.btnUpdateStats->isVisible());
            EXPECT_EQ(d.Tag(), job.tag);
            job.check();
            Press(d.btnCancel);
            EXPECT_FALSE(d.isVisible()) << "closes once the job is done";
        });
    }
    EXPECT_TRUE(Settings().ReadBool("SaveHistory")) << "nothing was saved";
    EXPECT_TRUE(Messages().empty());
}

// The buttons hide while their job runs, which hands the focus on to OK; it comes back,
// so that a second Return runs the job again instead of saving and closing.
TEST_F(TDlgSettingTest, DatabaseButtonKeepsTheFocusThroughItsJob)
{
    Start();
    InSettings([&](TDlgSetting& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        d.PageControl->setCurrentWidget(d.tabSystem);
        Press(d.chkSaveHistory);
        for (QPushButton* button : {d.btnCompac, d.btnUpdateStats}) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(QApplication::focusWidget(), button);
        }
        EXPECT_TRUE(d.isVisible() && d.btnApply->isEnabled()) << "closed, or saved the pending change";
    });
}

TEST_F(TDlgSettingTest, RebuildThatTheDatabaseGivesUpKeepsTheOldStatistics)
{
    const std::string statsSql = "SELECT ChampID, SeasonID, TeamID, RoundID, Field, Game, Point FROM Stats ORDER BY "
                                 "ChampID, SeasonID, TeamID, RoundID, Field";
    const Rows before = Select(statsSql);
    // SQLite rolls the whole transaction back at the first new Stats row.
    RunSqlite(File("data.mdb"), "CREATE TRIGGER StatsGivenUp BEFORE INSERT ON Stats "
                                "BEGIN SELECT RAISE(ROLLBACK, 'forced failure'); END");
    Start();
    InSettings([&](TDlgSetting& d) {
        d.PageControl->setCurrentWidget(d.tabSystem);
        Press(d.btnUpdateStats);
        EXPECT_EQ(d.Tag(), 1);
        EXPECT_TRUE(d.btnUpdateStats->isVisible() && !d.bar->isVisible());
        Press(d.btnCancel);
    });
    EXPECT_EQ(Select(statsSql), before);
    // The log holds the statement and the reason, and names the rebuild.
    const Lines log = LogTexts();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].rfind("INSERT INTO Stats(", 0), 0u) << log[0];
    EXPECT_NE(log[0].find("forced failure"), std::string::npos) << log[0];
    EXPECT_EQ(log[1].rfind("[WARNING] DBUpdateView::UpdateStats forced failure", 0), 0u) << log[1];
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
