#include "ui/fixedpreviewpage.h"

#include "data/codes.h"
#include "data/dbfixed.h"
#include "foundation/jxgrid.h"
#include "foundation/resulticons.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "presenters/dbfixedgrid.h"
#include "presenters/dbtablegrid.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>


namespace {

constexpr int LastMatches = 5;

// The page's fixed layout: team 1 left, team 2 right, the head-to-head list across.
constexpr int Left = 27;
constexpr int FullWidth = 657;
constexpr int HalfWidth = 320;
constexpr int RivalLeft = Left + FullWidth - HalfWidth;
constexpr int OptionsTop = 2;
constexpr int OptionsHeight = 28;
constexpr int TableTop = 34;
constexpr int TableHeight = 37;
constexpr int LastCaptionTop = 74;
constexpr int LastTop = 90;
constexpr int LastHeight = 109;
constexpr int FixedCaptionTop = 202;
constexpr int FixedTop = 218;
constexpr int FixedHeight = 127;
constexpr int CaptionHeight = 16;
constexpr QSize SummarySize(481, 19);
constexpr int SummaryTop = 350;

}  // namespace

TFixedPreviewPage::TFixedPreviewPage(QWidget* parent, FixedTeams& teams)
    : TFixedPage(parent, "tabPreview", teams), resultImages(CreateResultIcons())
{
    BuildLayout();
    ApplyLanguage();
    TableGrid = std::make_unique<DBTableGrid>(gridTable);
    TableGrid->SetupMatchTableColumns();
    TableRivalGrid = std::make_unique<DBTableGrid>(gridTableRival);
    TableRivalGrid->SetupMatchTableColumns();
    LastGrid = std::make_unique<DBFixedGrid>(gridLastSmall);
    LastGrid->SetupLastSmallColumns();
    LastRivalGrid = std::make_unique<DBFixedGrid>(gridLastSmallRival);
    LastRivalGrid->SetupLastSmallColumns();
    HeadToHeadGrid = std::make_unique<DBFixedGrid>(gridFixed);
    HeadToHeadGrid->SetupColumns(false);

    Sides.OnChecked(this, [this] { btnFieldAllClick(); });
    Competitions.OnToggled(this, [this] { btnFieldAllClick(); });
    for (TJXGrid* grid : {gridTable, gridTableRival, gridLastSmall, gridLastSmallRival})
        ConnectHandler(grid, &TJXGrid::OnMouseDown, this, &TFixedPreviewPage::gridTableClick);
}

TFixedPreviewPage::~TFixedPreviewPage() = default;

void TFixedPreviewPage::BuildLayout()
{
    Sides = AddRadioRow(this, "grpPrevField", {{"btnFieldAll", &btnFieldAll}, {"btnFieldHomeAway", &btnFieldHomeAway}});
    Sides.frame->setGeometry(Left, OptionsTop, 190, OptionsHeight);
    Competitions = AddTypeBoxes(
            this, {{"chkPrevChamp", &chkPrevChamp}, {"chkPrevCup", &chkPrevCup}, {"chkPrevLeagua", &chkPrevLeagua}});
    Competitions.frame->setGeometry(Left + 200, OptionsTop, 300, OptionsHeight);

    gridTable = AddControl<TJXGrid>(this, "gridTable", QRect(Left, TableTop, HalfWidth, TableHeight));
    gridTableRival = AddControl<TJXGrid>(this, "gridTableRival", QRect(RivalLeft, TableTop, HalfWidth, TableHeight));
    lblLast1 = AddControl<QLabel>(this, "lblLast1", QRect(Left, LastCaptionTop, HalfWidth, CaptionHeight));
    lblLast2 = AddControl<QLabel>(this, "lblLast2", QRect(RivalLeft, LastCaptionTop, HalfWidth, CaptionHeight));
    gridLastSmall = AddControl<TJXGrid>(this, "gridLastSmall", QRect(Left, LastTop, HalfWidth, LastHeight));
    gridLastSmallRival =
            AddControl<TJXGrid>(this, "gridLastSmallRival", QRect(RivalLeft, LastTop, HalfWidth, LastHeight));
    lblFixed = AddControl<QLabel>(this, "lblFixed", QRect(Left, FixedCaptionTop, FullWidth, CaptionHeight));
    lblFixed->setAlignment(Qt::AlignCenter);
    gridFixed = AddControl<TJXGrid>(this, "gridFixed", QRect(Left, FixedTop, FullWidth, FixedHeight));
    gridFixed->SetImageList(&resultImages);
    BuildSummary();
}

void TFixedPreviewPage::BuildSummary()
{
    panelResult = AddControl<QWidget>(
            this, "panelResult",
            QRect(QPoint(Left + (FullWidth - SummarySize.width()) / 2, SummaryTop), SummarySize));
    auto* row = new QHBoxLayout(panelResult);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addStretch();
    Summary.lblRLGame = AddSummaryLabel(panelResult, "lblRLGame", "Игр:", false);
    Summary.lblRGame = AddSummaryLabel(panelResult, "lblRGame", "0", true);
    Summary.lblRLWDL = AddSummaryLabel(panelResult, "lblRLWDL", "ВНП:", false);
    Summary.lblRWDL = AddSummaryLabel(panelResult, "lblRWDL", "+0=0-0", true);
    Summary.lblRLGoals = AddSummaryLabel(panelResult, "lblRLGoals", "Мячи:", false);
    Summary.lblRGoals = AddSummaryLabel(panelResult, "lblRGoals", "0:0", true);
    Summary.lblRLUnOv = AddSummaryLabel(panelResult, "lblRLUnOv", "ТМ-ТБ:", false);
    Summary.lblRTotal = AddSummaryLabel(panelResult, "lblRTotal", "0-0", true);
    Summary.lblRLAvGAvM = AddSummaryLabel(panelResult, "lblRLAvGAvM", "СрЗб-СрПр:", false);
    Summary.lblRAvgGoals = AddSummaryLabel(panelResult, "lblRAvgGoals", "0-0", true);
    row->addStretch();
}

void TFixedPreviewPage::ApplyLanguage()
{
    Sides.SetCaptions({1092, 1183});
    SetCaption(lblLast1, LangText(1184));
    SetCaption(lblLast2, LangText(1184));
    SetCaption(lblFixed, LangText(1185));
    Summary.ApplyLanguage();
}

AnsiString TFixedPreviewPage::TypeList() const
{
    return Competitions.AllChecked() ? AnsiString() : Competitions.TypeList();
}

void TFixedPreviewPage::ShowPreview()
{
    if (Filled)
        return;
    const bool homeAway = btnFieldHomeAway->isChecked();
    const int field1 = homeAway ? FieldCode::Home : FieldCode::Both;
    const int field2 = homeAway ? FieldCode::Away : FieldCode::Both;
    const AnsiString types = TypeList();
    TableGrid->FillMatchTable(Teams.team1ID, field1);
    TableRivalGrid->FillMatchTable(Teams.team2ID, field2);
    LastGrid->Fixed()->OpenLastByTeam(Teams.team1ID, LastMatches, types, field1);
    LastGrid->FillLastSmall();
    LastRivalGrid->Fixed()->OpenLastByTeam(Teams.team2ID, LastMatches, types, field2);
    LastRivalGrid->FillLastSmall();
    HeadToHeadGrid->Fixed()->OpenHeadToHead(Teams.team1ID, Teams.team2ID, types, field1);
    HeadToHeadGrid->FillFixed();
    Summary.Show(HeadToHeadGrid->Counters());
    Filled = true;
}

void TFixedPreviewPage::btnFieldAllClick()
{
    Filled = false;
    ShowPreview();
}

void TFixedPreviewPage::gridTableClick()
{
    gridFixed->setFocus();
}
