#include "ui/fixedtourpage.h"

#include "data/codes.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "presenters/dbresultgrid.h"
#include "ui/formcontrols.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int LastResults = 30;

constexpr int Left = 22;
constexpr QSize GridSize(668, 127);
constexpr int CaptionHeight = 16;
constexpr QSize OptionsSize(190, 28);

}  // namespace

TFixedTourPage::TFixedTourPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabTour", teams)
{
    BuildLayout();
    TourGrid = std::make_unique<DBResultGrid>(gridTour);
    TourGrid->SetupLastColumns();
    TourRivalGrid = std::make_unique<DBResultGrid>(gridTourRival);
    TourRivalGrid->SetupLastColumns();
    Sides.OnChecked(this, [this] { ShowTourByTour(); });
    ConnectHandler(chkTourNoField1, &QCheckBox::toggled, this, &TFixedTourPage::ShowTourByTour);
}

TFixedTourPage::~TFixedTourPage() = default;

void TFixedTourPage::BuildLayout()
{
    Sides = AddRadioRow(this, nullptr,
                        {{"btnTourFldAll", &btnTourFldAll}, {"btnTourFldHomeAway", &btnTourFldHomeAway}});
    Sides.SetCaptions({1092, 1183});
    Sides.frame->setGeometry(QRect(QPoint(Left + GridSize.width() - OptionsSize.width(), 2), OptionsSize));
    lblTourTeam = AddControl<QLabel>(this, "lblTourTeam", QRect(Left, 36, GridSize.width(), CaptionHeight));
    gridTour = AddControl<TJXGrid>(this, "gridTour", QRect(QPoint(Left, 54), GridSize));
    lblTourTeamRival =
            AddControl<QLabel>(this, "lblTourTeamRival", QRect(Left, 188, GridSize.width(), CaptionHeight));
    gridTourRival = AddControl<TJXGrid>(this, "gridTourRival", QRect(QPoint(Left, 206), GridSize));
    // Its choice changes nothing on the page.
    chkTourNoField1 = AddControl<QCheckBox>(this, "chkTourNoField1", QRect(Left, 8, 150, 20));
    chkTourNoField1->hide();
}

void TFixedTourPage::ShowTourByTour()
{
    const bool homeAway = btnTourFldHomeAway->isChecked();
    SetSideCaptions(lblTourTeam, lblTourTeamRival, homeAway);
    // A club without results leaves its strip's seven rows (the presenter keeps them), so
    // the club shown there after a swap gets its whole strip.
    TourGrid->Data->OpenLast(LastResults, Teams.team1ID, "", "", homeAway ? FieldCode::Home : FieldCode::Both);
    TourGrid->FillLast(nullptr, nullptr);
    TourRivalGrid->Data->OpenLast(LastResults, Teams.team2ID, "", "", homeAway ? FieldCode::Away : FieldCode::Both);
    TourRivalGrid->FillLast(nullptr, nullptr);
}
