#include "ui/dlgteam.h"

#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "presenters/dbfixedgrid.h"
#include "presenters/gridfill.h"
#include "ui/flagpicture.h"
#include "ui/formcontrols.h"
#include "ui/teamlastpage.h"
#include "ui/teamratingpage.h"
#include "ui/teamseasonspage.h"
#include "ui/teamseriespage.h"
#include "ui/teamsquadpage.h"
#include "ui/teamtourpage.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

#include <utility>

TDlgTeam* DlgTeam = nullptr;

namespace {

constexpr int FlagLeft = 8;
constexpr int TitleMargin = 36;
constexpr int FavouriteSize = 20;

}  // namespace

TDlgTeam::TDlgTeam(QWidget* owner, DBFilter* filter)
    : TCardForm(owner, "DlgTeam"), Filter(filter), Team(std::make_unique<DBTeam>())
{
    SetTag(0);
    BuildLayout();
    ApplyLanguage();
    CalendarGrid = std::make_unique<DBFixedGrid>(gridCalendar);
    CalendarGrid->SetupCalendarColumns();
    // The layout's active page; the hidden squad tab comes first.
    page1->setCurrentWidget(tabLast);
    ConnectPages();
    ConnectHandler(chkFav, &QCheckBox::toggled, this, &TDlgTeam::chkFavClick);
    ConnectHandler(gridCalendar, &TJXGrid::OnDblClick, this, &TDlgTeam::gridCalendarDblClick);
}

TDlgTeam::~TDlgTeam() = default;

void TDlgTeam::BuildLayout()
{
    Panel1 = AddHeader("Panel1");
    imgTeam = AddHeaderFlag(Panel1, "imgTeam", FlagLeft);
    lblTeamName =
            AddHeaderTitle(Panel1, "lblTeamName", QRect(TitleMargin, 0, CardWidth - 2 * TitleMargin, HeaderHeight));
    chkFav = AddControl<QCheckBox>(Panel1, "chkFav",
                                   QRect(CardWidth - TitleMargin + (TitleMargin - FavouriteSize) / 2,
                                         (HeaderHeight - FavouriteSize) / 2, FavouriteSize, FavouriteSize));

    page1 = AddPages();
    tabPlayers = new TTeamSquadPage(page1, Team.get());
    tabLast = new TTeamLastPage(page1, Team.get());
    tabStatsSeasons = new TTeamSeasonsPage(page1, Team.get());
    tabSeries = new TTeamSeriesPage(page1, Team.get());
    tabTour = new TTeamTourPage(page1, Team.get());
    tabForm = new TTeamRatingPage(page1, Team.get());
    tabCalendar = new TGridPage(page1, "tabCalendar", "gridCalendar", [this] { ShowCalendar(); });
    gridCalendar = tabCalendar->Grid();
    for (TCardPage* page : std::initializer_list<TCardPage*>{tabPlayers, tabLast, tabStatsSeasons, tabSeries, tabTour,
                                                             tabForm, tabCalendar})
        AddPage(page);
    // The squad and the rating are not offered in this build.
    SetPageVisible(tabPlayers, false);
    SetPageVisible(tabForm, false);
}

void TDlgTeam::ApplyLanguage()
{
    setWindowTitle(QString::fromStdString(LangText(1125)));
    SetHint(chkFav, LangText(1140));
    const std::pair<TCardPage*, int> captions[] = {{tabPlayers, 1260}, {tabLast, 1071}, {tabStatsSeasons, 1126},
                                                   {tabSeries, 1127},  {tabTour, 1234}, {tabForm, 1254},
                                                   {tabCalendar, 1128}};
    for (const auto& [page, id] : captions)
        page1->setTabText(page1->indexOf(page), QString::fromStdString(LangText(id)));
}

void TDlgTeam::SetTeam(int teamID)
{
    Team->OpenByID(teamID);
    SetCaption(lblTeamName, Team->GetName() + " (" + Team->GetNationalID() + ")");
    LoadFlagPicture(imgTeam);
    chkFav->setChecked(Team->IsFav());
    tabPlayers->SetTeam();
}

void TDlgTeam::FormShow()
{
    page1Change();
}

void TDlgTeam::ShowCalendar()
{
    CalendarGrid->Fixed()->OpenCalendarByTeam(Team->GetTeamID());
    CalendarGrid->FillCalendar(Team->GetName());
}

void TDlgTeam::chkFavClick(bool checked)
{
    if (checked)
        DBTeam::AddFav(Team->GetTeamID());
    else
        DBTeam::DeleteFav(Team->GetTeamID());
}

void TDlgTeam::gridCalendarDblClick()
{
    DBFixed* fixed = CalendarGrid->Fixed();
    if (fixed->Count() < 1)
        return;
    fixed->MoveBy(gridCalendar->Row() - 1);
    if (Filter->AddTeamRival(fixed->GetTeam1ID(), fixed->GetTeam2ID())) {
        SetTag(1);
        Close();
    }
}
