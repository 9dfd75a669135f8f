#include "ui/champstatspage.h"

#include "data/dbasecontrols.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "presenters/dbtablegrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

TChampStatsPage::TChampStatsPage(QWidget* parent, int champID, const AnsiString& seasonName)
    : TCardPage(parent, "tabStats"), ChampID(champID), Season(std::make_unique<DBSeason>())
{
    BuildLayout();
    StatsGrid = std::make_unique<DBTableGrid>(gridStats);
    StatsGrid->SetupChampStatsColumns();
    FillSeasonCombo(cboStatsSeason, Season.get(), seasonName);

    ConnectHandler(cboStatsSeason, &QComboBox::activated, this, &TChampStatsPage::cboStatsSeasonChange);
    Sides.OnChecked(this, [this] { Fill(); });
}

TChampStatsPage::~TChampStatsPage() = default;

void TChampStatsPage::BuildLayout()
{
    cboStatsSeason = AddSeasonCombo(this, "cboStatsSeason");
    Sides = AddSideRadios(this, "gbStatsField",
                          {{"btnStatsAllField", &btnStatsAllField},
                           {"btnStatsHomeField", &btnStatsHomeField},
                           {"btnStatsAwayField", &btnStatsAwayField}});
    gbStatsField = Sides.frame;
    gridStats = new TJXGrid(this);
    gridStats->setObjectName("gridStats");

    auto* page = AddPageLayout(this, {cboStatsSeason, gbStatsField});
    page->addWidget(gridStats, 1);
}

void TChampStatsPage::Fill()
{
    StatsGrid->Table()->SelectTableFull(ChampID, SeasonID(), Sides.Field());
    StatsGrid->FillChampStats();
}

DBTable* TChampStatsPage::Statistics() const
{
    return StatsGrid->Table();
}

int TChampStatsPage::SeasonID()
{
    return Season->GetSeasonID();
}

void TChampStatsPage::cboStatsSeasonChange()
{
    SyncCombo(cboStatsSeason, Season.get());
    Fill();
}
