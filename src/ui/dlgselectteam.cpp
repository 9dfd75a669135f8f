#include "ui/dlgselectteam.h"

#include "data/dbasecontrols.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "data/dbteam.h"
#include "platform/controltext.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const char* const FormKey = "DlgSelectTeam";
// Window data of the picker.
constexpr int ChampData = 0;
constexpr int SeasonData = 1;
constexpr int TeamData = 2;

constexpr int FormWidth = 260;
constexpr int ControlWidth = FormWidth - 16;

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TDlgSelectTeam::TDlgSelectTeam(QWidget* owner, DBFilter* filter) : TForm(owner), Filter(filter)
{
    BuildLayout();
    setWindowTitle(QString::fromStdString(Setting()->GetLangText(1042)));
    SetCaption(lblChamp, Setting()->GetLangText(1023) + ":");
    SetCaption(lblSeason, Setting()->GetLangText(1043) + ":");
    SetCaption(lblFind, Setting()->GetLangText(1044) + ":");
    FormCreate();
    connect(txtFilter, &QLineEdit::textChanged, this, &TDlgSelectTeam::txtFilterChange);
    connect(cboChamp, &QComboBox::activated, this, &TDlgSelectTeam::cboChampChange);
    connect(cboSeason, &QComboBox::activated, this, &TDlgSelectTeam::cboSeasonChange);
    connect(lstTeam, &QListWidget::currentRowChanged, this, &TDlgSelectTeam::lstTeamClick);
    connect(lstTeam, &QListWidget::itemDoubleClicked, this, &TDlgSelectTeam::btnOkClick);
    connect(btnOk, &QPushButton::clicked, this, &TDlgSelectTeam::btnOkClick);
}

TDlgSelectTeam::~TDlgSelectTeam()
{
    FormDestroy();
}

void TDlgSelectTeam::BuildLayout()
{
    setObjectName("DlgSelectTeam");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(FormWidth, 455);
    SetFormFont(this);
    setWindowTitle("Выбор команды");

    lblFind = AddControl<QLabel>(this, "lblFind", QRect(8, 8, ControlWidth, 16));
    txtFilter = AddControl<QLineEdit>(this, "txtFilter", QRect(8, 25, ControlWidth, 22));
    lblChamp = AddControl<QLabel>(this, "lblChamp", QRect(8, 53, ControlWidth, 16));
    cboChamp = AddControl<QComboBox>(this, "cboChamp", QRect(8, 70, ControlWidth, 22));
    cboChamp->setMaxVisibleItems(20);
    lblSeason = AddControl<QLabel>(this, "lblSeason", QRect(8, 98, ControlWidth, 16));
    cboSeason = AddControl<QComboBox>(this, "cboSeason", QRect(8, 115, ControlWidth, 22));
    cboSeason->setMaxVisibleItems(20);
    lstTeam = AddControl<QListWidget>(this, "lstTeam", QRect(8, 145, ControlWidth, 230));
    Choice = AddChoicePanel(this, "panelTeam", "lblTeam", "imgTeam", 381, ControlWidth);
    panelTeam = Choice.panel;
    lblTeam = Choice.label;
    imgTeam = Choice.image;
    btnOk = AddControl<QPushButton>(this, "btnOk", QRect(FormWidth - 88, 423, 80, 24));
    SetCaption(btnOk, "OK");
}

void TDlgSelectTeam::FormCreate()
{
    Season = std::make_unique<DBSeason>();
    Champ = std::make_unique<DBChamp>();
    Team = std::make_unique<DBTeam>();
    Champ->OpenFav(true, true);
    FillCombo(cboChamp, Champ.get());
    Season->OpenList(true);
    FillCombo(cboSeason, Season.get());

    Setting()->LoadFormData(FormKey);
    Remembered = Setting()->GetFormString(TeamData);
    SelectComboText(cboChamp, Champ.get(), Setting()->GetFormString(ChampData));
    SelectComboText(cboSeason, Season.get(), Setting()->GetFormString(SeasonData));
    SyncCombo(cboSeason, Season.get());
    SyncCombo(cboChamp, Champ.get());
    RefillList();
}

void TDlgSelectTeam::FormDestroy()
{
    Team.reset();
    Champ.reset();
    Season.reset();
}

void TDlgSelectTeam::RefillList()
{
    Team->OpenList(Champ->GetChampID(), Season->GetSeasonID());
    ApplyNameFilter();
}

void TDlgSelectTeam::ApplyNameFilter()
{
    Team->NameFilter = txtFilter->text().toStdString();
    Team->ApplyFilter();
    FillChoiceList(lstTeam, Team.get(), Remembered);
    lstTeamClick();
}

void TDlgSelectTeam::txtFilterChange()
{
    ApplyNameFilter();
}

void TDlgSelectTeam::cboChampChange()
{
    SyncCombo(cboChamp, Champ.get());
    RefillList();
}

void TDlgSelectTeam::cboSeasonChange()
{
    SyncCombo(cboSeason, Season.get());
    RefillList();
}

void TDlgSelectTeam::lstTeamClick()
{
    ShowChoice(lstTeam, Team.get(), Choice);
}

void TDlgSelectTeam::btnOkClick()
{
    if (lstTeam->count() == 0)
        return;
    Setting()->SetFormString(FormKey, ChampData, cboChamp->currentText().toStdString());
    Setting()->SetFormString(FormKey, SeasonData, cboSeason->currentText().toStdString());
    Setting()->SetFormString(FormKey, TeamData, ChoiceText(lstTeam));
    int season = Season->GetSeasonID();
    if (season == 0)
        season = DBSeason::GetLastSeasonOfTeam(Team->GetTeamID());
    if (!Filter->AddTeam(Team->GetTeamID(), season))
        return;
    SetTag(1);
    Close();
}
