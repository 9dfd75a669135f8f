#include "ui/fixedforecastpage.h"

#include "data/dbsetting.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/clipboard.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "predict/dbpredictgrid.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The model files the card offers, in order, whatever the folder holds.
const char* const ModelNames[] = {"ver100", "ver131", "ver153", "ver200"};

constexpr int Left = 10;
constexpr int GridRows = 7;

}  // namespace

TFixedForecastPage::TFixedForecastPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabPrognoz", teams)
{
    BuildLayout();
    PredictGrid = std::make_unique<DBPredictGrid>();
    PredictGrid->InitGrid(gridPredict);
    ConnectHandler(cboPredict, &QComboBox::activated, this, &TFixedForecastPage::cboPredictChange);
    ConnectHandler(chkHomeAway, &QCheckBox::toggled, this, &TFixedForecastPage::ShowForecast);
    ConnectHandler(Button1, &QPushButton::clicked, this, &TFixedForecastPage::Button1Click);
}

TFixedForecastPage::~TFixedForecastPage() = default;

void TFixedForecastPage::BuildLayout()
{
    lblPredict = AddControl<QLabel>(this, "lblPredict", QRect(Left, 8, 80, 18));
    SetCaption(lblPredict, LangText(1401));
    cboPredict = AddControl<QComboBox>(this, "cboPredict", QRect(Left + 84, 5, 100, 22));
    for (const char* name : ModelNames)
        cboPredict->addItem(name);
    cboPredict->setCurrentIndex(0);
    chkHomeAway = AddControl<QCheckBox>(this, "chkHomeAway", QRect(Left + 200, 6, 150, 20));
    SetCaption(chkHomeAway, LangText(1186));
    // Pressing it does nothing.
    btnSettings = AddControl<QPushButton>(this, "btnSettings", QRect(Left + 360, 4, 150, 24));
    SetCaption(btnSettings, LangText(1255));
    Button1 = AddControl<QPushButton>(this, "Button1", QRect(Left + 520, 4, 80, 24));
    SetCaption(Button1, "Экспорт");
    for (QWidget* hidden : std::initializer_list<QWidget*>{chkHomeAway, btnSettings, Button1})
        hidden->hide();
    gridPredict = AddControl<TJXGrid>(this, "gridPredict", QRect(Left, 34, 690, GridRows * 18 + 2));
    gridPredict->SetRowCount(GridRows);
}

void TFixedForecastPage::cboPredictChange()
{
    DBSetting::Global()->WriteString("PredictFileName", cboPredict->currentText().toStdString());
    ClearFilled();
    ShowForecast();
}

void TFixedForecastPage::Button1Click()
{
    SetClipboardText(Teams.team1->GetNationalID() + "\t" + Teams.team1->GetName() + "\t" + Teams.team2->GetName());
}
