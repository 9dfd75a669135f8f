#include "ui/dlgform.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "data/dbplayers.h"
#include "data/dbsetting.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "mainwindowfixture.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"

namespace {

using PlaceRows = std::vector<std::string>;

// Each place's grid, the squad slot it lists and how many players it shows.
constexpr std::tuple<const char*, int, int> Places[] = {
    {"gridFC", SquadSlot::CentreForward, 4}, {"gridMR", SquadSlot::RightMidfield, 6},
    {"gridML", SquadSlot::LeftMidfield, 6},  {"gridMC", SquadSlot::CentreMidfield, 4},
    {"gridDR", SquadSlot::RightBack, 4},     {"gridDL", SquadSlot::LeftBack, 4},
    {"gridDC", SquadSlot::CentreBack, 4},    {"gridGK", SquadSlot::Goalkeeper, 2},
    {"gridFR", SquadSlot::RightForward, 5},  {"gridFL", SquadSlot::LeftForward, 5},
    {"gridDM", SquadSlot::DefensiveMidfield, 4}};

// The line-up window on the sample's squads, owned by a plain window in place of a card.
class TDlgFormTest : public MainWindowFixture {
protected:
    TDlgFormTest()
    {
        owner.setGeometry(150, 100, 716, 460);
        owner.show();
        // Clubs of two countries, so that the own-country mark differs.
        const std::string first = Value("SELECT TOP 1 TeamID FROM PlayersSquad ORDER BY TeamID");
        EXPECT_TRUE(team1.OpenByID(std::stoi(first)));
        EXPECT_TRUE(team2.OpenByID(std::stoi(Value(
            "SELECT TOP 1 S.TeamID FROM PlayersSquad AS S INNER JOIN Team AS T ON T.TeamID=S.TeamID WHERE "
            "T.NationalID<>(SELECT NationalID FROM Team WHERE TeamID=" + first + ") ORDER BY S.TeamID"))));
        DBSetting::Global()->WriteString("Lang", "en");
        DBSetting::Global()->LoadLanguage();
    }

    // What a place shows: "position|short name|skill" per player, "*" after the name of
    // one from the shown team's country. Empty rows must be green and blank.
    static PlaceRows Shown(TDlgForm& form, const char* name)
    {
        TJXGrid& grid = *form.findChild<TJXGrid*>(name);
        PlaceRows rows;
        for (int row = 1; row < grid.RowCount(); ++row) {
            const AnsiString text = grid.Cell(row, 0) + grid.Cell(row, 1) + grid.Cell(row, 2);
            EXPECT_EQ(grid.GetCellsProperty(row, 0).Color, 0x66E099) << name << row;
            if (!text.empty())
                rows.push_back(grid.Cell(row, 0) + "|" + grid.Cell(row, 1) +
                               (grid.GetCellsProperty(row, 1).FontColor == 0xFF0000 ? "*" : "") +
                               "|" + grid.Cell(row, 2));
        }
        return rows;
    }

    // Every place shows the team's best candidates, as many as its rows hold.
    static void ExpectTeamShown(TDlgForm& form, DBTeam& team, int minSkills)
    {
        for (const auto& [name, slot, shown] : Places) {
            EXPECT_EQ(form.findChild<TJXGrid*>(name)->RowCount(), shown + 1) << name;
            DBPlayers players;
            ASSERT_TRUE(players.OpenSquad(team.GetTeamID(), minSkills, slot));
            PlaceRows best;
            for (players.GetQuery()->First(); !players.GetQuery()->Eof() && best.size() < size_t(shown);
                 players.GetQuery()->Next())
                best.push_back(players.GetPosName() + "|" + players.GetShortName() +
                               (players.GetNationalID() == team.GetNationalID() ? "*" : "") + "|" +
                               IntToStr(players.GetSkills()));
            EXPECT_EQ(Shown(form, name), best) << name;
        }
    }

    QPushButton* Button(TDlgForm& form, const char* name) { return form.findChild<QPushButton*>(name); }
    static void ExpectTitle(TDlgForm& form, DBTeam& team, const char* bound)
    {
        EXPECT_EQ(form.windowTitle().toStdString(), "Line-up: " + team.GetName() + ". Minimum level:" + bound);
    }

    QWidget owner;
    DBTeam team1;
    DBTeam team2;
};

TEST_F(TDlgFormTest, OneTeamShowsTheBestCandidatesOfEveryPlaceAndABoundAboveEverySkillNone)
{
    TDlgForm form(&owner, &team1);
    form.Start(0);
    form.show();
    ExpectTitle(form, team1, "0");
    EXPECT_EQ(form.size(), QSize(547, 428));
    EXPECT_LE((form.geometry().center() - owner.geometry().center()).manhattanLength(), 2) << "centred on the owner";
    EXPECT_FALSE(Button(form, "btnTeam1Change")->isVisible() || Button(form, "btnTeam2Change")->isVisible());
    EXPECT_EQ(form.findChild<TJXGrid*>("gridGK")->Cell(0, 2), "Lvl");
    ExpectTeamShown(form, team1, 0);
    int ownCountry = 0, others = 0;
    for (const auto& [name, slot, shown] : Places)
        for (const std::string& row : Shown(form, name))
            ++(row.find('*') != std::string::npos ? ownCountry : others);
    EXPECT_TRUE(ownCountry > 0 && others > 0) << "players of the team's country and of others";

    form.Start(100);
    ExpectTitle(form, team1, "100");
    for (const auto& [name, slot, shown] : Places)
        EXPECT_TRUE(Shown(form, name).empty()) << name;
}

TEST_F(TDlgFormTest, TwoTeamsSwitchWithTheirButtons)
{
    TDlgForm form(&owner, &team1, &team2);
    form.Start(40);
    form.show();
    QPushButton* first = Button(form, "btnTeam1Change");
    QPushButton* second = Button(form, "btnTeam2Change");
    ASSERT_TRUE(first->isVisible() && second->isVisible());
    EXPECT_EQ(first->text().toStdString(), team1.GetName());
    EXPECT_EQ(second->text().toStdString(), team2.GetName());
    ExpectTitle(form, team1, "40");
    ExpectTeamShown(form, team1, 40);

    QTest::mouseClick(second, Qt::LeftButton);
    ExpectTitle(form, team2, "40");
    ExpectTeamShown(form, team2, 40);
    QTest::mouseClick(second, Qt::LeftButton);
    ExpectTitle(form, team2, "40");
    ExpectTeamShown(form, team2, 40);

    QTest::mouseClick(first, Qt::LeftButton);
    ExpectTitle(form, team1, "40");
    ExpectTeamShown(form, team1, 40);
}

}  // namespace
