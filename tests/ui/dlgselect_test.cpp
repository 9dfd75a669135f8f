#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "mainwindowfixture.h"
#include "platform/adoconnection.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "shareddata.h"
#include "ui/dlgmain.h"
#include "ui/dlgselectchamp.h"
#include "ui/dlgselectfixed.h"
#include "ui/dlgselectteam.h"

namespace {

const int EnglishLeague = SampleIds::League(SampleIds::England);
const int EnglishCup = SampleIds::Cup(SampleIds::England);
const int RussianLeague = SampleIds::League(SampleIds::Russia);
const int RussianCup = SampleIds::Cup(SampleIds::Russia);

// The tournament and team pickers, opened from the main window's tool bar on the sample.
class TDlgSelectTest : public MainWindowFixture {
protected:
    static std::string ChampName(int id) { return Value("SELECT Name FROM Champ WHERE ChampID=" + IntToStr(id)); }
    static std::string SeasonName(int id) { return Value("SELECT Name FROM Season WHERE SeasonID=" + IntToStr(id)); }
    static std::string Caption(const QLabel* label) { return label->text().toStdString(); }

    static std::string Join(const std::vector<std::string>& names)
    {
        std::string items;
        for (const std::string& name : names)
            items += (items.empty() ? "" : "; ") + name;
        return items;
    }

    static std::string Chosen(const QListWidget* list)
    {
        return list->currentItem() ? list->currentItem()->text().toStdString() : "<none>";
    }

    // Types text key by key, letters beyond ASCII too.
    static void Type(QLineEdit* edit, const QString& text)
    {
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
};

TEST_F(TDlgSelectTest, ChosenTournamentOpensItsViewAndIsRestoredOnReopening)
{
    SetCurrentView(FilterMode::Team, SampleIds::FirstTeam(SampleIds::England), 0, 0, 0);
    Start();
    const std::string season = SeasonName(3);
    const std::string russianCup = "Россия " + ChampName(RussianCup);
    const std::string englishCup = "England " + ChampName(EnglishCup);
    InDialog<TDlgSelectChamp>("btnChampionat", [&](TDlgSelectChamp& picker) {
        ChooseItem(picker.cboTypeChamp, "National Cup");
        ChooseItem(picker.cboSeason, season);
        EXPECT_EQ(Items(picker.lstChamp), englishCup + "; " + russianCup) << "favourite cups only";
        ClickListItem(picker.lstChamp, russianCup);
        EXPECT_EQ(Caption(picker.lblChamp), russianCup);
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.Tag(), 1);
    });
    EXPECT_EQ(History(), "1:1 2:2*");
    EXPECT_EQ(Text("lblNTeamChamp"), ChampName(RussianCup));
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText().toStdString(), season);
    EXPECT_EQ(ListedMatches(), SeasonMatches(RussianCup, 3).size());

    InDialog<TDlgSelectChamp>("btnChampionat", [&](TDlgSelectChamp& picker) {
        EXPECT_EQ(picker.cboTypeChamp->currentText(), "National Cup");
        EXPECT_EQ(picker.cboSeason->currentText().toStdString(), season);
        EXPECT_EQ(Chosen(picker.lstChamp), russianCup);
        EXPECT_EQ(Caption(picker.lblChamp), russianCup);
        ClickListItem(picker.lstChamp, englishCup, true);
        EXPECT_FALSE(picker.isVisible()) << "a double click chooses too";
    });
    EXPECT_EQ(History(), "1:1 2:2 3:2*");
    EXPECT_EQ(Text("lblNTeamChamp"), ChampName(EnglishCup));

    InModalDialog("btnChampionat", [](QWidget&) {});
    EXPECT_EQ(History(), "1:1 2:2 3:2*") << "closed without a choice";
}

TEST_F(TDlgSelectTest, SeasonWithoutStatisticsShowsNotAndOkDoesNothing)
{
    Exec("INSERT INTO Season VALUES(9, '2030/2031', 2030)");
    StartOnNewestLeague();
    const std::string history = History();
    InDialog<TDlgSelectChamp>("btnChampionat", [&](TDlgSelectChamp& picker) {
        EXPECT_EQ(picker.cboSeason->currentText(), "2030/2031") << "the newest season comes first";
        EXPECT_EQ(picker.lstChamp->count(), 0);
        EXPECT_EQ(Caption(picker.lblChamp), "NOT");
        EXPECT_FALSE(picker.imgChamp->pixmap().isNull());
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_TRUE(picker.isVisible());
        EXPECT_EQ(picker.Tag(), 0);
        ChooseItem(picker.cboSeason, SeasonName(2));
        EXPECT_EQ(Chosen(picker.lstChamp), "Europe. " + ChampName(SampleIds::EuroCup));
    });
    EXPECT_EQ(History(), history);
}

TEST_F(TDlgSelectTest, TypedTextNarrowsTheTeamsWithoutANewQuery)
{
    StartOnNewestLeague();
    const std::string history = History();
    InDialog<TDlgSelectTeam>("btnTeam", [&](TDlgSelectTeam& picker) {
        ChooseItem(picker.cboChamp, ChampName(EnglishLeague));
        ChooseItem(picker.cboSeason, SeasonName(4));
        ASSERT_EQ(picker.lstTeam->count(), 20);
        // A club added now shows only after the next query.
        Exec("INSERT INTO Team VALUES(9999, 'Kingsbridge', 'ENG')");
        AddStats({.champ = EnglishLeague, .season = 4, .team = 9999});

        Type(picker.txtFilter, "kING'");
        EXPECT_EQ(Items(picker.lstTeam), "King's Lynn Town");
        EXPECT_EQ(Caption(picker.lblTeam), "King's Lynn Town");
        picker.txtFilter->clear();
        EXPECT_EQ(picker.lstTeam->count(), 20);

        ChooseItem(picker.cboChamp, ChampName(RussianLeague));
        ChooseItem(picker.cboSeason, "All seasons");
        Type(picker.txtFilter, "сПАР");
        EXPECT_EQ(Items(picker.lstTeam), "Спартак Кострома; Спартак Ярославль");
        Type(picker.txtFilter, "*'%");
        EXPECT_EQ(picker.lstTeam->count(), 0);
        EXPECT_EQ(Caption(picker.lblTeam), "NOT");
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_TRUE(picker.isVisible()) << "nothing to choose";
    });
    EXPECT_EQ(History(), history);
}

TEST_F(TDlgSelectTest, TeamOfAllSeasonsOpensItsLastSeasonAndIsRestoredOnReopening)
{
    Exec("INSERT INTO Team VALUES(9999, 'Aldermoor Town', 'ENG')");
    AddStats({.champ = EnglishLeague, .season = 2, .team = 9999});
    StartOnNewestLeague();
    const std::string league = ChampName(EnglishLeague);
    InDialog<TDlgSelectTeam>("btnTeam", [&](TDlgSelectTeam& picker) {
        ChooseItem(picker.cboChamp, league);
        ChooseItem(picker.cboSeason, "All seasons");
        ClickListItem(picker.lstTeam, "Aldermoor Town");
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
    });
    EXPECT_EQ(Select("SELECT Mode, TeamID, SeasonWith FROM Filter WHERE Cur=True"),
              (Rows{{"1", "9999", "2"}}));
    EXPECT_EQ(Text("lblNTeamChamp"), "Aldermoor Town");
    EXPECT_EQ(Control<QComboBox>("cboSeason")->currentText().toStdString(), SeasonName(2));

    InDialog<TDlgSelectTeam>("btnTeam", [&](TDlgSelectTeam& picker) {
        EXPECT_EQ(picker.cboChamp->currentText().toStdString(), league);
        EXPECT_EQ(picker.cboSeason->currentText(), "All seasons");
        EXPECT_EQ(Chosen(picker.lstTeam), "Aldermoor Town");
        EXPECT_EQ(Caption(picker.lblTeam), "Aldermoor Town");
    });
}

// The head-to-head picker, opened from the main window's head-to-head button.
class TDlgSelectFixedTest : public TDlgSelectTest {
protected:
    void InPicker(const std::function<void(TDlgSelectFixed&)>& act) { InDialog("btnFixed", act); }

    static std::vector<std::string> FirstColumn(const Rows& rows)
    {
        std::vector<std::string> values;
        for (const auto& row : rows)
            values.push_back(row.at(0));
        return values;
    }

    // Names of the teams with statistics under the condition on Stats (alias S), as
    // the lists order them.
    static std::vector<std::string> StatsTeams(const std::string& where)
    {
        return FirstColumn(Select("SELECT DISTINCT T.Name FROM Stats AS S INNER JOIN Team AS T ON T.TeamID=S.TeamID "
                                  "WHERE " + where + " ORDER BY T.Name"));
    }

    static std::string TeamName(int id) { return Value("SELECT Name FROM Team WHERE TeamID=" + IntToStr(id)); }
    static int NewestSeason() { return std::stoi(Value("SELECT MAX(SeasonID) FROM Season")); }
    static std::string InNewestSeason() { return "S.SeasonID=" + IntToStr(NewestSeason()); }

    static std::string FormData()
    {
        return Join(FirstColumn(
                SelectSetting("SELECT [Value] FROM FormData WHERE FormName='DlgSelectFixed' ORDER BY ControlIndex")));
    }
};

TEST_F(TDlgSelectFixedTest, OpensOnTheFirstItemsWithTheTeamsOfTheNewestSeasonAlsoByRightClick)
{
    StartOnNewestLeague();
    const std::vector<std::string> teams = StatsTeams(InNewestSeason());
    ASSERT_GT(teams.size(), 100u);
    const std::string newest = SeasonName(NewestSeason());
    InPicker([&](TDlgSelectFixed& picker) {
        EXPECT_LE((picker.geometry().center() - Main().geometry().center()).manhattanLength(), 2) << "centred";
        EXPECT_EQ(picker.btnOk->text(), "VS");
        EXPECT_TRUE(picker.btnOk->isDefault());
        for (auto [champ, season, list, chosen] :
             {std::tuple{picker.cboTeamChamp, picker.cboTeamSeason, picker.lstTeam, picker.lblTeam},
              std::tuple{picker.cboRivalChamp, picker.cboRivalSeason, picker.lstRival, picker.lblRival}}) {
            EXPECT_EQ(champ->currentText(), "All tournaments");
            EXPECT_EQ(season->currentText().toStdString(), newest);
            EXPECT_EQ(Items(list), Join(teams));
            EXPECT_EQ(Caption(chosen), teams.front());
        }
    });
    InModalDialog([&] { RightClick("btnTeam"); }, "a right click on btnTeam", [&](QWidget& dialog) {
        EXPECT_EQ(Items(dialog.findChild<QListWidget*>("lstRival")), Join(teams));
    });
}

// The narrowing rules themselves (letter case, quotes, no new query) are the team picker's test.
TEST_F(TDlgSelectFixedTest, EachSidesTournamentSeasonAndTypedTextNarrowOnlyItsListAndNoRivalLeavesVsIdle)
{
    StartOnNewestLeague();
    const std::string history = History();
    InPicker([&](TDlgSelectFixed& picker) {
        const std::string teams = Items(picker.lstTeam);
        ChooseItem(picker.cboRivalChamp, "England " + ChampName(EnglishCup));
        ChooseItem(picker.cboRivalSeason, SeasonName(2));
        const std::vector<std::string> cup = StatsTeams("S.ChampID=" + IntToStr(EnglishCup) + " AND S.SeasonID=2");
        ASSERT_FALSE(cup.empty());
        EXPECT_EQ(Items(picker.lstRival), Join(cup));
        EXPECT_EQ(Items(picker.lstTeam), teams);

        const QString start = QString::fromStdString(cup.front()).left(3).toLower();
        std::vector<std::string> starting;
        for (const std::string& name : StatsTeams(InNewestSeason()))
            if (QString::fromStdString(name).startsWith(start, Qt::CaseInsensitive))
                starting.push_back(name);
        ASSERT_FALSE(starting.empty());
        Type(picker.txtTeamFilter, start);
        EXPECT_EQ(Items(picker.lstTeam), Join(starting));
        EXPECT_EQ(Items(picker.lstRival), Join(cup)) << "the other side keeps its list";

        Type(picker.txtRivalFilter, "#");
        EXPECT_EQ(picker.lstRival->count(), 0);
        EXPECT_EQ(Caption(picker.lblRival), "NOT");
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        ClickListItem(picker.lstTeam, starting.front(), true);
        EXPECT_TRUE(picker.isVisible()) << "no rival to choose";
        EXPECT_EQ(picker.Tag(), 0);

        picker.txtRivalFilter->clear();
        ChooseItem(picker.cboRivalChamp, "All tournaments");
        ChooseItem(picker.cboRivalSeason, "All seasons");
        EXPECT_EQ(std::to_string(picker.lstRival->count()), Value("SELECT COUNT(*) FROM Team"));
    });
    EXPECT_EQ(History(), history);
}

TEST_F(TDlgSelectFixedTest, VsAndDoubleClickAddTheHeadToHeadViewAlsoOfATeamWithItself)
{
    StartOnNewestLeague();
    const Match match = SeasonMatches(EnglishLeague, NewestSeason()).at(0);
    const std::string home = TeamName(match.team1);
    const std::string away = TeamName(match.team2);
    const std::string homeID = IntToStr(match.team1);
    const std::string awayID = IntToStr(match.team2);
    const std::string pair = "(F.Team1ID=" + homeID + " AND F.Team2ID=" + awayID + ") OR (F.Team1ID=" + awayID +
                             " AND F.Team2ID=" + homeID + ")";
    InPicker([&](TDlgSelectFixed& picker) {
        ClickListItem(picker.lstTeam, home);
        ClickListItem(picker.lstRival, away);
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.Tag(), 1);
    });
    EXPECT_EQ(CurrentView(), "3 " + homeID + " " + awayID + " 0 0");
    EXPECT_EQ(Text("lblNTeamChamp"), home);
    EXPECT_EQ(Text("lblNTeamRival"), away);
    EXPECT_EQ(ListedMatches(), Matches(pair).size());
    EXPECT_GT(ListedMatches(), 1u);

    // The arrow key chooses as a click does; a double click on the rival confirms.
    std::string next;
    InPicker([&](TDlgSelectFixed& picker) {
        QTest::keyClick(picker.lstTeam, Qt::Key_Down);
        next = Caption(picker.lblTeam);
        EXPECT_NE(next, home);
        ClickListItem(picker.lstRival, home, true);
        EXPECT_FALSE(picker.isVisible());
    });
    EXPECT_EQ(Text("lblNTeamChamp"), next);
    EXPECT_EQ(Text("lblNTeamRival"), home);

    InPicker([&](TDlgSelectFixed& picker) {
        ClickListItem(picker.lstTeam, home);
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(CurrentView(), "3 " + homeID + " " + homeID + " 0 0");
    EXPECT_EQ(History(), "1:2 2:3 3:3 4:3*");
}

TEST_F(TDlgSelectFixedTest, ReopeningRestoresTheLastChoiceAndTheCloseBoxChangesNothing)
{
    StartOnNewestLeague();
    const std::string league = ChampName(EnglishLeague);
    const std::string oldSeason = SeasonName(2);
    std::string team, rival;
    InPicker([&](TDlgSelectFixed& picker) {
        ChooseItem(picker.cboRivalChamp, league);
        ChooseItem(picker.cboRivalSeason, oldSeason);
        team = picker.lstTeam->item(5)->text().toStdString();
        rival = picker.lstRival->item(7)->text().toStdString();
        ClickListItem(picker.lstTeam, team);
        ClickListItem(picker.lstRival, rival);
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
    });
    const std::string remembered = FormData();
    EXPECT_EQ(remembered, Join({"All tournaments", SeasonName(NewestSeason()), team, league, oldSeason, rival}));
    const size_t listed = ListedMatches();

    InPicker([&](TDlgSelectFixed& picker) {
        EXPECT_EQ(picker.cboRivalChamp->currentText().toStdString(), league);
        EXPECT_EQ(picker.cboRivalSeason->currentText().toStdString(), oldSeason);
        EXPECT_EQ(Chosen(picker.lstTeam), team);
        EXPECT_EQ(Caption(picker.lblTeam), team);
        EXPECT_EQ(Chosen(picker.lstRival), rival);
        EXPECT_EQ(Caption(picker.lblRival), rival);

        ClickListItem(picker.lstRival, picker.lstRival->item(0)->text().toStdString());
        Type(picker.txtRivalFilter, QString::fromStdString(rival).left(1));
        EXPECT_EQ(Chosen(picker.lstRival), rival) << "a refill selects the remembered name again";
        Type(picker.txtRivalFilter, "#");
        picker.txtRivalFilter->clear();
        EXPECT_EQ(Chosen(picker.lstRival), rival);

        // A refresh now would list no match.
        Exec("DELETE * FROM Fixed");
        picker.close();
        EXPECT_EQ(picker.Tag(), 0);
    });
    EXPECT_EQ(FormData(), remembered);
    EXPECT_EQ(ListedMatches(), listed) << "nothing refreshed";

    ExecSetting("DELETE * FROM FormData WHERE FormName='DlgSelectFixed'");
    const std::string history = History();
    InPicker([&](TDlgSelectFixed& picker) {
        EXPECT_EQ(picker.cboRivalChamp->currentText(), "All tournaments");
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
        EXPECT_EQ(picker.Tag(), 1);
    });
    EXPECT_EQ(History(), history.substr(0, history.size() - 1) + " 3:3*");
    EXPECT_EQ(SettingValue("SELECT COUNT(*) FROM FormData WHERE FormName='DlgSelectFixed'"), "0");
}

TEST_F(TDlgSelectFixedTest, TeamBeyondTheListedNamesIsFoundByTyping)
{
    TADOConnection* data = DBConnect::GetData()->GetConnection();
    data->BeginTrans();
    for (int id = 10001; id <= 11100; ++id) {
        Exec("INSERT INTO Team VALUES(" + IntToStr(id) + ", 'Club " + IntToStr(id) + "', 'ENG')");
        AddStats({.champ = EnglishLeague, .season = NewestSeason(), .team = id});
    }
    data->CommitTrans();
    StartOnNewestLeague();
    const std::vector<std::string> teams = StatsTeams(InNewestSeason());
    ASSERT_GT(teams.size(), 1300u);
    const std::string beyond = teams.at(1200);
    InPicker([&](TDlgSelectFixed& picker) {
        EXPECT_EQ(picker.lstTeam->count(), 1002);
        EXPECT_TRUE(picker.lstTeam->findItems(QString::fromStdString(beyond), Qt::MatchExactly).isEmpty());
        Type(picker.txtTeamFilter, QString::fromStdString(beyond));
        EXPECT_EQ(Items(picker.lstTeam), beyond);
        EXPECT_EQ(Caption(picker.lblTeam), beyond);
    });
}

TEST_F(TDlgSelectFixedTest, RealSeasonListsTheTwoMeetingsOfLiverpoolAndManchesterCity)
{
    if (SharedDataFolder().empty())
        GTEST_SKIP() << NoSharedDataMessage();
    const SeasonRun run = ReplaceSampleBySeasons({"openfootball-football-json/2018-19/en.1.json"});
    SetCurrentView(FilterMode::Team, run.teams.at("Liverpool FC"), 0, 0, 0);
    Start();
    InPicker([&](TDlgSelectFixed& picker) {
        Type(picker.txtTeamFilter, "liv");
        Type(picker.txtRivalFilter, "manchester c");
        QTest::mouseClick(picker.btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(Text("lblNTeamChamp"), "Liverpool FC");
    EXPECT_EQ(Text("lblNTeamRival"), "Manchester City");
    ASSERT_EQ(ListedMatches(), 2u);
    EXPECT_EQ(Cell(1, DateColumn) + " " + Cell(1, ScoreColumn), "03.01.2019 2:1");
    EXPECT_EQ(Cell(2, DateColumn) + " " + Cell(2, ScoreColumn), "07.10.2018 0:0");
}

}  // namespace
