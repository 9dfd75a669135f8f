#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <string>

#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "mainwindowfixture.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "ui/dlgselectchamp.h"
#include "ui/dlgselectteam.h"

namespace {

const int EnglishLeague = SampleIds::League(SampleIds::England);
const int EnglishCup = SampleIds::Cup(SampleIds::England);
const int RussianLeague = SampleIds::League(SampleIds::Russia);
const int RussianCup = SampleIds::Cup(SampleIds::Russia);

// The tournament and team pickers, opened from the main window's tool bar on the sample.
class TDlgSelectTest : public MainWindowFixture {
protected:
    void StartOnLeague()
    {
        const auto [champ, season] = NewestLeagueSeason();
        SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
        Start();
    }

    static std::string ChampName(int id) { return Value("SELECT Name FROM Champ WHERE ChampID=" + IntToStr(id)); }
    static std::string SeasonName(int id) { return Value("SELECT Name FROM Season WHERE SeasonID=" + IntToStr(id)); }
    static std::string Caption(const QLabel* label) { return label->text().toStdString(); }

    static std::string Items(const QListWidget* list)
    {
        std::string items;
        for (int row = 0; row < list->count(); ++row)
            items += (row ? "; " : "") + list->item(row)->text().toStdString();
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

    template <typename Picker>
    static Picker& As(QWidget& dialog)
    {
        auto* picker = qobject_cast<Picker*>(&dialog);
        if (!picker)
            throw std::runtime_error("another dialog is shown");
        return *picker;
    }
};

TEST_F(TDlgSelectTest, ChosenTournamentOpensItsViewAndIsRestoredOnReopening)
{
    SetCurrentView(FilterMode::Team, SampleIds::FirstTeam(SampleIds::England), 0, 0, 0);
    Start();
    const std::string season = SeasonName(3);
    const std::string russianCup = "Россия " + ChampName(RussianCup);
    const std::string englishCup = "England " + ChampName(EnglishCup);
    InModalDialog("btnChampionat", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectChamp>(dialog);
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

    InModalDialog("btnChampionat", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectChamp>(dialog);
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
    StartOnLeague();
    const std::string history = History();
    InModalDialog("btnChampionat", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectChamp>(dialog);
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
    StartOnLeague();
    const std::string history = History();
    InModalDialog("btnTeam", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectTeam>(dialog);
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
    StartOnLeague();
    const std::string league = ChampName(EnglishLeague);
    InModalDialog("btnTeam", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectTeam>(dialog);
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

    InModalDialog("btnTeam", [&](QWidget& dialog) {
        auto& picker = As<TDlgSelectTeam>(dialog);
        EXPECT_EQ(picker.cboChamp->currentText().toStdString(), league);
        EXPECT_EQ(picker.cboSeason->currentText(), "All seasons");
        EXPECT_EQ(Chosen(picker.lstTeam), "Aldermoor Town");
        EXPECT_EQ(Caption(picker.lblTeam), "Aldermoor Town");
    });
}

TEST_F(TDlgSelectTest, PickersFitTheirTextsInBothLanguages)
{
    StartOnLeague();
    for (const char* language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        DBSetting::Global()->WriteString("Lang", language);
        DBSetting::Global()->LoadLanguage();
        const std::pair<const char*, int> pickers[] = {{"btnChampionat", 1045}, {"btnTeam", 1042}};
        for (const auto& [button, title] : pickers)
            InModalDialog(button, [&, title = title](QWidget& dialog) {
                EXPECT_EQ(dialog.windowTitle().toStdString(), DBSetting::Global()->GetLangText(title));
                ExpectControlsFit(dialog);
            });
    }
}

}  // namespace
