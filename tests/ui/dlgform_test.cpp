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

constexpr TColor PitchGreen = 0x66E099;
constexpr TColor Blue = 0xFF0000;

// Each place's grid, the squad slot it lists and how many players it shows.
struct PlaceGrid {
    const char* name;
    int slot;
    int players;
};
constexpr PlaceGrid PlaceGrids[] = {
    {"gridFC", SquadSlot::CentreForward, 4},  {"gridMR", SquadSlot::RightMidfield, 6},
    {"gridML", SquadSlot::LeftMidfield, 6},   {"gridMC", SquadSlot::CentreMidfield, 4},
    {"gridDR", SquadSlot::RightBack, 4},      {"gridDL", SquadSlot::LeftBack, 4},
    {"gridDC", SquadSlot::CentreBack, 4},     {"gridGK", SquadSlot::Goalkeeper, 2},
    {"gridFR", SquadSlot::RightForward, 5},   {"gridFL", SquadSlot::LeftForward, 5},
    {"gridDM", SquadSlot::DefensiveMidfield, 4}};

using PlaceRows = std::vector<std::string>;

// The line-up window on the sample's squads, owned by a plain window in place of a card.
class TDlgFormTest : public MainWindowFixture {
protected:
    TDlgFormTest()
    {
        owner.setGeometry(150, 100, 716, 460);
        owner.show();
        // Two clubs of different countries, so that the own-country mark differs.
        const std::string first = Value("SELECT TOP 1 TeamID FROM PlayersSquad ORDER BY TeamID");
        const std::string second = Value("SELECT TOP 1 S.TeamID FROM PlayersSquad AS S INNER JOIN Team AS T ON "
                                         "T.TeamID=S.TeamID WHERE T.NationalID<>(SELECT NationalID FROM Team "
                                         "WHERE TeamID=" + first + ") ORDER BY S.TeamID");
        EXPECT_TRUE(team1.OpenByID(std::stoi(first)));
        EXPECT_TRUE(team2.OpenByID(std::stoi(second)));
    }

    static void English()
    {
        DBSetting::Global()->WriteString("Lang", "en");
        DBSetting::Global()->LoadLanguage();
    }

    TJXGrid* Grid(TDlgForm& form, const char* name) { return form.findChild<TJXGrid*>(name); }

    // What a place shows: "position|short name|skill" per player, "*" after the name
    // of one from the team's own country. Empty rows must be green and blank.
    static PlaceRows Shown(TJXGrid& grid)
    {
        PlaceRows rows;
        for (int row = 1; row < grid.RowCount(); ++row) {
            if (grid.Cell(row, 1).empty()) {
                for (int col = 0; col < grid.ColCount(); ++col) {
                    EXPECT_EQ(grid.Cell(row, col), "") << grid.objectName().toStdString() << " row " << row;
                    EXPECT_EQ(grid.GetCellsProperty(row, col).Color, PitchGreen);
                }
                continue;
            }
            EXPECT_EQ(grid.GetCellsProperty(row, 0).Color, PitchGreen);
            EXPECT_TRUE(grid.GetCellsProperty(row, 2).Bold);
            rows.push_back(grid.Cell(row, 0) + "|" + grid.Cell(row, 1) +
                           (grid.GetCellsProperty(row, 1).FontColor == Blue ? "*" : "") + "|" + grid.Cell(row, 2));
        }
        return rows;
    }

    // The best candidates of a place, in the same form, from the squad query.
    static PlaceRows Candidates(DBTeam& team, int minSkills, const PlaceGrid& place)
    {
        DBPlayers players;
        EXPECT_TRUE(players.OpenSquad(team.GetTeamID(), minSkills, place.slot));
        PlaceRows rows;
        TADOQuery* query = players.GetQuery();
        for (query->First(); !query->Eof() && static_cast<int>(rows.size()) < place.players; query->Next())
            rows.push_back(players.GetPosName() + "|" + players.GetShortName() +
                           (players.GetNationalID() == team.GetNationalID() ? "*" : "") + "|" +
                           IntToStr(players.GetSkills()));
        return rows;
    }

    // Every place shows the team's best candidates, as many as its rows hold.
    void ExpectTeamShown(TDlgForm& form, DBTeam& team, int minSkills)
    {
        for (const PlaceGrid& place : PlaceGrids) {
            TJXGrid* grid = Grid(form, place.name);
            ASSERT_NE(grid, nullptr) << place.name;
            EXPECT_EQ(grid->RowCount(), place.players + 1) << place.name;
            EXPECT_EQ(Shown(*grid), Candidates(team, minSkills, place)) << place.name;
        }
    }

    std::string Title(TDlgForm& form) { return form.windowTitle().toStdString(); }

    QWidget owner;
    DBTeam team1;
    DBTeam team2;
};

TEST_F(TDlgFormTest, OneTeamShowsItsBestCandidatesOfEveryPlaceWithoutTeamButtons)
{
    English();
    TDlgForm form(&owner, &team1);
    form.Start(0);
    form.show();
    EXPECT_EQ(Title(form), "Line-up: " + team1.GetName() + ". Minimum level:0");
    EXPECT_EQ(form.size(), QSize(547, 428));
    EXPECT_LE((form.geometry().center() - owner.geometry().center()).manhattanLength(), 2);
    EXPECT_FALSE(form.findChild<QPushButton*>("btnTeam1Change")->isVisible());
    EXPECT_FALSE(form.findChild<QPushButton*>("btnTeam2Change")->isVisible());

    TJXGrid* goalkeepers = Grid(form, "gridGK");
    EXPECT_EQ(goalkeepers->Cell(0, 0), "Pos.");
    EXPECT_EQ(goalkeepers->Cell(0, 2), "Lvl");
    const Rows best = Select("SELECT TOP 2 P.Skills FROM Players AS P INNER JOIN PlayersSquad AS S ON "
                             "S.PlayerID=P.PlayerID WHERE S.TeamID=" + IntToStr(team1.GetTeamID()) +
                             " AND P.PosID=1 ORDER BY P.Skills DESC");
    ASSERT_EQ(best.size(), 2u);
    EXPECT_EQ(goalkeepers->Cell(1, 2), best[0][0]);
    EXPECT_EQ(goalkeepers->Cell(2, 2), best[1][0]);
    ExpectTeamShown(form, team1, 0);
    int ownCountry = 0, others = 0;
    for (const PlaceGrid& place : PlaceGrids)
        for (const std::string& row : Shown(*Grid(form, place.name)))
            ++(row.find('*') != std::string::npos ? ownCountry : others);
    EXPECT_TRUE(ownCountry > 0 && others > 0) << "players of the team's country and of others";
}

TEST_F(TDlgFormTest, ABoundAboveEverySkillLeavesEveryPlaceGreenAndEmpty)
{
    TDlgForm form(&owner, &team1);
    form.Start(0);
    form.Start(100);
    EXPECT_EQ(Title(form), "Расстановка: " + team1.GetName() + ". Минимальный уровень:100");
    for (const PlaceGrid& place : PlaceGrids)
        EXPECT_TRUE(Shown(*Grid(form, place.name)).empty()) << place.name;
}

TEST_F(TDlgFormTest, TwoTeamsSwitchWithTheirButtons)
{
    English();
    TDlgForm form(&owner, &team1, &team2);
    form.Start(40);
    form.show();
    auto* first = form.findChild<QPushButton*>("btnTeam1Change");
    auto* second = form.findChild<QPushButton*>("btnTeam2Change");
    ASSERT_TRUE(first->isVisible() && second->isVisible());
    EXPECT_EQ(first->text().toStdString(), team1.GetName());
    EXPECT_EQ(second->text().toStdString(), team2.GetName());
    ExpectTeamShown(form, team1, 40);

    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(Title(form), "Line-up: " + team2.GetName() + ". Minimum level:40");
    ExpectTeamShown(form, team2, 40);
    std::vector<PlaceRows> shown;
    for (const PlaceGrid& place : PlaceGrids)
        shown.push_back(Shown(*Grid(form, place.name)));
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(Title(form), "Line-up: " + team2.GetName() + ". Minimum level:40");
    for (size_t i = 0; i < std::size(PlaceGrids); ++i)
        EXPECT_EQ(Shown(*Grid(form, PlaceGrids[i].name)), shown[i]) << PlaceGrids[i].name;

    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(Title(form), "Line-up: " + team1.GetName() + ". Minimum level:40");
    ExpectTeamShown(form, team1, 40);
}

}  // namespace
