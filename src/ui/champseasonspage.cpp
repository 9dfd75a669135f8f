#include "ui/champseasonspage.h"

#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "presenters/dbtablegrid.h"

#include <QChartView>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The grid shows a few seasons above the chart.
constexpr int GridStretch = 2;
constexpr int ChartStretch = 3;

}  // namespace

TChampSeasonsPage::TChampSeasonsPage(QWidget* parent, int champID) : TCardPage(parent, "tabStatsSeasons"), ChampID(champID)
{
    BuildLayout();
    SeasonsGrid = std::make_unique<DBTableGrid>(gridStatsSeasons);
    SeasonsGrid->SetupChampSeasonColumns();
    Kinds.OnChecked(this, [this] { Fill(); });
}

TChampSeasonsPage::~TChampSeasonsPage() = default;

void TChampSeasonsPage::BuildLayout()
{
    Kinds = AddRadioRow(this, nullptr,
                        {{"btnWin", &btnWin}, {"btnDraw", &btnDraw}, {"btnLose", &btnLose}, {"btnTB", &btnTB},
                         {"btnTM", &btnTM}, {"btnAGoal1", &btnAGoal1}, {"btnAGoal2", &btnAGoal2}});
    Kinds.SetCaptions({1179, 1096, 1180, 1136, 1137, 1181, 1182});

    gridStatsSeasons = new TJXGrid(this);
    gridStatsSeasons->setObjectName("gridStatsSeasons");
    chtStatsSeasons = AddChartView(this, "chtStatsSeasons");

    QVBoxLayout* page = AddPageLayout(this, {Kinds.frame});
    page->addWidget(gridStatsSeasons, GridStretch);
    page->addWidget(chtStatsSeasons, ChartStretch);
}

void TChampSeasonsPage::Fill()
{
    SeasonsGrid->Table()->SelectChampSeasons(ChampID);
    SeasonsGrid->FillSeasonStats(true, chtStatsSeasons->chart(), Kinds.Checked());
}
