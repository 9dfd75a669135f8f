#include "ui/dlgfilter.h"

#include "data/codes.h"
#include "data/dbasecontrols.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/sysutils.h"
#include "ui/dlgmain.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

TDlgFilter* DlgFilter = nullptr;

namespace {

const char* const Relations[] = {"!", ">", "<", "="};

AnsiString Text(int id)
{
    return DBSetting::Global()->GetLangText(id);
}

}  // namespace

TDlgFilter::TDlgFilter(QWidget* owner) : TForm(owner)
{
    DlgFilter = this;
    BuildLayout();
    Season = std::make_unique<DBSeason>();
    FieldButtons = {btnFieldAll, btnFieldHome, btnFieldAway};
    ConnectHandler(btnFilter, &QPushButton::clicked, this, &TDlgFilter::btnFilterClick);
    ConnectHandler(btnClose, &QPushButton::clicked, this, &TDlgFilter::btnCloseClick);
    ConnectHandler(cboSeason, &QComboBox::activated, this, &TDlgFilter::cboSeasonChange);
    for (const GoalControls& goal : Goals())
        ConnectHandler(goal.steps, &TUpDown::Click, this,
                       [this, count = goal.count](TUDBtnType button) { StepCount(count, button); });
}

TDlgFilter::~TDlgFilter()
{
    FormDestroy();
    if (DlgFilter == this)
        DlgFilter = nullptr;
}

void TDlgFilter::BuildLayout()
{
    setObjectName("DlgFilter");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(187, 251);
    SetFormFont(this, SmallFontPixels, CondensedStretch);
    setWindowTitle("Фильтр");

    gbField = AddControl<QGroupBox>(this, "gbField", QRect(3, 0, 181, 40));
    btnFieldAll = AddControl<QRadioButton>(gbField, "btnFieldAll", QRect(6, 17, 52, 19));
    btnFieldHome = AddControl<QRadioButton>(gbField, "btnFieldHome", QRect(60, 17, 58, 19));
    btnFieldAway = AddControl<QRadioButton>(gbField, "btnFieldAway", QRect(120, 17, 58, 19));
    SetCaption(btnFieldAll, "Все");
    SetCaption(btnFieldHome, "Дома");
    SetCaption(btnFieldAway, "Выезд");

    gbSeason = AddControl<QGroupBox>(this, "gbSeason", QRect(3, 41, 181, 44));
    cboSeason = AddControl<QComboBox>(gbSeason, "cboSeason", QRect(6, 16, 169, 22));
    cboSeason->setMaxVisibleItems(20);

    gbBalls = AddControl<QGroupBox>(this, "gbBalls", QRect(3, 86, 181, 78));
    BuildGoalRow(14, "Score", lblBallScore, cboEqScore, txtBallScore, udScore);
    BuildGoalRow(35, "Miss", lblBallMiss, cboEqMiss, txtBallMiss, udMiss);
    BuildGoalRow(56, "Total", lblBallTotal, cboEqTotal, txtBallTotal, udTotal);
    SetCaption(lblBallScore, "З");
    SetCaption(lblBallMiss, "П");
    SetCaption(lblBallTotal, "Т");

    gbTotal = AddControl<QGroupBox>(this, "gbTotal", QRect(3, 165, 69, 62));
    chkWin = AddControl<QCheckBox>(gbTotal, "chkWin", QRect(2, 4, 66, 18));
    chkDraw = AddControl<QCheckBox>(gbTotal, "chkDraw", QRect(2, 22, 66, 18));
    chkLose = AddControl<QCheckBox>(gbTotal, "chkLose", QRect(2, 40, 66, 18));
    SetCaption(chkWin, "Победа");
    SetCaption(chkDraw, "Ничья");
    SetCaption(chkLose, "Пораж-ие");

    gbCompetition = AddControl<QGroupBox>(this, "gbCompetition", QRect(73, 165, 111, 62));
    chkChamp = AddControl<QCheckBox>(gbCompetition, "chkChamp", QRect(2, 4, 108, 18));
    chkCup = AddControl<QCheckBox>(gbCompetition, "chkCup", QRect(2, 22, 108, 18));
    chkIsEuro = AddControl<QCheckBox>(gbCompetition, "chkIsEuro", QRect(2, 40, 108, 18));
    SetCaption(chkChamp, "Чемпионат");
    SetCaption(chkCup, "Кубок страны");
    SetCaption(chkIsEuro, "Лига чемпионов");
    for (QCheckBox* box : {chkWin, chkDraw, chkLose, chkChamp, chkCup, chkIsEuro})
        box->setChecked(true);

    btnFilter = AddControl<QPushButton>(this, "btnFilter", QRect(3, 229, 90, 20));
    btnClose = AddControl<QPushButton>(this, "btnClose", QRect(94, 229, 90, 20));
    SetCaption(btnFilter, "Применить");
    SetCaption(btnClose, "Закрыть");
}

void TDlgFilter::BuildGoalRow(int top, const char* suffix, QLabel*& label, QComboBox*& relation, QLineEdit*& count,
                              TUpDown*& steps)
{
    const std::string name(suffix);
    label = AddControl<QLabel>(gbBalls, ("lblBall" + name).c_str(), QRect(8, top, 16, 20));
    relation = AddControl<QComboBox>(gbBalls, ("cboEq" + name).c_str(), QRect(26, top, 48, 20));
    for (const char* item : Relations)
        relation->addItem(item);
    count = AddControl<QLineEdit>(gbBalls, ("txtBall" + name).c_str(), QRect(78, top, 74, 20));
    count->setReadOnly(true);
    count->setText("0");
    steps = AddControl<TUpDown>(gbBalls, ("ud" + name).c_str(), QRect(154, top, 18, 20));
    steps->SetRange(0, 9);
}

std::array<TDlgFilter::GoalControls, 3> TDlgFilter::Goals() const
{
    return {GoalControls{"Score", lblBallScore, cboEqScore, txtBallScore, udScore},
            GoalControls{"Miss", lblBallMiss, cboEqMiss, txtBallMiss, udMiss},
            GoalControls{"Total", lblBallTotal, cboEqTotal, txtBallTotal, udTotal}};
}

void TDlgFilter::SetFilter(DBFilter* filter)
{
    Filter = filter;
}

void TDlgFilter::FormShow()
{
    ApplyTexts();
    if (!Filter)
        return;
    const int mode = Filter->GetMode();
    if (mode == FilterMode::Team || mode == FilterMode::Tournament || mode == FilterMode::Pair) {
        EnableByMode(mode);
        FillSeasons(mode == FilterMode::Pair);
    }
    LoadFromFilter();
}

void TDlgFilter::ApplyTexts()
{
    setWindowTitle(QString::fromStdString(Text(1021)));
    SetCaption(btnFieldAll, Text(1092));
    SetCaption(btnFieldHome, Text(1093));
    SetCaption(btnFieldAway, Text(1094));
    SetCaption(lblBallScore, Text(1102));
    SetCaption(lblBallMiss, Text(1103));
    SetCaption(lblBallTotal, Text(1104));
    SetHint(lblBallScore, Text(1105));
    SetHint(lblBallMiss, Text(1106));
    SetHint(lblBallTotal, Text(1107));
    SetCaption(chkWin, Text(1095));
    SetCaption(chkDraw, Text(1096));
    SetCaption(chkLose, Text(1200));
    SetCaption(chkChamp, Text(1098));
    SetCaption(chkCup, Text(1099));
    SetCaption(chkIsEuro, Text(1100));
    SetCaption(btnFilter, Text(1101));
    SetCaption(btnClose, Text(1051));
}

void TDlgFilter::EnableByMode(int mode)
{
    const bool team = mode == FilterMode::Team;
    cboSeason->setEnabled(mode != FilterMode::Pair);
    for (QWidget* control : {chkWin, chkDraw, chkLose})
        control->setEnabled(team);
    for (QWidget* control : std::initializer_list<QWidget*>{btnFieldAll, btnFieldHome, btnFieldAway, chkChamp, chkCup,
                                                           chkIsEuro})
        control->setEnabled(mode != FilterMode::Tournament);
    for (const GoalControls& goal : Goals())
        for (QWidget* control : std::initializer_list<QWidget*>{goal.relation, goal.count, goal.steps, goal.label})
            control->setEnabled(team);
}

void TDlgFilter::FillSeasons(bool withAll)
{
    Season->OpenList(withAll);
    FillCombo(cboSeason, Season.get());
}

void TDlgFilter::LoadFromFilter()
{
    Filter->Update();
    SelectComboText(cboSeason, Season.get(), Filter->GetSeasonName());
    chkWin->setChecked(Filter->GetIsWin());
    chkDraw->setChecked(Filter->GetIsDraw());
    chkLose->setChecked(Filter->GetIsLose());
    // A side code other than 0, 1 or 2 can only come from an edited database: shown as all.
    const int field = Filter->GetField();
    FieldButtons[field >= FieldCode::Both && field <= FieldCode::Away ? field : FieldCode::Both]->setChecked(true);
    chkCup->setChecked(Filter->GetIsCup());
    chkChamp->setChecked(Filter->GetIsChamp());
    chkIsEuro->setChecked(Filter->GetIsEuro());
    for (const GoalControls& goal : Goals()) {
        goal.relation->setCurrentIndex(goal.relation->findText(QString::fromStdString(Filter->GetEq(goal.kind))));
        const double count = Filter->GetCount(goal.kind);
        goal.count->setText(QString::fromStdString(FloatToStr(count)));
        goal.steps->SetPosition(static_cast<int>(std::trunc(count)));
    }
}

void TDlgFilter::SaveToFilter()
{
    Filter->SetIsWin(chkWin->isChecked());
    Filter->SetIsDraw(chkDraw->isChecked());
    Filter->SetIsLose(chkLose->isChecked());
    for (int field = FieldCode::Both; field <= FieldCode::Away; ++field)
        if (FieldButtons[field]->isChecked()) {
            Filter->SetField(field);
            break;
        }
    // The season shown, also when the entry's own season is not in the list (every
    // season) and the list's cursor stayed where filling it left it.
    SyncCombo(cboSeason, Season.get());
    Filter->SetSeasonWith(Season->GetSeasonID());
    Filter->SetIsChamp(chkChamp->isChecked());
    Filter->SetIsCup(chkCup->isChecked());
    Filter->SetIsEuro(chkIsEuro->isChecked());
    for (const GoalControls& goal : Goals())
        Filter->SetCount(goal.kind, Caption(goal.count));
    for (const GoalControls& goal : Goals())
        Filter->SetEq(goal.kind, goal.relation->currentText().toStdString());
}

void TDlgFilter::FormDestroy()
{
    Season.reset();
}

void TDlgFilter::btnFilterClick()
{
    if (!Filter)
        return;
    SaveToFilter();
    if (DlgMain)
        DlgMain->Refresh();
}

void TDlgFilter::btnCloseClick()
{
    hide();
}

void TDlgFilter::cboSeasonChange()
{
    SyncCombo(cboSeason, Season.get());
}

void TDlgFilter::StepCount(QLineEdit* count, TUDBtnType button)
{
    const double value = StrToFloat(Caption(count)) + (button == btNext ? 1 : -1);
    count->setText(QString::fromStdString(FloatToStr(value)));
}
