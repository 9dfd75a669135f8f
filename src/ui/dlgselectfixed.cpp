#include "ui/dlgselectfixed.h"

#include "data/dbfilter.h"
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

#include <array>
#include <tuple>

namespace {

const char* const FormKey = "DlgSelectFixed";
// Window data: the team's three texts, then the rival's.
constexpr int TeamData = 0;
constexpr int RivalData = 3;

constexpr int FormWidth = 670;
constexpr int FormHeight = 369;
constexpr int HalfWidth = 300;
constexpr int TeamLeft = 8;
constexpr int RivalLeft = FormWidth - 8 - HalfWidth;
constexpr int ListTop = 145;
constexpr int ListHeight = 176;

DBSetting* Setting()
{
    return DBSetting::Global();
}

// The object names of one half in the order of its controls: the tournament, season
// and search labels each before its control, the list, then the panel with its label
// and flag.
using HalfNames = std::array<const char*, 10>;
using Half = std::tuple<QLabel*, QComboBox*, QLabel*, QComboBox*, QLabel*, QLineEdit*, QListWidget*, QWidget*,
                        QLabel*, QLabel*>;

Half AddHalf(QWidget* form, int left, const HalfNames& names)
{
    const auto labelAt = [&](int index, int top) {
        return AddControl<QLabel>(form, names[index], QRect(left, top, HalfWidth, 16));
    };
    const auto comboAt = [&](int index, int top) {
        auto* combo = AddControl<QComboBox>(form, names[index], QRect(left, top, HalfWidth, 22));
        combo->setMaxVisibleItems(16);
        return combo;
    };
    QLabel* champLabel = labelAt(0, 8);
    QComboBox* champ = comboAt(1, 25);
    QLabel* seasonLabel = labelAt(2, 53);
    QComboBox* season = comboAt(3, 70);
    QLabel* findLabel = labelAt(4, 98);
    auto* filter = AddControl<QLineEdit>(form, names[5], QRect(left, 115, HalfWidth, 22));
    auto* list = AddControl<QListWidget>(form, names[6], QRect(left, ListTop, HalfWidth, ListHeight));
    const ChoicePanel choice =
            AddChoicePanel(form, names[7], names[8], names[9], left, ListTop + ListHeight + 6, HalfWidth);
    return {champLabel, champ, seasonLabel, season, findLabel, filter, list, choice.panel, choice.label, choice.image};
}

}  // namespace

TDlgSelectFixed::TDlgSelectFixed(QWidget* owner, DBFilter* filter) : TForm(owner), Filter(filter)
{
    BuildLayout();
    setWindowTitle(QString::fromStdString(Setting()->GetLangText(1047)));
    SetCaption(lblChamp1, Setting()->GetLangText(1023) + ":");
    SetCaption(lblSeason1, Setting()->GetLangText(1043) + ":");
    SetCaption(lblFind1, Setting()->GetLangText(1044) + ":");
    for (auto [team, rival] : {std::pair{lblChamp1, lblChamp2}, {lblSeason1, lblSeason2}, {lblFind1, lblFind2}})
        SetCaption(rival, Caption(team));
    FormCreate();
    ConnectHandler(cboTeamChamp, &QComboBox::activated, this, &TDlgSelectFixed::cboTeamChampChange);
    ConnectHandler(cboTeamSeason, &QComboBox::activated, this, &TDlgSelectFixed::cboTeamSeasonChange);
    ConnectHandler(txtTeamFilter, &QLineEdit::textChanged, this, &TDlgSelectFixed::txtTeamFilterChange);
    ConnectHandler(lstTeam, &QListWidget::currentRowChanged, this, &TDlgSelectFixed::lstTeamClick);
    ConnectHandler(lstTeam, &QListWidget::itemDoubleClicked, this, &TDlgSelectFixed::btnOkClick);
    ConnectHandler(cboRivalChamp, &QComboBox::activated, this, &TDlgSelectFixed::cboRivalChampChange);
    ConnectHandler(cboRivalSeason, &QComboBox::activated, this, &TDlgSelectFixed::cboRivalSeasonChange);
    ConnectHandler(txtRivalFilter, &QLineEdit::textChanged, this, &TDlgSelectFixed::txtRivalFilterChange);
    ConnectHandler(lstRival, &QListWidget::currentRowChanged, this, &TDlgSelectFixed::lstRivalClick);
    ConnectHandler(lstRival, &QListWidget::itemDoubleClicked, this, &TDlgSelectFixed::btnOkClick);
    ConnectHandler(btnOk, &QPushButton::clicked, this, &TDlgSelectFixed::btnOkClick);
}

TDlgSelectFixed::~TDlgSelectFixed()
{
    FormDestroy();
}

void TDlgSelectFixed::BuildLayout()
{
    setObjectName("DlgSelectFixed");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(FormWidth, FormHeight);
    SetFormFont(this);
    setWindowTitle("Выбор личных встреч");

    std::tie(lblChamp1, cboTeamChamp, lblSeason1, cboTeamSeason, lblFind1, txtTeamFilter, lstTeam, panelTeam,
             lblTeam, imgTeam) =
            AddHalf(this, TeamLeft,
                    {"lblChamp1", "cboTeamChamp", "lblSeason1", "cboTeamSeason", "lblFind1", "txtTeamFilter",
                     "lstTeam", "panelTeam", "lblTeam", "imgTeam"});
    std::tie(lblChamp2, cboRivalChamp, lblSeason2, cboRivalSeason, lblFind2, txtRivalFilter, lstRival,
             panelTeamRival, lblRival, imgRival) =
            AddHalf(this, RivalLeft,
                    {"lblChamp2", "cboRivalChamp", "lblSeason2", "cboRivalSeason", "lblFind2", "txtRivalFilter",
                     "lstRival", "panelTeamRival", "lblRival", "imgRival"});

    // Between the two lists.
    const int gap = RivalLeft - (TeamLeft + HalfWidth);
    btnOk = AddControl<QPushButton>(this, "btnOk", QRect(TeamLeft + HalfWidth + 8, ListTop + ListHeight / 2 - 20,
                                                        gap - 16, 40));
    SetCaption(btnOk, "VS");
    QFont bold = btnOk->font();
    bold.setBold(true);
    btnOk->setFont(bold);
    btnOk->setDefault(true);
}

void TDlgSelectFixed::FormCreate()
{
    Team = std::make_unique<TeamChoice>(TeamChoice::Controls{cboTeamChamp, cboTeamSeason, txtTeamFilter, lstTeam,
                                                             {panelTeam, lblTeam, imgTeam}});
    Rival = std::make_unique<TeamChoice>(TeamChoice::Controls{cboRivalChamp, cboRivalSeason, txtRivalFilter,
                                                              lstRival, {panelTeamRival, lblRival, imgRival}});
    Setting()->LoadFormData(FormKey);
    Team->Restore(TeamData);
    Rival->Restore(RivalData);
    Team->RefillList();
    Rival->RefillList();
}

void TDlgSelectFixed::FormDestroy()
{
    Rival.reset();
    Team.reset();
}

void TDlgSelectFixed::cboTeamChampChange()
{
    Team->ChampChanged();
}

void TDlgSelectFixed::cboTeamSeasonChange()
{
    Team->SeasonChanged();
}

void TDlgSelectFixed::txtTeamFilterChange()
{
    Team->RefillList();
}

void TDlgSelectFixed::lstTeamClick()
{
    Team->ShowChoice();
}

void TDlgSelectFixed::cboRivalChampChange()
{
    Rival->ChampChanged();
}

void TDlgSelectFixed::cboRivalSeasonChange()
{
    Rival->SeasonChanged();
}

void TDlgSelectFixed::txtRivalFilterChange()
{
    Rival->RefillList();
}

void TDlgSelectFixed::lstRivalClick()
{
    Rival->ShowChoice();
}

void TDlgSelectFixed::btnOkClick()
{
    if (!Team->HasTeams() || !Rival->HasTeams())
        return;
    Team->Remember(FormKey, TeamData);
    Rival->Remember(FormKey, RivalData);
    if (!Filter->AddTeamRival(Team->TeamID(), Rival->TeamID()))
        return;
    SetTag(1);
    Close();
}
