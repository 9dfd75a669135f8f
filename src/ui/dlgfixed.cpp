#include "ui/dlgfixed.h"

#include "data/dbteam.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "presenters/gridfill.h"
#include "ui/dlgform.h"
#include "ui/fixedelopage.h"
#include "ui/fixedforecastpage.h"
#include "ui/fixedformpage.h"
#include "ui/fixedpreviewpage.h"
#include "ui/fixedseasonspage.h"
#include "ui/fixedseriespage.h"
#include "ui/fixedspecialpage.h"
#include "ui/fixedsquadpage.h"
#include "ui/fixedtourpage.h"
#include "ui/flagpicture.h"
#include "ui/formcontrols.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

TDlgFixed* DlgFixed = nullptr;

namespace {

constexpr int FlagMargin = 8;
constexpr QSize SwapSize(30, 25);
// Free room between a team's name and the flag or the swap button beside it.
constexpr int TitleGap = 8;

// A team's short name and country code as its header label shows them; a name too long
// for the label is cut short with an ellipsis and keeps the code.
QString HeaderTitle(const QLabel& label, DBTeam& team)
{
    const QString country = QString::fromStdString(" (" + team.GetNationalID() + ")");
    const QFontMetrics metrics(label.font());
    return metrics.elidedText(QString::fromStdString(DBTeam::ShortName(team.GetName())), Qt::ElideRight,
                              label.width() - metrics.horizontalAdvance(country)) +
           country;
}

}  // namespace

TDlgFixed::TDlgFixed(QWidget* owner) : TCardForm(owner, "DlgFixed")
{
    BuildLayout();
    ApplyLanguage();
    ConnectPages();
    ConnectHandler(btnChangeTeam, &QPushButton::clicked, this, &TDlgFixed::btnChangeTeamClick);
    ConnectHandler(tabPlayers->txtMinSkills, &QLineEdit::textChanged, this, &TDlgFixed::txtMinSkillsChange);
    ConnectHandler(tabPlayers->btnForm, &QPushButton::clicked, this, &TDlgFixed::btnFormClick);
}

TDlgFixed::~TDlgFixed()
{
    FormDestroy();
}

void TDlgFixed::BuildLayout()
{
    Panel1 = AddHeader("Panel1");
    imgTeam = AddHeaderFlag(Panel1, "imgTeam", FlagMargin);
    btnChangeTeam = AddControl<QPushButton>(
            Panel1, "btnChangeTeam",
            QRect(QPoint((CardWidth - SwapSize.width()) / 2, (HeaderHeight - SwapSize.height()) / 2), SwapSize));
    SetCaption(btnChangeTeam, "<>");
    imgTeamRival = AddHeaderFlag(Panel1, "imgTeamRival", CardWidth - FlagMargin - imgTeam->width());
    // Each name between its flag and the swap button, the two mirrored.
    const int titleLeft = imgTeam->geometry().right() + 1 + TitleGap;
    const int titleWidth = btnChangeTeam->x() - TitleGap - titleLeft;
    lblTeamName = AddHeaderTitle(Panel1, "lblTeamName", QRect(titleLeft, 0, titleWidth, HeaderHeight));
    lblTeamRivalName = AddHeaderTitle(Panel1, "lblTeamRivalName",
                                      QRect(CardWidth - titleLeft - titleWidth, 0, titleWidth, HeaderHeight));

    page1 = AddPages();
    tabPreview = new TFixedPreviewPage(page1, Teams);
    tabPlayers = new TFixedSquadPage(page1, Teams);
    tabStatsSeasons = new TFixedSeasonsPage(page1, Teams);
    tabSeriesScore = new TFixedSeriesPage(page1, Teams);
    tabTour = new TFixedTourPage(page1, Teams);
    tabForm = new TFixedFormPage(page1, Teams);
    tabPrognoz = new TFixedForecastPage(page1, Teams);
    tabElo = new TFixedEloPage(page1, Teams);
    tabSpecialPredict = new TFixedSpecialPage(page1, Teams);
    for (TCardPage* page : std::initializer_list<TCardPage*>{tabPreview, tabPlayers, tabStatsSeasons, tabSeriesScore,
                                                             tabTour, tabForm, tabPrognoz, tabElo, tabSpecialPredict})
        AddPage(page);
    // Complete, but not shown in this build.
    for (TCardPage* page : std::initializer_list<TCardPage*>{tabPlayers, tabForm, tabPrognoz, tabElo, tabSpecialPredict})
        SetPageVisible(page, false);
}

void TDlgFixed::ApplyLanguage()
{
    setWindowTitle(QString::fromStdString(LangText(1197)));
    SetHint(btnChangeTeam, LangText(1196));
    const std::pair<TCardPage*, AnsiString> captions[] = {
            {tabPreview, LangText(1198)}, {tabPlayers, LangText(1266)}, {tabStatsSeasons, LangText(1126)},
            {tabSeriesScore, LangText(1127)}, {tabTour, LangText(1234)}, {tabForm, LangText(1254)},
            {tabPrognoz, LangText(1199)}, {tabElo, "Рейтинг ЭЛО"}, {tabSpecialPredict, "Special predict"}};
    for (const auto& [page, caption] : captions)
        page1->setTabText(page1->indexOf(page), QString::fromStdString(caption));
}

void TDlgFixed::FormDestroy()
{
    // The pages own the presenters: they go while the teams they show still exist,
    // and no page is filled as the tabs go.
    disconnect(page1, nullptr, this, nullptr);
    delete page1;
    page1 = nullptr;
}

void TDlgFixed::SetTeams(int team1ID, int team2ID)
{
    Teams.team1ID = team1ID;
    Teams.team2ID = team2ID;
    const std::pair<DBTeam*, QLabel*> headers[] = {{Teams.team1.get(), lblTeamName},
                                                   {Teams.team2.get(), lblTeamRivalName}};
    Teams.team1->OpenByID(team1ID);
    Teams.team2->OpenByID(team2ID);
    for (const auto& [team, label] : headers)
        label->setText(HeaderTitle(*label, *team));
    LoadFlagPicture(imgTeam);
    LoadFlagPicture(imgTeamRival);
}

void TDlgFixed::FormShow()
{
    page1Change();
}

void TDlgFixed::ClearFilledPages()
{
    for (TFixedPage* page : std::initializer_list<TFixedPage*>{tabPreview, tabSpecialPredict, tabPrognoz})
        page->ClearFilled();
}

void TDlgFixed::btnChangeTeamClick()
{
    ClearFilledPages();
    SetTeams(Teams.team2ID, Teams.team1ID);
    page1Change();
}

void TDlgFixed::txtMinSkillsChange()
{
    page1Change();
}

void TDlgFixed::btnFormClick()
{
    TDlgForm form(this, Teams.team1.get(), Teams.team2.get());
    form.Start(tabPlayers->MinSkills());
    form.ShowModal();
}
