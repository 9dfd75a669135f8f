#include "ui/dlgprsetting.h"

#include "ui/formcontrols.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

TDlgPrSetting::TDlgPrSetting(QWidget* owner) : TForm(owner)
{
    BuildLayout();
}

void TDlgPrSetting::BuildLayout()
{
    BeginDialog(this, "DlgPrSetting", "Настройка прогноза", 554, 412);
    lblModel = AddLabel(this, "lblModel", 10, 14, "Модель:");
    cboModel = AddControl<QComboBox>(this, "cboModel", QRect(110, 10, 300, 22));
    btnDelete = AddControl<QPushButton>(this, "btnDelete", QRect(420, 9, 124, 25), "Удалить");
    lblName = AddLabel(this, "lblName", 10, 48, "Новая модель:");
    txtName = AddControl<QLineEdit>(this, "txtName", QRect(110, 44, 300, 21));
    btnAdd = AddControl<QPushButton>(this, "btnAdd", QRect(420, 42, 124, 25), "Добавить");

    for (int i = 0; i < ProbabilityRows; ++i)
        BuildProbabilityRow(i);

    gbScore = AddControl<QGroupBox>(this, "gbScore", QRect(10, 282, 534, 60), "Счет:");
    cboScore = AddControl<QComboBox>(gbScore, "cboScore", QRect(100, 24, 220, 22));
    txtScoreN = AddControl<QLineEdit>(gbScore, "txtScoreN", QRect(330, 24, 50, 21));

    btnSave = AddControl<QPushButton>(this, "btnSave", QRect(188, 378, 114, 25), "Сохранить");
    btnCancel = AddControl<QPushButton>(this, "btnCancel", QRect(309, 378, 114, 25), "Отменить");
    btnExit = AddControl<QPushButton>(this, "btnExit", QRect(430, 378, 114, 25), "Выход");
}

void TDlgPrSetting::BuildProbabilityRow(int i)
{
    const std::string number = std::to_string(i + 1);
    const int top = 88 + i * 36;
    lblProb[i] = AddLabel(this, ("lblProb" + number).c_str(), 10, top + 4, "Вероятность " + number + ":");
    cboKind[i] = AddControl<QComboBox>(this, ("cboKind" + number).c_str(), QRect(110, top, 220, 22));
    txtN[i] = AddControl<QLineEdit>(this, ("txtN" + number).c_str(), QRect(340, top, 50, 21));
    txtM[i] = AddControl<QLineEdit>(this, ("txtM" + number).c_str(), QRect(396, top, 50, 21));
    txtPercent[i] = AddControl<QLineEdit>(this, ("txtPercent" + number).c_str(), QRect(484, top, 60, 21));
    txtN[i]->hide();
    txtM[i]->hide();
}
