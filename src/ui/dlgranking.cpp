#include "ui/dlgranking.h"

#include "foundation/jxgrid.h"
#include "platform/tpagecontrol.h"
#include "ui/formcontrols.h"

#include <QCheckBox>
#include <QComboBox>

TDlgRanking::TDlgRanking(QWidget* owner) : TForm(owner)
{
    BuildLayout();
}

void TDlgRanking::BuildLayout()
{
    BeginDialog(this, "DlgRanking", "Рейтинг", 412, 424);
    PageControl1 = AddControl<TPageControl>(this, "PageControl1", QRect(0, 0, 412, 424));

    tabTeams = AddPage(PageControl1, "tabTeams", "Рейтинг команд");
    cboCountry = AddControl<QComboBox>(tabTeams, "cboCountry", QRect(4, 4, 180, 22));
    chkCup = AddControl<QCheckBox>(tabTeams, "chkCup", QRect(196, 6, 200, 19), "С учетом кубковых встреч");
    gridRanking = AddControl<TJXGrid>(tabTeams, "gridRanking", QRect(4, 32, 396, 358));

    tabUefa = AddPage(PageControl1, "tabUefa", "Рейтинг УЕФА");
    gridUefa = AddControl<TJXGrid>(tabUefa, "gridUefa", QRect(4, 4, 396, 386));
}
