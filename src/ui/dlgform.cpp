#include "ui/dlgform.h"

#include "data/dbplayers.h"
#include "data/dbsetting.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/adoquery.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/sysutils.h"
#include "ui/formfont.h"

#include <QPushButton>

#include <cstdint>
#include <iterator>

namespace {

constexpr QSize FormSize(547, 428);

constexpr TColor PitchGreen = 0x66E099;
constexpr TColor OwnCountryColor = 0xFF0000;
constexpr TColor OtherCountryColor = 0x000000;

// Position, short name and skill of each place's players.
struct PlaceColumn {
    std::uint8_t align;
    const char* width;
    int header;  // language text id
};
constexpr PlaceColumn PlaceColumns[] = {{2, "45", 1275}, {0, "100%", 1276}, {2, "30", 1277}};
enum : int { PosColumn, NameColumn, SkillColumn };

// The pitch: forwards at the top, the goalkeeper at the bottom, each line from left
// to right. A grid is as high as its rows.
constexpr int LeftX = 4;
constexpr int CentreX = 185;
constexpr int RightX = 366;
constexpr int ColumnWidth = 177;

AnsiString Text(int id)
{
    return DBSetting::Global()->GetLangText(id);
}

}  // namespace

struct TDlgForm::Place {
    TJXGrid* TDlgForm::*grid;
    const char* name;
    int slot;
    int rows;  // the header and the players shown
    int left;
    int top;
};

const TDlgForm::Place TDlgForm::Places[] = {
    {&TDlgForm::gridFL, "gridFL", SquadSlot::LeftForward, 6, LeftX, 3},
    {&TDlgForm::gridFC, "gridFC", SquadSlot::CentreForward, 5, CentreX, 3},
    {&TDlgForm::gridFR, "gridFR", SquadSlot::RightForward, 6, RightX, 3},
    {&TDlgForm::gridML, "gridML", SquadSlot::LeftMidfield, 7, LeftX, 113},
    {&TDlgForm::gridMC, "gridMC", SquadSlot::CentreMidfield, 5, CentreX, 95},
    {&TDlgForm::gridMR, "gridMR", SquadSlot::RightMidfield, 7, RightX, 113},
    {&TDlgForm::gridDM, "gridDM", SquadSlot::DefensiveMidfield, 5, CentreX, 187},
    {&TDlgForm::gridDL, "gridDL", SquadSlot::LeftBack, 5, LeftX, 279},
    {&TDlgForm::gridDC, "gridDC", SquadSlot::CentreBack, 5, CentreX, 279},
    {&TDlgForm::gridDR, "gridDR", SquadSlot::RightBack, 5, RightX, 279},
    {&TDlgForm::gridGK, "gridGK", SquadSlot::Goalkeeper, 3, CentreX, 371},
};

TDlgForm::TDlgForm(QWidget* owner, DBTeam* team) : TForm(owner), Team1(team), Team2(nullptr), Mode(OneTeam)
{
    BuildLayout();
}

TDlgForm::TDlgForm(QWidget* owner, DBTeam* team1, DBTeam* team2)
    : TForm(owner), Team1(team1), Team2(team2), Mode(FirstShown)
{
    BuildLayout();
}

void TDlgForm::BuildLayout()
{
    setObjectName("DlgForm");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(FormSize);
    SetFormFont(this);
    setWindowTitle("Формирование");

    for (const Place& place : Places) {
        auto* grid = new TJXGrid(this);
        grid->setObjectName(place.name);
        grid->setGeometry(place.left, place.top, ColumnWidth, place.rows * grid->DefaultRowHeight());
        grid->SetRowCount(place.rows);
        grid->SetIsCursor(false);
        this->*place.grid = grid;
    }
    btnTeam1Change = new QPushButton(this);
    btnTeam1Change->setObjectName("btnTeam1Change");
    btnTeam1Change->setGeometry(LeftX, 385, ColumnWidth, 25);
    btnTeam2Change = new QPushButton(this);
    btnTeam2Change->setObjectName("btnTeam2Change");
    btnTeam2Change->setGeometry(RightX, 385, ColumnWidth, 25);
    for (QPushButton* button : {btnTeam1Change, btnTeam2Change})
        button->hide();
    ConnectHandler(btnTeam1Change, &QPushButton::clicked, this, &TDlgForm::btnTeam1ChangeClick);
    ConnectHandler(btnTeam2Change, &QPushButton::clicked, this, &TDlgForm::btnTeam2ChangeClick);
}

void TDlgForm::FormShow()
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    const QRect frame = frameGeometry();
    move(owner->mapToGlobal(owner->rect().center()) - QPoint(frame.width() / 2, frame.height() / 2));
}

void TDlgForm::Start(int minSkills)
{
    for (const Place& place : Places)
        SetupPositionColumns(this->*place.grid);
    MinSkills = minSkills;
    if (Mode != OneTeam)
        for (QPushButton* button : {btnTeam1Change, btnTeam2Change})
            button->show();
    Refill();
}

void TDlgForm::SetupPositionColumns(TJXGrid* grid)
{
    grid->SetColCount(static_cast<int>(std::size(PlaceColumns)));
    for (int col = 0; col < grid->ColCount(); ++col) {
        const auto& column = PlaceColumns[col];
        grid->SetColsProperty(col, TColsProperty{column.align, column.width, false});
        grid->SetCell(0, col, Text(column.header));
    }
}

DBTeam* TDlgForm::ShownTeam() const
{
    return Mode == SecondShown ? Team2 : Team1;
}

void TDlgForm::Refill()
{
    DBTeam* team = ShownTeam();
    setWindowTitle(QString::fromStdString(Text(1261) + " " + team->GetName() + ". " + Text(1262) +
                                          IntToStr(MinSkills)));
    if (Mode != OneTeam) {
        SetCaption(btnTeam1Change, Team1->GetName());
        SetCaption(btnTeam2Change, Team2->GetName());
    }
    const int teamID = team->GetTeamID();
    for (const Place& place : Places)
        FillPosition(this->*place.grid, place.slot, teamID);
}

void TDlgForm::FillPosition(TJXGrid* grid, int slot, int teamID)
{
    // Emptied whole, so a place with fewer candidates than before keeps no old names.
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col) {
            grid->SetCell(row, col, AnsiString());
            grid->SetCellsProperty(row, col, TCellsProperty{.Color = PitchGreen});
        }
    DBPlayers players;
    if (players.OpenSquad(teamID, MinSkills, slot)) {
        const AnsiString ownCountry = ShownTeam()->GetNationalID();
        TADOQuery* query = players.GetQuery();
        query->First();
        for (int row = grid->FixedRows(); row < grid->RowCount() && !query->Eof(); ++row, query->Next()) {
            grid->SetCell(row, PosColumn, players.GetPosName());
            grid->SetCell(row, NameColumn, players.GetShortName());
            grid->SetCell(row, SkillColumn, IntToStr(players.GetSkills()));
            for (int col = 0; col < grid->ColCount(); ++col)
                grid->GetCellsProperty(row, col).Bold = true;
            grid->GetCellsProperty(row, NameColumn).FontColor =
                players.GetNationalID() == ownCountry ? OwnCountryColor : OtherCountryColor;
        }
    }
    grid->Invalidate();
}

void TDlgForm::btnTeam1ChangeClick()
{
    if (Mode == OneTeam)
        return;
    Mode = FirstShown;
    Refill();
}

void TDlgForm::btnTeam2ChangeClick()
{
    if (Mode == OneTeam)
        return;
    Mode = SecondShown;
    Refill();
}
