#include "ui/dlgselectteam.h"

#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const char* const FormKey = "DlgSelectTeam";

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
    ConnectHandler(txtFilter, &QLineEdit::textChanged, this, &TDlgSelectTeam::txtFilterChange);
    ConnectHandler(cboChamp, &QComboBox::activated, this, &TDlgSelectTeam::cboChampChange);
    ConnectHandler(cboSeason, &QComboBox::activated, this, &TDlgSelectTeam::cboSeasonChange);
    ConnectHandler(lstTeam, &QListWidget::currentRowChanged, this, &TDlgSelectTeam::lstTeamClick);
    ConnectHandler(lstTeam, &QListWidget::itemDoubleClicked, this, &TDlgSelectTeam::btnOkClick);
    ConnectHandler(btnOk, &QPushButton::clicked, this, &TDlgSelectTeam::btnOkClick);
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
    const ChoicePanel choice = AddChoicePanel(this, "panelTeam", "lblTeam", "imgTeam", 8, 381, ControlWidth);
    panelTeam = choice.panel;
    lblTeam = choice.label;
    imgTeam = choice.image;
    btnOk = AddControl<QPushButton>(this, "btnOk", QRect(FormWidth - 88, 423, 80, 24));
    SetCaption(btnOk, "OK");
}

void TDlgSelectTeam::FormCreate()
{
    Team = std::make_unique<TeamChoice>(TeamChoice::Controls{cboChamp, cboSeason, txtFilter, lstTeam,
                                                                  {panelTeam, lblTeam, imgTeam}});
    Setting()->LoadFormData(FormKey);
    Team->Restore(0);
    Team->RefillList();
}

void TDlgSelectTeam::FormDestroy()
{
    Team.reset();
}

void TDlgSelectTeam::txtFilterChange()
{
    Team->ApplyNameFilter();
}

void TDlgSelectTeam::cboChampChange()
{
    Team->ChampChanged();
}

void TDlgSelectTeam::cboSeasonChange()
{
    Team->SeasonChanged();
}

void TDlgSelectTeam::lstTeamClick()
{
    Team->ShowChoice();
}

void TDlgSelectTeam::btnOkClick()
{
    if (!Team->HasTeams())
        return;
    Team->Remember(FormKey, 0);
    int season = Team->SeasonID();
    if (season == 0)
        season = DBSeason::GetLastSeasonOfTeam(Team->TeamID());
    if (!Filter->AddTeam(Team->TeamID(), season))
        return;
    SetTag(1);
    Close();
}
