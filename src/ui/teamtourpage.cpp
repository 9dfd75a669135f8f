#include "ui/teamtourpage.h"

#include "data/codes.h"
#include "data/dbfilter.h"
#include "foundation/jxgrid.h"
#include "presenters/dbresultgrid.h"

#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int LastResults = 30;
// The header and a row per mark kind.
constexpr int MarkRows = MarkKind::Last + 1;
// The relation DBFilter gives when every result is kept.
constexpr const char* EveryResult = "==";

}  // namespace

TTeamTourPage::TTeamTourPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabTour", team)
{
    BuildLayout();
    TourGrid = std::make_unique<DBResultGrid>(gridTour);
    TourGrid->SetupLastColumns();
    Sides.OnChecked(this, [this] { Fill(); });
    Results.OnToggled(this, [this] { Fill(); });
    Totals.OnChecked(this, [this] { Fill(); });
}

TTeamTourPage::~TTeamTourPage() = default;

void TTeamTourPage::BuildLayout()
{
    Sides = AddSideRadios(this, nullptr,
                          {{"btnTourFieldAll", &btnTourFieldAll},
                           {"btnTourFieldHome", &btnTourFieldHome},
                           {"btnTourFieldAway", &btnTourFieldAway}});
    Results = AddCheckRow(this,
                          {{"chkTourWin", &chkTourWin}, {"chkTourDraw", &chkTourDraw}, {"chkTourLose", &chkTourLose}});
    Results.SetCaptions({1095, 1096, 1097});
    Totals = AddRadioRow(this, nullptr,
                         {{"btnTourTotalAll", &btnTourTotalAll},
                          {"btnTourTotalUnder", &btnTourTotalUnder},
                          {"btnTourTotalOver", &btnTourTotalOver}});
    Totals.SetCaptions({1092, 1137, 1136});

    gridTour = new TJXGrid(this);
    gridTour->setObjectName("gridTour");
    gridTour->setFixedHeight(MarkRows * gridTour->DefaultRowHeight() + 2 * gridTour->frameWidth());
    Chart1 = AddChartView(this, "Chart1");
    Chart2 = AddChartView(this, "Chart2");

    QVBoxLayout* page = AddPageLayout(this, {Sides.frame, Results.frame, Totals.frame});
    page->addWidget(gridTour);
    auto* pies = new QHBoxLayout;
    pies->addWidget(Chart1);
    pies->addWidget(Chart2);
    page->addLayout(pies, 1);
}

AnsiString TTeamTourPage::ResultOp() const
{
    const AnsiString op = DBFilter::ResultRelation(chkTourWin->isChecked(), chkTourDraw->isChecked(),
                                                   chkTourLose->isChecked());
    return op == EveryResult ? AnsiString() : op;
}

AnsiString TTeamTourPage::TotalOp() const
{
    if (btnTourTotalUnder->isChecked())
        return "<=";
    if (btnTourTotalOver->isChecked())
        return ">";
    return AnsiString();
}

void TTeamTourPage::Fill()
{
    TourGrid->Data->OpenLast(LastResults, TeamID(), ResultOp(), TotalOp(), Sides.Field());
    TourGrid->FillLast(Chart1->chart(), Chart2->chart());
}
