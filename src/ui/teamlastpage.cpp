#include "ui/teamlastpage.h"

#include "data/dbfixed.h"
#include "foundation/jxgrid.h"
#include "presenters/dbfixedgrid.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr int LastMatches = 30;

}  // namespace

TTeamLastPage::TTeamLastPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabLast", team)
{
    BuildLayout();
    LastGrid = std::make_unique<DBFixedGrid>(gridLastFixed);
    LastGrid->SetupColumns(false);
    Sides.OnChecked(this, [this] { Fill(); });
    Types.OnToggled(this, [this] { Fill(); });
    ChartModes.OnChecked(this, [this] { btnScoreClick(); });
}

TTeamLastPage::~TTeamLastPage() = default;

void TTeamLastPage::BuildLayout()
{
    Sides = AddSideRadios(this, nullptr, {"btnLastFieldAll", "btnLastFieldHome", "btnLastFieldAway"});
    btnLastFieldAll = Sides[0];
    btnLastFieldHome = Sides[1];
    btnLastFieldAway = Sides[2];
    Types = AddTypeBoxes(this, {"chkLastChamp", "chkLastCup", "chkLastLeagua"});
    chkLastChamp = Types[0];
    chkLastCup = Types[1];
    chkLastLeagua = Types[2];
    ChartModes = AddRadioRow(this, nullptr, {"btnScore", "btnMiss", "btnDiffBall", "btnTotal"});
    ChartModes.SetCaptions({1129, 1130, 1131, 1132});
    btnScore = ChartModes[0];
    btnMiss = ChartModes[1];
    btnDiffBall = ChartModes[2];
    btnTotal = ChartModes[3];

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
