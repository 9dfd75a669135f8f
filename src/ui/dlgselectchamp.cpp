#include "ui/dlgselectchamp.h"

#include "data/dbasecontrols.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const char* const FormKey = "DlgSelectChamp";
// Window data of the picker.
constexpr int TypeData = 0;
constexpr int SeasonData = 1;
constexpr int ChampData = 2;

constexpr int FormWidth = 260;
constexpr int ControlWidth = FormWidth - 16;

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TDlgSelectChamp::TDlgSelectChamp(QWidget* owner, DBFilter* filter) : TForm(owner), Filter(filter)
{
    BuildLayout();
    setWindowTitle(QString::fromStdString(Setting()->GetLangText(1045)));
    SetCaption(lblType, Setting()->GetLangText(1046) + ":");
    SetCaption(lblSeason, Setting()->GetLangText(1043) + ":");
    FormCreate();
    ConnectHandler(cboTypeChamp, &QComboBox::activated, this, &TDlgSelectChamp::cboTypeChampChange);
    ConnectHandler(cboSeason, &QComboBox::activated, this, &TDlgSelectChamp::cboSeasonChange);
    ConnectHandler(lstChamp, &QListWidget::currentRowChanged, this, &TDlgSelectChamp::lstChampClick);
    ConnectHandler(lstChamp, &QListWidget::itemDoubleClicked, this, &TDlgSelectChamp::btnOkClick);
    ConnectHandler(btnOk, &QPushButton::clicked, this, &TDlgSelectChamp::btnOkClick);
}

TDlgSelectChamp::~TDlgSelectChamp()
{
    FormDestroy();
}

void TDlgSelectChamp::BuildLayout()
{
    setObjectName("DlgSelectChamp");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(FormWidth, 410);
    SetFormFont(this);
    setWindowTitle("Выбор турнира");

    lblType = AddControl<QLabel>(this, "lblType", QRect(8, 8, ControlWidth, 16));
    cboTypeChamp = AddControl<QComboBox>(this, "cboTypeChamp", QRect(8, 25, ControlWidth, 22));
    for (const char* type : {"All", "Championship", "National Cup"})
        cboTypeChamp->addItem(type);
    lblSeason = AddControl<QLabel>(this, "lblSeason", QRect(8, 53, ControlWidth, 16));
    cboSeason = AddControl<QComboBox>(this, "cboSeason", QRect(8, 70, ControlWidth, 22));
    cboSeason->setMaxVisibleItems(20);
    lstChamp = AddControl<QListWidget>(this, "lstChamp", QRect(8, 100, ControlWidth, 230));
    Choice = AddChoicePanel(this, "panelChamp", "lblChamp", "imgChamp", 8, 336, ControlWidth);
    panelChamp = Choice.panel;
    lblChamp = Choice.label;
    imgChamp = Choice.image;
    btnOk = AddControl<QPushButton>(this, "btnOk", QRect(FormWidth - 88, 378, 80, 24));
    SetCaption(btnOk, "OK");
}

void TDlgSelectChamp::FormCreate()
{
    Champ = std::make_unique<DBChamp>();
    Season = std::make_unique<DBSeason>();
    Season->OpenList(false);
    FillCombo(cboSeason, Season.get());

    Setting()->LoadFormData(FormKey);
    Remembered = Setting()->GetFormString(ChampData);
    // A stored type the combo does not have shows every type.
    const int type = Setting()->GetFormInt(TypeData);
    cboTypeChamp->setCurrentIndex(type >= 0 && type < cboTypeChamp->count() ? type : 0);
    SelectComboText(cboSeason, Season.get(), Setting()->GetFormString(SeasonData));
    SyncCombo(cboSeason, Season.get());
    RefillList();
}

void TDlgSelectChamp::FormDestroy()
{
    Champ.reset();
    Season.reset();
}

void TDlgSelectChamp::RefillList()
{
    const int type = cboTypeChamp->currentIndex();
    const int season = Season->GetSeasonID();
    if (type == 0 && season == 0)
        Champ->OpenFav(true, false);
    else
        Champ->OpenList(type, season, false);
    FillChoiceList(lstChamp, Champ.get(), Remembered);
    lstChampClick();
}

void TDlgSelectChamp::cboTypeChampChange()
{
    RefillList();
}

void TDlgSelectChamp::cboSeasonChange()
{
    SyncCombo(cboSeason, Season.get());
    RefillList();
}

void TDlgSelectChamp::lstChampClick()
{
    ShowChoice(lstChamp, Champ.get(), Choice);
}

void TDlgSelectChamp::btnOkClick()
{
    if (lstChamp->count() == 0)
        return;
    Setting()->SetFormInt(FormKey, TypeData, cboTypeChamp->currentIndex());
    Setting()->SetFormString(FormKey, SeasonData, cboSeason->currentText().toStdString());
    Setting()->SetFormString(FormKey, ChampData, ChoiceText(lstChamp));
    if (!Filter->AddChamp(Champ->GetChampID(), Season->GetSeasonID()))
        return;
    SetTag(1);
    Close();
}
