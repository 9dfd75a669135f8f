#include "ui/mainmatchpanel.h"

#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/imagelist.h"
#include "platform/ttoolbutton.h"
#include "ui/formfont.h"
#include "ui/toolpictures.h"

#include <QLabel>

namespace {

constexpr int PanelWidth = 704;
constexpr int PanelHeight = 64;
constexpr int LineHeight = 18;
constexpr int ButtonSize = 22;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

}  // namespace

TMainMatchPanel::TMainMatchPanel(QWidget* parent, const TImageList* images) : QWidget(parent), images_(images)
{
    setObjectName("panelBottomMain");
    setFixedHeight(PanelHeight + 4);
    panelBottom = new QWidget(this);
    panelBottom->setObjectName("panelBottom");
    panelBottom->resize(PanelWidth, PanelHeight);

    // The tournament on the first line, in the middle.
    btnBChamp = AddButton("btnBChamp", 170, 0, NavigationTournamentImage);
    imgBChamp = AddFlag("imgBChamp", 196, 4);
    lblBChamp = AddLabel("lblBChamp", 220, 2, 240, Left, true);
    lblBCoChamp = AddLabel("lblBCoChamp", 462, 2, 60, Left);
    lblBNatChamp = AddLabel("lblBNatChamp", 524, 2, 50, Left);

    // Home team at the left, score in the middle, away team at the right.
    btnBTeam1 = AddButton("btnBTeam1", 0, 26, NavigationTeamImage);
    imgBTeam1 = AddFlag("imgBTeam1", 26, 30);
    lblBTeam1 = AddLabel("lblBTeam1", 50, 26, 246, Left, true);
    lblBCoTeam1 = AddLabel("lblBCoTeam1", 50, 44, 60, Left);
    lblBNatTeam1 = AddLabel("lblBNatTeam1", 112, 44, 60, Left);

    lblBGoals = AddLabel("lblBGoals", 302, 24, 100, Qt::AlignCenter, true);
    QFont score = lblBGoals->font();
    score.setPixelSize(FormFontPixels + 7);
    lblBGoals->setFont(score);
    lblBGoals->setFixedHeight(24);
    btnBFixed = AddButton("btnBFixed", 341, 46, 4);
    btnBFixed->resize(ButtonSize, 18);

    lblBTeam2 = AddLabel("lblBTeam2", 408, 26, 246, Right, true);
    lblBCoTeam2 = AddLabel("lblBCoTeam2", 532, 44, 60, Right);
    lblBNatTeam2 = AddLabel("lblBNatTeam2", 594, 44, 60, Right);
    imgBTeam2 = AddFlag("imgBTeam2", 658, 30);
    btnBTeam2 = AddButton("btnBTeam2", PanelWidth - ButtonSize, 26, NavigationTeamImage);

    for (QLabel* label : {lblBCoChamp, lblBCoTeam1, lblBCoTeam2})
        SetCaption(label, "Страна:");
}

void TMainMatchPanel::ApplyLanguage(DBSetting* setting)
{
    for (QLabel* label : {lblBCoChamp, lblBCoTeam1, lblBCoTeam2})
        SetCaption(label, setting->GetLangText(1020));
    SetHint(btnBFixed, setting->GetLangText(1017));
    SetHint(btnBChamp, setting->GetLangText(1016));
    SetHint(btnBTeam1, setting->GetLangText(1015));
    SetHint(btnBTeam2, setting->GetLangText(1015));
}

void TMainMatchPanel::Centre()
{
    panelBottom->move((width() - panelBottom->width()) / 2, 2);
}

QLabel* TMainMatchPanel::AddLabel(const char* name, int left, int top, int width, Qt::Alignment align, bool bold)
{
    auto* label = new QLabel(panelBottom);
    label->setObjectName(name);
    label->setGeometry(left, top, width, LineHeight);
    label->setAlignment(align);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* TMainMatchPanel::AddFlag(const char* name, int left, int top)
{
    auto* flag = new QLabel(panelBottom);
    flag->setObjectName(name);
    flag->setGeometry(left, top, 20, 13);
    return flag;
}

TToolButton* TMainMatchPanel::AddButton(const char* name, int left, int top, int imageIndex)
{
    auto* button = new TToolButton(panelBottom);
    button->setObjectName(name);
    button->setGeometry(left, top, ButtonSize, ButtonSize);
    button->SetImages(images_);
    button->SetImageIndex(imageIndex);
    return button;
}
