#include "ui/dlgchamp.h"

#include "data/codes.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/ttoolbutton.h"
#include "presenters/dbfixedgrid.h"
#include "presenters/dbresultgrid.h"
#include "presenters/gridfill.h"
#include "ui/champseasonspage.h"
#include "ui/champstatspage.h"
#include "ui/champtablepage.h"
#include "ui/champtourpage.h"
#include "ui/flagpicture.h"
#include "ui/formcontrols.h"

#include <QLabel>
#include <QTabWidget>

TDlgChamp* DlgChamp = nullptr;

namespace {

constexpr int FlagLeft = 8;
constexpr int TitleMargin = 36;

}  // namespace

TDlgChamp::TDlgChamp(QWidget* owner, DBFilter* filter, int champID, const AnsiString& seasonName,
                     TToolButton* closeButton)
    : TCardForm(owner, "DlgChamp"),
      Filter(filter),
      CloseButton(closeButton),
      ChampID(champID),
      Champ(std::make_unique<DBChamp>())
{
    SetTag(0);
    Champ->OpenByID(champID);
    BuildLayout(seasonName);
    ApplyLanguage();
    CalendarGrid = std::make_unique<DBFixedGrid>(gridCalendar);
    CalendarGrid->SetupCalendarColumns();
    gridChess->ResizeArr(30, 30);
    CrossGrid = std::make_unique<DBResultGrid>(gridChess);

    ConnectPages();
    ConnectHandler(tabTable->gridTable, &TJXGrid::OnDblClick, this, &TDlgChamp::gridTableDblClick);
    ConnectHandler(tabStats->gridStats, &TJXGrid::OnDblClick, this, &TDlgChamp::gridStatsDblClick);
    ConnectHandler(gridCalendar, &TJXGrid::OnDblClick, this, &TDlgChamp::gridCalendarDblClick);
}

TDlgChamp::~TDlgChamp()
{
    FormDestroy();
}

void TDlgChamp::BuildLayout(const AnsiString& seasonName)
{
    panel1 = AddHeader("panel1");
    imgChamp = AddHeaderFlag(panel1, "imgChamp", FlagLeft);
    lblChampName = AddHeaderTitle(panel1, "lblChampName",
                                  QRect(TitleMargin, 0, CardWidth - 2 * TitleMargin, HeaderHeight));

    page1 = AddPages();
    tabTable = new TChampTablePage(page1, ChampID, seasonName);
    tabChess = new TGridPage(page1, "tabChess", "gridChess", [this] { FillCross(); });
    gridChess = tabChess->Grid();
    // Export stays out of sight.
    toolNRight = AddControl<QWidget>(tabChess, "toolNRight", QRect(0, 0, 30, 30));
    btnExcel = AddControl<TToolButton>(toolNRight, "btnExcel", QRect(0, 0, 30, 30));
    toolNRight->hide();
    tabStats = new TChampStatsPage(page1, ChampID, seasonName);
    tabStatsSeasons = new TChampSeasonsPage(page1, ChampID);
    tabTour = new TChampTourPage(page1, ChampID);
    tabCalendar = new TGridPage(page1, "tabCalendar", "gridCalendar", [this] { FillCalendar(); });
    gridCalendar = tabCalendar->Grid();
    for (TCardPage* page : std::initializer_list<TCardPage*>{tabTable, tabChess, tabStats, tabStatsSeasons, tabTour,
                                                             tabCalendar})
        AddPage(page);
}

void TDlgChamp::ApplyLanguage()
{
    setWindowTitle(QString::fromStdString(LangText(1176)));
    const std::pair<TCardPage*, int> captions[] = {{tabTable, 1177},        {tabChess, 1253}, {tabStats, 1178},
                                                   {tabStatsSeasons, 1126}, {tabTour, 1234},  {tabCalendar, 1128}};
    for (const auto& [page, id] : captions)
        page1->setTabText(page1->indexOf(page), QString::fromStdString(LangText(id)));
}

void TDlgChamp::FormDestroy()
{
    CrossGrid.reset();
    CalendarGrid.reset();
    Champ.reset();
}

void TDlgChamp::FormShow()
{
    SetCaption(lblChampName, Champ->GetDisplayName() + " (" + Champ->GetNationalID() + ")");
    LoadFlagPicture(imgChamp);
    // The cross table and the marks are the matchdays of a league.
    const bool league = Champ->GetTypeID() == ChampTypeID::League;
    SetPageVisible(tabChess, league);
    SetPageVisible(tabTour, league);
    tabTable->FillRounds();
    page1Change();
}

void TDlgChamp::FillCross()
{
    CrossGrid->FillCross(ChampID);
}

void TDlgChamp::FillCalendar()
{
    CalendarGrid->Fixed()->OpenCalendarByChamp(ChampID);
    CalendarGrid->FillCalendar("");
}

void TDlgChamp::gridTableDblClick()
{
    // Leaves card mode at once, so the main window shows the team.
    if (AddTeamView(tabTable->gridTable, tabTable->Standings(), tabTable->SeasonID()) && CloseButton)
        CloseButton->click();
}

void TDlgChamp::gridStatsDblClick()
{
    AddTeamView(tabStats->gridStats, tabStats->Statistics(), tabStats->SeasonID());
}

void TDlgChamp::gridCalendarDblClick()
{
    DBFixed* fixed = CalendarGrid->Fixed();
    if (fixed->Count() < 1)
        return;
    fixed->MoveBy(gridCalendar->Row() - 1);
    HandBack(Filter->AddTeamRival(fixed->GetTeam1ID(), fixed->GetTeam2ID()));
}

bool TDlgChamp::AddTeamView(TJXGrid* grid, DBTable* teams, int seasonID)
{
    if (teams->Count() < 1)
        return false;
    teams->MoveBy(grid->Row() - 1);
    const int teamID = teams->GetTeamID();
    const int season = seasonID != 0 ? seasonID : DBSeason::GetLastSeasonOfTeamChamp(teamID, ChampID);
    return HandBack(Filter->AddTeam(teamID, season));
}

bool TDlgChamp::HandBack(bool added)
{
    if (added) {
        SetTag(1);
        Close();
    }
    return added;
}
