#include "ui/dlgfav.h"

#include "foundation/jxgrid.h"
#include "platform/tpagecontrol.h"
#include "platform/tprogressbar.h"
#include "ui/formcontrols.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>
#include <utility>

namespace {

// The client area of a page, and its two list columns.
const QRect PageArea(4, 4, 664, 410);
const QRect LeftList(4, 4, 298, 372);
const QRect RightList(370, 4, 298, 372);

// The synchronise button and its progress bar along a page's bottom edge.
std::pair<QPushButton*, TProgressBar*> AddSyncRow(QWidget* page, const char* button, const char* bar)
{
    return {AddControl<QPushButton>(page, button, QRect(4, 384, 150, 25), "Синхронизировать"),
            AddControl<TProgressBar>(page, bar, QRect(162, 388, 506, 17))};
}

}  // namespace

TDlgFav::TDlgFav(QWidget* owner) : TForm(owner)
{
    BuildLayout();
}

void TDlgFav::BuildLayout()
{
    BeginDialog(this, "DlgFav", "Избранное", 688, 449);
    PageControl1 = AddControl<TPageControl>(this, "PageControl1", QRect(0, 0, 688, 449));

    tabLastFixed = AddPage(PageControl1, "tabLastFixed", "Последние матчи");
    gridFixed = AddControl<TJXGrid>(tabLastFixed, "gridFixed", PageArea);
    tabTable = AddPage(PageControl1, "tabTable", "Таблица");
    BuildStatsPage();
    tabTour = AddPage(PageControl1, "tabTour", "Тур за туром");
    tabNext = AddPage(PageControl1, "tabNext", "Календарь");
    gridNext = AddControl<TJXGrid>(tabNext, "gridNext", PageArea);
    BuildTeamsPage();
    BuildChampsPage();
    PageControl1->setTabVisible(PageControl1->indexOf(tabTable), false);
    PageControl1->setTabVisible(PageControl1->indexOf(tabTour), false);
}

void TDlgFav::BuildStatsPage()
{
    tabStats = AddPage(PageControl1, "tabStats", "Статистика команд");
    cboSeason = AddControl<QComboBox>(tabStats, "cboSeason", QRect(4, 4, 160, 22));
    rbAll = AddControl<QRadioButton>(tabStats, "rbAll", QRect(180, 6, 60, 19), "Все");
    rbHome = AddControl<QRadioButton>(tabStats, "rbHome", QRect(244, 6, 60, 19), "Дома");
    rbAway = AddControl<QRadioButton>(tabStats, "rbAway", QRect(308, 6, 60, 19), "Выезд");
    rbAll->setChecked(true);
    gridStats = AddControl<TJXGrid>(tabStats, "gridStats", QRect(4, 32, 664, 382));
}

void TDlgFav::BuildTeamsPage()
{
    tabTeams = AddPage(PageControl1, "tabTeams", "Команды");
    cboChamp = AddControl<QComboBox>(tabTeams, "cboChamp", QRect(4, 4, 290, 22));
    txtSearch = AddControl<QLineEdit>(tabTeams, "txtSearch", QRect(4, 30, 290, 21));
    lstTeam = AddControl<QListWidget>(tabTeams, "lstTeam", QRect(4, 56, 290, 320));
    btnAddTeam = AddControl<QPushButton>(tabTeams, "btnAddTeam", QRect(312, 150, 40, 25), ">");
    btnDelTeam = AddControl<QPushButton>(tabTeams, "btnDelTeam", QRect(312, 182, 40, 25), "<");
    lstFavTeam = AddControl<QListWidget>(tabTeams, "lstFavTeam", RightList);
    std::tie(btnSyncTeam, barTeam) = AddSyncRow(tabTeams, "btnSyncTeam", "barTeam");
}

void TDlgFav::BuildChampsPage()
{
    tabChamps = AddPage(PageControl1, "tabChamps", "Турниры");
    lstFavChamp = AddControl<QListWidget>(tabChamps, "lstFavChamp", LeftList);
    btnAddChamp = AddControl<QPushButton>(tabChamps, "btnAddChamp", QRect(312, 120, 40, 25), "<");
    btnDelChamp = AddControl<QPushButton>(tabChamps, "btnDelChamp", QRect(312, 152, 40, 25), ">");
    btnAddAllChamp = AddControl<QPushButton>(tabChamps, "btnAddAllChamp", QRect(312, 196, 40, 25), "<<");
    btnDelAllChamp = AddControl<QPushButton>(tabChamps, "btnDelAllChamp", QRect(312, 228, 40, 25), ">>");
    lstChamp = AddControl<QListWidget>(tabChamps, "lstChamp", RightList);
    std::tie(btnSyncChamp, barChamp) = AddSyncRow(tabChamps, "btnSyncChamp", "barChamp");
}
