#include "ui/dlgmstats.h"

#include "foundation/jxgrid.h"
#include "platform/tpagecontrol.h"
#include "ui/formcontrols.h"

#include <QLabel>
#include <QPushButton>

#include <string>

namespace {

struct CountText {
    const char* name;  // the labels are "lbl" + name, then with "1" and "2" for the teams
    const char* caption;
};

const CountText Counts[] = {
    {"Penalty", "Пенальти:"},
    {"MissPenalty", "Незабитые пенальти:"},
    {"Yellow", "Желтые карточки:"},
    {"Red", "Красные карточки:"},
    {"FirstGoal", "Первый гол:"},
    {"LastGoal", "Последний гол:"},
    {"FirstYellow", "Первая желтая карточка:"},
    {"Substitution", "Замены:"},
    {"LastSubstitution", "Последняя замена:"},
};

}  // namespace

TDlgMStats::TDlgMStats(QWidget* owner) : TForm(owner)
{
    BuildLayout();
}

void TDlgMStats::BuildLayout()
{
    BeginDialog(this, "DlgMStats", "Статистика матча", 682, 328);
    // Sample texts of the heading, replaced by the match's when it is shown.
    lblChamp = AddLabel(this, "lblChamp", 10, 4, "Турнир, тур");
    lblTeam1 = AddLabel(this, "lblTeam1", 10, 22, "Команда 1");
    lblScore = AddLabel(this, "lblScore", 330, 22, "0:0");
    lblTeam2 = AddLabel(this, "lblTeam2", 470, 22, "Команда 2");

    PageControl1 = AddControl<TPageControl>(this, "PageControl1", QRect(0, 42, 682, 286));
    tabForm = AddPage(PageControl1, "tabForm", "Составы");
    gridForm1 = AddControl<TJXGrid>(tabForm, "gridForm1", QRect(4, 4, 332, 216));
    gridForm2 = AddControl<TJXGrid>(tabForm, "gridForm2", QRect(340, 4, 332, 216));
    btnForm = AddControl<QPushButton>(tabForm, "btnForm", QRect(4, 226, 120, 25), "Формирование");

    tabStats = AddPage(PageControl1, "tabStats", "Статистика");
    for (size_t i = 0; i < counts.size(); ++i) {
        const std::string name = std::string("lbl") + Counts[i].name;
        const int top = 8 + static_cast<int>(i) * 26;
        counts[i] = {AddLabel(tabStats, name.c_str(), 10, top, Counts[i].caption),
                     AddLabel(tabStats, (name + "1").c_str(), 200, top, "0"),
                     AddLabel(tabStats, (name + "2").c_str(), 260, top, "0")};
    }
}
