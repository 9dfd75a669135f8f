#include "ui/teamlastpage.h"

#include "data/dbfixed.h"
#include "foundation/jxgrid.h"
#include "foundation/resulticons.h"
#include "presenters/dbfixedgrid.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr int LastMatches = 30;

}  // namespace

TTeamLastPage::TTeamLastPage(QWidget* parent, DBTeam* team)
    : TTeamPage(parent, "tabLast", team), resultImages(CreateResultIcons())
{
    BuildLayout();
    gridLastFixed->SetImageList(&resultImages);
    LastGrid = std::make_unique<DBFixedGrid>(gridLastFixed);
    LastGrid->SetupColumns(false);
    Sides.OnChecked(this, [this] { Fill(); });
    Types.OnToggled(this, [this] { Fill(); });
    ChartModes.OnChecked(this, [this] { btnScoreClick(); });
}

TTeamLastPage::~TTeamLastPage() = default;

void TTeamLastPage::BuildLayout()
{
    Sides = AddSideRadios(this, nullptr,
                          {{"btnLastFieldAll", &btnLastFieldAll},
                           {"btnLastFieldHome", &btnLastFieldHome},
                           {"btnLastFieldAway", &btnLastFieldAway}});
    Types = AddTypeBoxes(
            this, {{"chkLastChamp", &chkLastChamp}, {"chkLastCup", &chkLastCup}, {"chkLastLeagua", &chkLastLeagua}});
    ChartModes = AddRadioRow(
            this, nullptr,
            {{"btnScore", &btnScore}, {"btnMiss", &btnMiss}, {"btnDiffBall", &btnDiffBall}, {"btnTotal", &btnTotal}});
    ChartModes.SetCaptions({1129, 1130, 1131, 1132});

    gridLastFixed = new TJXGrid(this);
    gridLastFixed->setObjectName("gridLastFixed");
    chartLast = AddChartView(this, "chartLast");

    AddGridChartLayout(this, {Sides.frame, Types.frame}, gridLastFixed, ChartModes.frame, chartLast);
}

void TTeamLastPage::Fill()
{
    // Every box checked keeps every type, also those beyond the three.
    const AnsiString types = Types.AllChecked() ? AnsiString() : Types.TypeList();
    LastGrid->Fixed()->OpenLastByTeam(TeamID(), LastMatches, types, Sides.Field());
    btnScoreClick();
}

void TTeamLastPage::btnScoreClick()
{
    LastGrid->FillTeamFixed(chartLast->chart(), ChartModes.Checked());
}
