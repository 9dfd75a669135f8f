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
    Sides = AddSideRadios(this, nullptr,
                          {{"btnStatsAllField", &btnStatsAllField},
                           {"btnStatsHomeField", &btnStatsHomeField},
                           {"btnStatsAwayField", &btnStatsAwayField}});
    Types = AddRadioRow(this, nullptr,
                        {{"btnIsChamp", &btnIsChamp}, {"btnIsCup", &btnIsCup}, {"btnIsEuro", &btnIsEuro}});
    Types.SetCaptions({1133, 1134, 1135});
    Kinds = AddRadioRow(this, nullptr,
                        {{"btnWin", &btnWin},
                         {"btnDraw", &btnDraw},
                         {"btnLose", &btnLose},
                         {"btnTB", &btnTB},
                         {"btnTM", &btnTM},
                         {"btnAGoal1", &btnAGoal1},
                         {"btnAGoal2", &btnAGoal2}});
    Kinds.SetCaptions({1095, 1096, 1097, 1136, 1137, 1138, 1139});

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
