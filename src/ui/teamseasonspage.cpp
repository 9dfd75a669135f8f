#include "ui/teamseasonspage.h"

#include "data/codes.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "presenters/dbtablegrid.h"

#include <QChartView>
#include <QGroupBox>
#include <QRadioButton>

TTeamSeasonsPage::TTeamSeasonsPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabStatsSeasons", team)
{
    BuildLayout();
    SeasonsGrid = std::make_unique<DBTableGrid>(gridStatsSeasons);
    SeasonsGrid->SetupSeasonColumns();
    for (const RadioRow* row : {&Sides, &Kinds, &Types})
        row->OnChecked(this, [this] { Fill(); });
}

TTeamSeasonsPage::~TTeamSeasonsPage() = default;

void TTeamSeasonsPage::BuildLayout()
{
    Sides = AddSideRadios(this, nullptr, {"btnStatsAllField", "btnStatsHomeField", "btnStatsAwayField"});
    btnStatsAllField = Sides[0];
    btnStatsHomeField = Sides[1];
    btnStatsAwayField = Sides[2];
    Types = AddRadioRow(this, nullptr, {"btnIsChamp", "btnIsCup", "btnIsEuro"});
    Types.SetCaptions({1133, 1134, 1135});
    btnIsChamp = Types[0];
    btnIsCup = Types[1];
    btnIsEuro = Types[2];
    Kinds = AddRadioRow(this, nullptr, {"btnWin", "btnDraw", "btnLose", "btnTB", "btnTM", "btnAGoal1", "btnAGoal2"});
    Kinds.SetCaptions({1095, 1096, 1097, 1136, 1137, 1138, 1139});
    btnWin = Kinds[0];
    btnDraw = Kinds[1];
    btnLose = Kinds[2];
    btnTB = Kinds[3];
    btnTM = Kinds[4];
    btnAGoal1 = Kinds[5];
    btnAGoal2 = Kinds[6];

    gridStatsSeasons = new TJXGrid(this);
    gridStatsSeasons->setObjectName("gridStatsSeasons");
    chtStatsSeasons = AddChartView(this, "chtStatsSeasons");

    AddGridChartLayout(this, {Sides.frame, Types.frame}, gridStatsSeasons, Kinds.frame, chtStatsSeasons);
}

void TTeamSeasonsPage::Fill()
{
    SeasonsGrid->Table()->SelectTeamSeasons(TeamID(), Sides.Field(), ChampType());
    SeasonsGrid->FillSeasonStats(false, chtStatsSeasons->chart(), Kinds.Checked());
}

int TTeamSeasonsPage::ChampType() const
{
    if (btnIsChamp->isChecked())
        return ChampTypeID::League;
    if (btnIsCup->isChecked())
        return ChampTypeID::Cup;
    return ChampTypeID::International;
}
