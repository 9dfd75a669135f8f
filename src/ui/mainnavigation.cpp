#include "ui/mainnavigation.h"

#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/imagelist.h"
#include "platform/tlabel.h"
#include "platform/ttoolbutton.h"
#include "ui/formfont.h"
#include "ui/toolpictures.h"

#include <QComboBox>
#include <QPushButton>

namespace {

constexpr int BarHeight = 34;
constexpr int ButtonSize = 28;
constexpr int ButtonTop = 3;
constexpr int FirstNameLeft = 94;
// The two name blocks of a head-to-head view share the room before the comparison button.
constexpr int NamePanelWidth = (TMainNavigation::PairButtonLeft - FirstNameLeft - ButtonSize - 3) / 2;
constexpr int RivalButtonLeft = FirstNameLeft + NamePanelWidth + 1;

}  // namespace

TMainNavigation::TMainNavigation(QWidget* parent, const TImageList* images) : QWidget(parent), images_(images)
{
    setObjectName("panelNavig");
    setFixedHeight(BarHeight);

    toolNNavig = AddToolBar("toolNNavig", 2, 2);
    btnNBack = AddButton(toolNNavig, "btnNBack", 0, 0);
    btnNForward = AddButton(toolNNavig, "btnNForward", 1, 1);

    toolNTeamChamp = AddToolBar("toolNTeamChamp", 64, 1);
    btnNTeamChamp = AddButton(toolNTeamChamp, "btnNTeamChamp", 0, NavigationTeamImage);
    panelNTeamChamp = AddNamePanel("panelNTeamChamp", FirstNameLeft, lblNTeamChamp, lblNCoTeamChamp, lblNNatTeamChamp,
                                   imgNTeamChamp);

    toolNTeamRival = AddToolBar("toolNTeamRival", RivalButtonLeft, 1);
    btnNTeamRival = AddButton(toolNTeamRival, "btnNTeamRival", 0, NavigationTeamImage);
    panelNTeamRival = AddNamePanel("panelNTeamRival", RivalButtonLeft + ButtonSize + 2, lblNTeamRival, lblNCoTeamRival, lblNNatTeamRival,
                                   imgNTeamRival);
    toolNTeamRival->hide();
    panelNTeamRival->hide();

    toolNFixed = AddToolBar("toolNFixed", PairButtonLeft, 1);
    btnNFixed = AddButton(toolNFixed, "btnNFixed", 0, 4);
    toolNFixed->hide();

    panelSeason = new QWidget(this);
    panelSeason->setObjectName("panelSeason");
    panelSeason->setGeometry(500, 0, 162, BarHeight);
    cboSeason = new QComboBox(panelSeason);
    cboSeason->setObjectName("cboSeason");
    cboSeason->setGeometry(0, 5, 112, 24);
    cboSeason->setMaxVisibleItems(20);
    btnPlus = new QPushButton("+", panelSeason);
    btnPlus->setObjectName("btnPlus");
    btnPlus->setGeometry(114, 5, 24, 24);
    btnMinus = new QPushButton("-", panelSeason);
    btnMinus->setObjectName("btnMinus");
    btnMinus->setGeometry(138, 5, 24, 24);

    toolNRight = AddToolBar("toolNRight", 668, 2);
    btnNFilter = AddButton(toolNRight, "btnNFilter", 0, 5);
    btnExcel = AddButton(toolNRight, "btnExcel", 1, 6);
    btnExcel->hide();

    // Texts shown before a language file is loaded.
    for (QLabel* label : {lblNCoTeamChamp, lblNCoTeamRival})
        SetCaption(label, "Страна:");
    SetHint(btnNTeamRival, "О команде");
    SetHint(btnNFilter, "Фильтр");
    SetHint(btnNBack, "Назад");
    SetHint(btnNForward, "Вперед");
    SetHint(btnNFixed, "Сравнительная статистика команд");
    SetHint(btnExcel, "Экспорт");
}

void TMainNavigation::ApplyLanguage(DBSetting* setting)
{
    for (QLabel* label : {lblNCoTeamChamp, lblNCoTeamRival})
        SetCaption(label, setting->GetLangText(1020));
    SetHint(btnNTeamRival, setting->GetLangText(1015));
    SetHint(btnNFilter, setting->GetLangText(1021));
    SetHint(btnNBack, setting->GetLangText(1013));
    SetHint(btnNForward, setting->GetLangText(1014));
    SetHint(btnNFixed, setting->GetLangText(1017));
    SetHint(btnExcel, setting->GetLangText(1258));
}

QWidget* TMainNavigation::AddToolBar(const char* name, int left, int buttons)
{
    auto* bar = new QWidget(this);
    bar->setObjectName(name);
    bar->setGeometry(left, ButtonTop, buttons * (ButtonSize + 1), ButtonSize);
    return bar;
}

TToolButton* TMainNavigation::AddButton(QWidget* bar, const char* name, int index, int imageIndex)
{
    auto* button = new TToolButton(bar);
    button->setObjectName(name);
    button->setGeometry(index * (ButtonSize + 1), 0, ButtonSize, ButtonSize);
    button->SetImages(images_);
    button->SetImageIndex(imageIndex);
    return button;
}

QWidget* TMainNavigation::AddNamePanel(const char* name, int left, TLabel*& nameLabel, QLabel*& countryCaption,
                                       QLabel*& country, QLabel*& flag)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(name);
    panel->setGeometry(left, 1, NamePanelWidth, BarHeight - 2);
    const QString prefix = QString(name).mid(5);  // "NTeamChamp" of "panelNTeamChamp"
    flag = new QLabel(panel);
    flag->setObjectName("img" + prefix);
    flag->setGeometry(0, 10, 20, 13);
    nameLabel = new TLabel(panel);
    nameLabel->setObjectName("lbl" + prefix);
    nameLabel->setGeometry(24, 0, NamePanelWidth - 24, 16);
    nameLabel->setCursor(Qt::PointingHandCursor);
    // Narrowed, so that long club names fit beside each other.
    QFont bold = nameLabel->font();
    bold.setBold(true);
    bold.setStretch(CondensedStretch);
    nameLabel->setFont(bold);
    countryCaption = new QLabel(panel);
    countryCaption->setObjectName("lblNCo" + prefix.mid(1));
    countryCaption->setGeometry(24, 16, 60, 15);
    country = new QLabel(panel);
    country->setObjectName("lblNNat" + prefix.mid(1));
    country->setGeometry(86, 16, 60, 15);
    return panel;
}
