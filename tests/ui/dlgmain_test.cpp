#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/ttoolbutton.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "tempfolder.h"

namespace {

class TDlgMainTest : public MainWindowFixture {
protected:
    // The summary's texts of the matches, seen from team (home side when team is 0), in the order of SummaryLabels.
    using Summary = std::vector<std::string>;
    static constexpr const char* SummaryLabels[] = {"lblRGame",   "lblRWDL",   "lblRGoals", "lblRTotal",   "lblRByScore",
                                                    "lblRByMiss", "lblRMinus", "lblRPlus",  "lblRAvgGoals"};

    static std::string Average(int goals, int games)
    {
        if (games == 0)
            return "0";
        return Rounded(static_cast<double>(goals) / games, 2);
    }

    static Summary Expected(const std::vector<Match>& matches, int team)
    {
        int g = 0, w = 0, l = 0, t = 0, s = 0, m = 0, gf = 0, ga = 0, by2 = 0, notBy2 = 0;
        for (const Match& match : matches) {
            const bool home = team == 0 || match.team1 == team;
            const int own = home ? match.gol1 : match.gol2;
            const int rival = home ? match.gol2 : match.gol1;
            ++g;
            // A match decided after extra time counts as neither won nor lost.
            if (own != rival && !match.aet) {
                w += own > rival;
                l += own < rival;
            }
            t += match.gol1 + match.gol2 > 2;
            s += own > 0;
            m += rival > 0;
            gf += own;
            ga += rival;
            by2 += own - rival > 1;
            notBy2 += rival - own < 2;
        }
        const auto n = [](int v) { return std::to_string(v); };
        return {n(g), "+" + n(w) + "=" + n(g - w - l) + "-" + n(l), n(gf) + ":" + n(ga), n(g - t) + "-" + n(t),
                n(s) + "-" + n(g - s), n(m) + "-" + n(g - m), n(by2), n(notBy2),
                Average(gf, g) + "-" + Average(ga, g)};
    }

    void ExpectSummary(const Summary& expected)
    {
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(Text(SummaryLabels[i]), expected[i]) << SummaryLabels[i];
    }

    bool Enabled(const char* name) { return Control<QWidget>(name)->isEnabled(); }
};

TEST_F(TDlgMainTest, FirstRefreshShowsTheCurrentTournamentView)
{
    const auto [champ, season] = StartOnNewestLeague();
    const std::vector<Match> matches = SeasonMatches(champ, season);
    ASSERT_GT(matches.size(), 10u);

    EXPECT_EQ(Main().width(), 799);
    EXPECT_EQ(Main().height(), 600);
    EXPECT_EQ(Text("lblNTeamChamp"), Name("Champ", "ChampID", champ));
    EXPECT_EQ(Control<TToolButton>("btnNTeamChamp")->ImageIndex(), 3);
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText().toStdString(), Name("Season", "SeasonID", season));
    EXPECT_TRUE(Shown("panelSeason"));
    EXPECT_FALSE(Shown("panelNTeamRival"));
    EXPECT_FALSE(Enabled("btnNBack"));
    EXPECT_FALSE(Enabled("btnNForward"));
    EXPECT_EQ(ListedMatches(), matches.size());
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Text("lblBTeam2"), Cell(1, AwayColumn));
    EXPECT_EQ(Text("lblBGoals"), Cell(1, ScoreColumn));
    ExpectSummary(Expected(matches, 0));
    // The longest figures of the sample still fit the strip.
    EXPECT_LE(Control<QWidget>("panelResult")->width(), Control<QWidget>("panelResultMain")->width());
    EXPECT_GE(Control<QWidget>("panelResult")->x(), 0);
    // The match panel's score takes the colour of the selected match's result.
    for (int row = 1; row < 15; ++row) {
        ClickCell(row, DateColumn);
        EXPECT_EQ(Text("lblBTeam1"), Cell(row, HomeColumn));
        EXPECT_EQ(FontColor(Control<QLabel>("lblBGoals")), Grid()->GetCellsProperty(row, ScoreColumn).FontColor)
                << "row " << row;
    }
}

TEST_F(TDlgMainTest, DoubleClicksOnTeamScoreAndTournamentCellsOpenTheirViews)
{
    const auto [champ, season] = StartOnNewestLeague();
    const std::string home = Cell(1, HomeColumn);
    const std::string away = Cell(1, AwayColumn);
    const Match first = Matches("F.ChampID=" + std::to_string(champ) + " AND F.SeasonID=" + std::to_string(season) +
                                " ORDER BY F.Date DESC, F.Team1ID")
                                .front();
    DoubleClickCell(1, DateColumn);
    DoubleClickCell(1, 5);
    EXPECT_EQ(History(), "1:2*") << "the date and round cells open nothing";

    DoubleClickCell(1, HomeColumn);
    EXPECT_EQ(History(), "1:2 2:1*");
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Control<TToolButton>("btnNTeamChamp")->ImageIndex(), 2);
    EXPECT_TRUE(Shown("panelSeason"));
    const std::vector<Match> teamMatches = TeamMatches(first.team1, season);
    EXPECT_EQ(ListedMatches(), teamMatches.size());
    for (int row = 1; row < Grid()->RowCount(); ++row)
        EXPECT_TRUE(Cell(row, HomeColumn) == home || Cell(row, AwayColumn) == home) << "row " << row;
    ExpectSummary(Expected(teamMatches, first.team1));

    // The same match is in the team's list; its score opens the two teams' matches.
    int row = 1;
    while (row < Grid()->RowCount() && !(Cell(row, HomeColumn) == home && Cell(row, AwayColumn) == away))
        ++row;
    ASSERT_LT(row, Grid()->RowCount());
    DoubleClickCell(row, ScoreColumn);
    EXPECT_EQ(History(), "1:2 2:1 3:3*");
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Text("lblNTeamRival"), away);
    EXPECT_TRUE(Shown("panelNTeamRival"));
    EXPECT_TRUE(Shown("toolNFixed"));
    EXPECT_EQ(Control<QWidget>("toolNFixed")->x(), 500);
    EXPECT_FALSE(Shown("panelSeason"));
    const std::string one = std::to_string(first.team1), other = std::to_string(first.team2);
    const std::vector<Match> pairMatches = Matches("(F.Team1ID=" + one + " AND F.Team2ID=" + other +
                                                   ") OR (F.Team1ID=" + other + " AND F.Team2ID=" + one + ")");
    EXPECT_EQ(ListedMatches(), pairMatches.size());
    ExpectSummary(Expected(pairMatches, first.team1));

    DoubleClickCell(1, ChampColumn);
    EXPECT_EQ(History(), "1:2 2:1 3:3 4:2*");
    EXPECT_EQ(Control<TToolButton>("btnNTeamChamp")->ImageIndex(), 3);
    EXPECT_FALSE(Shown("panelNTeamRival"));
    EXPECT_TRUE(Shown("panelSeason"));
    EXPECT_EQ(Text("lblNTeamChamp"), Value("SELECT C.Name FROM Filter AS F INNER JOIN Champ AS C ON "
                                           "C.ChampID=F.ChampID WHERE F.Cur=True"));
}

TEST_F(TDlgMainTest, TeamNameOfAHeadToHeadViewOpensThatTeamsLatestSeason)
{
    const auto [champ, season] = NewestLeagueSeason();
    const Match first = SeasonMatches(champ, season).front();
    SetCurrentView(3, first.team1, first.team2, 0, 0);
    Start();
    QTest::mouseClick(Control<QLabel>("lblNTeamRival"), Qt::LeftButton);
    EXPECT_EQ(History(), "1:3 2:1*");
    EXPECT_EQ(Text("lblNTeamChamp"), Name("Team", "TeamID", first.team2));
    EXPECT_EQ(Value("SELECT SeasonWith FROM Filter WHERE Cur=True"),
              Value("SELECT Max(SeasonID) FROM Stats WHERE TeamID=" + std::to_string(first.team2)));

    // In a team view the name is no link.
    QTest::mouseClick(Control<QLabel>("lblNTeamChamp"), Qt::LeftButton);
    EXPECT_EQ(History(), "1:3 2:1*");
}

TEST_F(TDlgMainTest, BackAndForwardReturnToTheViewsAndTheirSelectedRows)
{
    StartOnNewestLeague();
    const std::string league = Text("lblNTeamChamp");
    ClickCell(3, DateColumn);
    const std::string home = Cell(3, HomeColumn);
    DoubleClickCell(3, HomeColumn);
    EXPECT_TRUE(Enabled("btnNBack"));
    EXPECT_FALSE(Enabled("btnNForward"));
    ClickCell(2, DateColumn);

    Click("btnNBack");
    EXPECT_EQ(History(), "1:2* 2:1");
    EXPECT_EQ(Text("lblNTeamChamp"), league);
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Text("lblBTeam1"), home);
    EXPECT_FALSE(Enabled("btnNBack"));
    EXPECT_TRUE(Enabled("btnNForward"));

    Click("btnNForward");
    EXPECT_EQ(History(), "1:2 2:1*");
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Grid()->Row(), 2);
}

TEST_F(TDlgMainTest, SeasonComboAndPlusMinusChangeTheSeason)
{
    const auto [champ, newest] = StartOnNewestLeague();
    QComboBox* combo = Control<QComboBox>("cboSeason");
    ASSERT_GT(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(Enabled("btnPlus"));
    EXPECT_TRUE(Enabled("btnMinus"));

    // Choosing the next older season by the keyboard, as the user does.
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    const std::string older = Value("SELECT SeasonWith FROM Filter WHERE Cur=True");
    EXPECT_NE(older, std::to_string(newest));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(ListedMatches(), SeasonMatches(champ, std::stoi(older)).size());
    EXPECT_TRUE(Enabled("btnPlus"));

    Click("btnPlus");
    EXPECT_EQ(Value("SELECT SeasonWith FROM Filter WHERE Cur=True"), std::to_string(newest));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(Enabled("btnPlus"));

    for (int i = 1; i < combo->count(); ++i)
        Click("btnMinus");
    EXPECT_EQ(combo->currentIndex(), combo->count() - 1);
    EXPECT_FALSE(Enabled("btnMinus"));
    EXPECT_TRUE(Enabled("btnPlus"));
    EXPECT_EQ(History(), "1:2*");
}

TEST_F(TDlgMainTest, TournamentOfEverySeasonWithAStoredRowBeyondTheListSelectsAndStoresRowOne)
{
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(2, 0, 0, champ, 0);
    Exec("UPDATE Filter SET Row=9999");
    Start();
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Value("SELECT Row FROM Filter"), "1");
    EXPECT_EQ(Text("lblBTeam1"), Cell(1, HomeColumn));
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentIndex(), 0) << "the newest season";
    EXPECT_FALSE(Enabled("btnPlus"));
    EXPECT_EQ(ListedMatches(), SeasonMatches(champ, 0).size());
    EXPECT_GT(ListedMatches(), SeasonMatches(champ, season).size());
}

TEST_F(TDlgMainTest, EmptyViewShowsNotAndZeroCounts)
{
    SetCurrentView(1, 999999, 0, 0, 0);
    Start();
    EXPECT_EQ(Grid()->RowCount(), 2);
    for (const char* label : {"lblBChamp", "lblBNatChamp", "lblBTeam1", "lblBNatTeam1", "lblBTeam2", "lblBNatTeam2"})
        EXPECT_EQ(Text(label), "NOT") << label;
    EXPECT_EQ(Text("lblBGoals"), "0:0");
    ExpectSummary({"0", "+0=0-0", "0:0", "0-0", "0-0", "0-0", "0", "0", "0-0"});
    EXPECT_FALSE(Control<QLabel>("imgBTeam1")->pixmap().isNull());
}

TEST_F(TDlgMainTest, UnreadableLanguageFileLeavesTheCaptionsEmptyAndLogsItsNameInThisRunsLog)
{
    WriteFile(File("log.txt"), "01.01.2024 10:00:00 a line of the run before\r\n");
    DBSetting::Global()->WriteString("Lang", "de");
    StartOnNewestLeague();
    EXPECT_EQ(Text("lblRLGame"), ":");
    EXPECT_EQ(QString::fromStdString(Caption(Control<TToolButton>("btnTeam"))).trimmed(), "");
    EXPECT_EQ(LogTexts(), (Lines{"[ERROR] DBSetting::LoadLanguage " + File("Lang/de.lng")}));
}

TEST_F(TDlgMainTest, ToolBarCaptionsAreCentredByBlanksWhenTheyFit)
{
    // A later line of the language file replaces the text of its id.
    std::ofstream(File("Lang/en.lng"), std::ios::app) << "\r\n1012=Leave the program at once\r\n";
    DBSetting::Global()->WriteString("Lang", "en");
    StartOnNewestLeague();
    const QString shortText = Control<TToolButton>("btnFixed")->text();
    EXPECT_EQ(shortText.trimmed(), "H2H");
    EXPECT_TRUE(shortText.startsWith("   ") && shortText.endsWith("   ")) << shortText.toStdString();
    EXPECT_LE(std::abs(shortText.indexOf('H') - (shortText.size() - 1 - shortText.lastIndexOf('H'))), 1);
    EXPECT_EQ(Control<TToolButton>("btnExit")->text(), "Leave the program at once");
}

TEST_F(TDlgMainTest, CardTakesTheListsPlaceAndBackRefreshesWhenItAddedAView)
{
    StartOnNewestLeague();
    auto* card = new TForm;
    card->resize(730, 600);
    Main().ShowCard(card);
    EXPECT_EQ(card->parentWidget(), &Main());
    EXPECT_EQ(card->pos(), QPoint(69, 0));
    EXPECT_TRUE(Shown("ToolBar2"));
    EXPECT_FALSE(Shown("gridFixed"));
    EXPECT_FALSE(Shown("panelBottomMain"));
    EXPECT_FALSE(Enabled("toolMain"));

    // The card hands a team view back and hides itself.
    const int team = std::stoi(Value("SELECT TOP 1 Team1ID FROM Fixed"));
    ASSERT_TRUE(Main().GetFilter()->AddTeam(team, 0));
    card->SetTag(1);
    card->Close();
    Click("btnCloseMDI");
    EXPECT_FALSE(Shown("ToolBar2"));
    EXPECT_TRUE(Shown("gridFixed"));
    EXPECT_TRUE(Enabled("toolMain"));
    EXPECT_EQ(Main().height(), 600);
    EXPECT_EQ(Text("lblNTeamChamp"), Name("Team", "TeamID", team));
}

TEST_F(TDlgMainTest, ClosingEndsWithTheHelpWindowAndStoresThePlacement)
{
    StartOnNewestLeague();
    QWidget help;
    help.setWindowTitle("Kovral Help");
    help.show();
    Click("btnNFilter");
    // The program entry ends the message loop when the main window reports it finished.
    QSignalSpy finished(&Main(), &QDialog::finished);
    const QRect frame = Main().frameGeometry();
    Main().close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(help.isVisible());
    Stop();
    EXPECT_EQ(DBSetting::Global(), nullptr);
    const auto settings =
            SelectSetting("SELECT IsMax, Width, Height, [Top], [Left] FROM FormSetting WHERE FormName='DlgMain'");
    ASSERT_EQ(settings.size(), 1u);
    const auto n = [](int v) { return std::to_string(v); };
    EXPECT_EQ(settings[0], (std::vector<std::string>{"False", n(frame.width()), n(frame.height()), n(frame.top()),
                                                     n(frame.left())}));
    EXPECT_GE(frame.width(), 799);
    EXPECT_GE(frame.height(), 600);
}

TEST_F(TDlgMainTest, UnreadableDataFileIsNamedOnceAtStartAndLeftAsItIs)
{
    const std::string lead = DBSetting::Global()->GetLangText(1019);
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
    const std::string sound = ReadFile(File("data.mdb"));
    ASSERT_GT(sound.size(), 100000u);
    std::filesystem::remove(File("data.mdb-wal"));
    std::filesystem::remove(File("data.mdb-shm"));
    const struct {
        const char* name;
        std::string bytes;
        const char* error;  // SQLite's words, or ours for an empty file
    } cases[] = {
        {"truncated", sound.substr(0, sound.size() / 2), "database disk image is malformed"},
        {"random bytes", std::string(8192, '\x5A'), "file is not a database"},
        {"empty", "", "the file is empty"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        WriteFile(File("data.mdb"), test.bytes);
        const MessageRecorder messages;
        Start();
        Stop();
        DBConnect::ResetForTests();

        ASSERT_FALSE(LogTexts().empty());
        const std::string logged = LogTexts()[0];
        ASSERT_TRUE(logged.starts_with("ERROR DBCONNECT ")) << logged;
        const std::string error = logged.substr(16);
        EXPECT_NE(error.find(test.error), std::string::npos) << error;
        EXPECT_NE(error.find(File("data.mdb")), std::string::npos) << error;
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, lead + "\r\n" + error);
        EXPECT_EQ(messages.Messages()[0].flags, MB_OK | MB_ICONERROR);
        EXPECT_TRUE(ReadFile(File("data.mdb")) == test.bytes) << "the file was written to";
    }
}

}  // namespace
