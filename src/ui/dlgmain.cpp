#include "ui/dlgmain.h"

#include "data/dbasecontrols.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "foundation/jxfile.h"
#include "foundation/jxgrid.h"
#include "foundation/resulticons.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/sysutils.h"
#include "platform/tlabel.h"
#include "platform/ttoolbutton.h"
#include "presenters/dbfixedgrid.h"
#include "ui/cardform.h"
#include "ui/dlgabout.h"
#include "ui/dlgchamp.h"
#include "ui/dlgfilter.h"
#include "ui/dlgfixed.h"
#include "ui/dlgselectchamp.h"
#include "ui/dlgselectfixed.h"
#include "ui/dlgselectteam.h"
#include "ui/dlgsetting.h"
#include "ui/dlgsupport.h"
#include "ui/dlgteam.h"
#include "ui/dlgtoday.h"
#include "ui/flagpicture.h"
#include "ui/formfont.h"
#include "ui/mainmatchpanel.h"
#include "ui/mainnavigation.h"
#include "ui/mainsummary.h"
#include "ui/toolpictures.h"
#include "update/dlgupdate.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>

TDlgMain* DlgMain = nullptr;

namespace {

constexpr int FormWidth = 799;
constexpr int LayoutHeight = 556;
constexpr int PinnedHeight = 600;
constexpr int ToolColumnWidth = 69;
constexpr int ToolButtonWidth = 64;
constexpr int ToolButtonHeight = 54;
// The part of a tool bar button's width that its caption cannot use.
constexpr int ToolButtonMargin = 6;

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TDlgMain::TDlgMain(QWidget* owner)
    : TForm(owner),
      navigationImages(CreateNavigationImages()),
      mainToolImages(CreateMainToolImages()),
      resultImages(CreateResultIcons())
{
    DlgMain = this;
    // The log covers this run from its first line: what building the window logs (a
    // language file that cannot be read) must outlive the first show.
    std::error_code ignored;
    std::filesystem::remove(ProgramFolder() + "log.txt", ignored);
    BuildLayout();
    DBSetting::CreateGlobal();
    Filter = std::make_unique<DBFilter>();
    Season = std::make_unique<DBSeason>();
    FixedGrid = std::make_unique<DBFixedGrid>(gridFixed);
    ConnectHandlers();
    ApplyLanguage();
    setWindowTitle(QString::fromStdString("Kovral " + ProgramFolder()));
}

TDlgMain::~TDlgMain()
{
    FormDestroy();
    if (DlgMain == this)
        DlgMain = nullptr;
}

void TDlgMain::BuildLayout()
{
    setObjectName("DlgMain");
    // A single border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(FormWidth, LayoutHeight);
    SetFormFont(this);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(BuildMainToolBar());

    panelNavig = new TMainNavigation(this, &navigationImages);
    gridFixed = new TJXGrid(this);
    gridFixed->setObjectName("gridFixed");
    gridFixed->SetImageList(&resultImages);
    panelResultMain = new TMainSummary(this);
    panelBottomMain = new TMainMatchPanel(this, &navigationImages);

    auto* list = new QVBoxLayout;
    list->setContentsMargins(0, 0, 2, 0);
    list->setSpacing(0);
    // At the top also in card mode, where a card that handed a view back hides itself
    // and leaves the bar alone above the hidden list.
    list->addWidget(panelNavig, 0, Qt::AlignTop);
    list->addWidget(gridFixed, 1);
    list->addWidget(panelResultMain);
    list->addWidget(panelBottomMain);
    columns->addLayout(list, 1);
}

QWidget* TDlgMain::BuildMainToolBar()
{
    panelRightMain = new QWidget(this);
    panelRightMain->setObjectName("panelRightMain");
    panelRightMain->setFixedWidth(ToolColumnWidth);

    ToolBar2 = new QWidget(panelRightMain);
    ToolBar2->setObjectName("ToolBar2");
    ToolBar2->setGeometry(2, 2, ToolButtonWidth, ToolButtonHeight);
    btnCloseMDI = new TToolButton(ToolBar2);
    btnCloseMDI->setObjectName("btnCloseMDI");
    btnCloseMDI->setGeometry(0, 0, ToolButtonWidth, ToolButtonHeight);
    btnCloseMDI->SetImages(&navigationImages);
    btnCloseMDI->SetImageIndex(0);
    SetHint(btnCloseMDI, "Назад");
    ToolBar2->hide();

    panelRight = new QWidget(panelRightMain);
    panelRight->setObjectName("panelRight");
    toolMain = new QWidget(panelRight);
    toolMain->setObjectName("toolMain");
    auto* buttons = new QVBoxLayout(toolMain);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    const char* const names[] = {"btnTeam", "btnChampionat", "btnFixed", "btnToday", "btnUpdate", "btnRanking",
                                 "btnFav", "btnSettings", "btnHelp", "btnSupport", "btnAbout", "btnExit"};
    TToolButton** const members[] = {&btnTeam, &btnChampionat, &btnFixed, &btnToday, &btnUpdate, &btnRanking,
                                     &btnFav, &btnSettings, &btnHelp, &btnSupport, &btnAbout, &btnExit};
    for (int i = 0; i < 12; ++i) {
        auto* button = new TToolButton(toolMain);
        button->setObjectName(names[i]);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFixedSize(ToolButtonWidth, ToolButtonHeight);
        SetFormFont(button, SmallFontPixels, CondensedStretch);
        button->SetImages(&mainToolImages);
        button->SetImageIndex(i);
        buttons->addWidget(button);
        *members[i] = button;
    }
    // The separator between the pickers and the other commands.
    ToolButton1 = new TToolButton(toolMain);
    ToolButton1->setObjectName("ToolButton1");
    ToolButton1->setFixedSize(ToolButtonWidth, 8);
    buttons->insertWidget(3, ToolButton1);
    for (TToolButton* hidden : {btnFav, btnRanking, btnHelp, btnSupport, btnAbout, btnExit})
        hidden->hide();

    auto* frame = new QVBoxLayout(panelRight);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(toolMain);
    panelRight->adjustSize();
    panelRight->move(2, 0);
    return panelRightMain;
}

void TDlgMain::ConnectHandlers()
{
    ConnectHandler(panelNavig->btnNBack, &QToolButton::clicked, this, &TDlgMain::btnNBackClick);
    ConnectHandler(panelNavig->btnNForward, &QToolButton::clicked, this, &TDlgMain::btnNForwardClick);
    ConnectHandler(panelNavig->btnNFilter, &QToolButton::clicked, this, &TDlgMain::btnNFilterClick);
    ConnectHandler(panelNavig->btnNTeamChamp, &QToolButton::clicked, this, &TDlgMain::btnNTeamChampClick);
    ConnectHandler(panelBottomMain->btnBChamp, &QToolButton::clicked, this, &TDlgMain::btnBChampClick);
    ConnectHandler(panelNavig->btnNTeamRival, &QToolButton::clicked, this, &TDlgMain::btnNTeamRivalClick);
    ConnectHandler(panelBottomMain->btnBTeam1, &QToolButton::clicked, this, &TDlgMain::btnBTeam1Click);
    ConnectHandler(panelBottomMain->btnBTeam2, &QToolButton::clicked, this, &TDlgMain::btnBTeam2Click);
    ConnectHandler(panelNavig->lblNTeamChamp, &TLabel::clicked, this, &TDlgMain::lblNTeamChampClick);
    ConnectHandler(panelNavig->lblNTeamRival, &TLabel::clicked, this, &TDlgMain::lblNTeamRivalClick);
    ConnectHandler(panelNavig->cboSeason, &QComboBox::activated, this, &TDlgMain::cboSeasonChange);
    ConnectHandler(panelNavig->btnPlus, &QPushButton::clicked, this, &TDlgMain::btnPlusClick);
    ConnectHandler(panelNavig->btnMinus, &QPushButton::clicked, this, &TDlgMain::btnMinusClick);
    ConnectHandler(btnCloseMDI, &QToolButton::clicked, this, &TDlgMain::btnCloseMDIClick);
    ConnectHandler(btnTeam, &QToolButton::clicked, this, &TDlgMain::btnTeamClick);
    // A right click on the team button opens the head-to-head picker.
    btnTeam->setContextMenuPolicy(Qt::CustomContextMenu);
    ConnectHandler(btnTeam, &QWidget::customContextMenuRequested, this, &TDlgMain::btnTeamContextPopup);
    ConnectHandler(btnChampionat, &QToolButton::clicked, this, &TDlgMain::btnChampionatClick);
    ConnectHandler(btnFixed, &QToolButton::clicked, this, &TDlgMain::btnFixedClick);
    ConnectHandler(btnToday, &QToolButton::clicked, this, &TDlgMain::btnTodayClick);
    ConnectHandler(btnUpdate, &QToolButton::clicked, this, &TDlgMain::btnUpdateClick);
    ConnectHandler(btnSettings, &QToolButton::clicked, this, &TDlgMain::btnSettingsClick);
    ConnectHandler(btnSupport, &QToolButton::clicked, this, &TDlgMain::btnSupportClick);
    ConnectHandler(btnAbout, &QToolButton::clicked, this, &TDlgMain::btnAboutClick);
    ConnectHandler(btnExit, &QToolButton::clicked, this, &TDlgMain::btnExitClick);
    ConnectHandler(panelBottomMain->btnBFixed, &QToolButton::clicked, this, &TDlgMain::btnBFixedClick);
    ConnectHandler(panelNavig->btnNFixed, &QToolButton::clicked, this, &TDlgMain::btnNFixedClick);
    ConnectHandler(gridFixed, &TJXGrid::OnSelectCell, this, &TDlgMain::gridFixedSelectCell);
    ConnectHandler(gridFixed, &TJXGrid::OnDblClick, this, &TDlgMain::gridFixedDblClick);
}

std::vector<TToolButton*> TDlgMain::ToolBarButtons() const
{
    return {btnTeam, btnChampionat, btnFixed, btnToday, btnUpdate, btnRanking,
            btnFav, btnSettings, btnHelp, btnSupport, btnAbout, btnExit};
}

// ---- lifecycle -------------------------------------------------------------------

void TDlgMain::FormShow()
{
    ReportUnreadableData();
    Setting()->OpenFormSetting("DlgMain");
    if (!Setting()->ReadBool("SaveHistory"))
        Filter->EraseFilter();
    else
        Filter->UpdateID();
    if (DlgFilter)
        DlgFilter->SetFilter(Filter.get());
    Refresh();
    PinHeight();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    FormResize();
}

void TDlgMain::ReportUnreadableData()
{
    const AnsiString error = DBConnect::GetData()->OpenError();
    if (error.empty())
        return;
    SaveLog(GetAppPath(), "ERROR DBCONNECT " + error);
    MessageBox(Setting()->GetLangText(1019) + "\r\n" + error, "", MB_OK | MB_ICONERROR);
}

void TDlgMain::FormActivate()
{
    if (DlgFilter && !Setting()->ReadBool("FilterTop"))
        DlgFilter->hide();
}

void TDlgMain::FormClose()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->windowTitle() == "Kovral Help")
            window->close();
}

void TDlgMain::FormDestroy()
{
    DBSetting* setting = Setting();
    if (!setting)
        return;
    setting->OpenFormSetting("DlgMain");
    if (!isMaximized()) {
        const QRect frame = frameGeometry();
        setting->SaveIsMax(false);
        setting->SaveWidth(frame.width());
        setting->SaveHeight(frame.height());
        setting->SaveTop(frame.top());
        setting->SaveLeft(frame.left());
    } else {
        setting->SaveIsMax(true);
    }
    FixedGrid.reset();
    Filter.reset();
    Season.reset();
    DBSetting::FreeGlobal();
}

void TDlgMain::FormResize()
{
    panelBottomMain->Centre();
    panelResultMain->Centre();
    panelRight->move(panelRight->x(), (panelRightMain->height() - panelRight->height()) / 2);
}

void TDlgMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    TForm::keyPressEvent(event);
}

void TDlgMain::PinHeight()
{
    setFixedHeight(PinnedHeight);
}

// ---- the central refresh ---------------------------------------------------------

void TDlgMain::Refresh()
{
    if (!Filter->Update())
        return;
    DBFixed* fixed = FixedGrid->Fixed();
    fixed->OpenByFilter(Filter.get());
    FillSeasonList();
    panelNavig->btnNBack->setEnabled(Filter->CanBack());
    panelNavig->btnNForward->setEnabled(Filter->CanForward());
    ShowNavigation();
    FixedGrid->SetupColumns(true);
    switch (Filter->GetMode()) {
    case FilterMode::Team:
    case FilterMode::Pair: FixedGrid->FillFixed(); break;
    case FilterMode::Tournament: FixedGrid->FillFixedOdds(false); break;
    default:
        // A view of no known kind opens nothing: show an empty list, never the
        // previous view's rows.
        fixed->GetQuery()->Close();
        FixedGrid->ResetCounters();
        FixedGrid->Clear();
        break;
    }
    ShowResultSummary();
    const int row = Filter->GetRow();
    // A stored row outside the list (fewer matches after a change of conditions, or
    // a row below the first) falls back to the first row.
    if (row < gridFixed->FixedRows() || row >= gridFixed->RowCount()) {
        Filter->SetRow(1);
        Filter->Update();
    }
    gridFixed->SetRow(Filter->GetRow());
    ShowFixedPanel(Filter->GetRow() - 1);
    gridFixed->setFocus();
}

void TDlgMain::FillSeasonList()
{
    QComboBox* combo = panelNavig->cboSeason;
    Season->OpenList(false);
    FillCombo(combo, Season.get());
    SelectComboText(combo, Season.get(), Filter->GetSeasonName());
    // An empty list offers neither direction.
    const int index = combo->currentIndex();
    panelNavig->btnPlus->setEnabled(index > 0);
    panelNavig->btnMinus->setEnabled(index >= 0 && index < combo->count() - 1);
}

void TDlgMain::ShowNavigation()
{
    const int mode = Filter->GetMode();
    if (mode != FilterMode::Team && mode != FilterMode::Tournament && mode != FilterMode::Pair)
        return;
    TMainNavigation* bar = panelNavig;
    const bool tournament = mode == FilterMode::Tournament;
    const bool pair = mode == FilterMode::Pair;
    bar->btnNTeamChamp->SetImageIndex(tournament ? NavigationTournamentImage : NavigationTeamImage);
    SetHint(bar->btnNTeamChamp, Setting()->GetLangText(tournament ? 1016 : 1015));
    bar->panelNTeamRival->setVisible(pair);
    bar->toolNTeamRival->setVisible(pair);
    bar->toolNFixed->setVisible(pair);
    if (pair)
        bar->toolNFixed->move(TMainNavigation::PairButtonLeft, bar->toolNFixed->y());
    SetCaption(bar->lblNTeamChamp, tournament ? Filter->GetChampName() : Filter->GetTeam());
    SetCaption(bar->lblNNatTeamChamp, tournament ? Filter->GetChampNat() : Filter->GetTeamNat());
    if (pair) {
        SetCaption(bar->lblNTeamRival, Filter->GetTeamRival());
        SetCaption(bar->lblNNatTeamRival, Filter->GetTeamRivalNat());
    }
    bar->panelSeason->setVisible(!pair && !Setting()->ReadBool("NoShowFilter"));
    LoadFlagPicture(bar->imgNTeamChamp);
    LoadFlagPicture(bar->imgNTeamRival);
}

void TDlgMain::ShowFixedPanel(int index)
{
    TMainMatchPanel* panel = panelBottomMain;
    for (QLabel* flag : {panel->imgBChamp, panel->imgBTeam1, panel->imgBTeam2})
        LoadFlagPicture(flag);
    DBFixed* fixed = FixedGrid->Fixed();
    if (fixed->Count() < 1) {
        for (QLabel* label : {panel->lblBChamp, panel->lblBNatChamp, panel->lblBTeam1, panel->lblBNatTeam1,
                              panel->lblBTeam2, panel->lblBNatTeam2})
            SetCaption(label, "NOT");
        SetCaption(panel->lblBGoals, "0:0");
        return;
    }
    fixed->MoveBy(index);
    SetCaption(panel->lblBChamp, fixed->GetChamp());
    SetCaption(panel->lblBNatChamp, fixed->GetChampNat());
    SetCaption(panel->lblBTeam1, fixed->GetTeam1());
    SetCaption(panel->lblBNatTeam1, fixed->GetTeam1Nat());
    SetCaption(panel->lblBTeam2, fixed->GetTeam2());
    SetCaption(panel->lblBNatTeam2, fixed->GetTeam2Nat());
    SetCaption(panel->lblBGoals, fixed->GetScoreText());
    SetFontColor(panel->lblBGoals, Filter->GetMode() == FilterMode::Tournament
                                           ? FixedGrid->GetHomeResultColor()
                                           : DBFixedGrid::GetResultColor(fixed->GetResultForTeam()));
}

void TDlgMain::ShowResultSummary()
{
    const MatchCounters& c = FixedGrid->Counters();
    const int g = c.games;
    TMainSummary* summary = panelResultMain;
    summary->Shared.Show(c);
    SetCaption(summary->lblRMinus, IntToStr(c.wonBy2));
    SetCaption(summary->lblRPlus, IntToStr(c.notLostBy2));
    SetCaption(summary->lblRByScore, IntToStr(c.scoredIn) + "-" + IntToStr(g - c.scoredIn));
    SetCaption(summary->lblRByMiss, IntToStr(c.concededIn) + "-" + IntToStr(g - c.concededIn));
    summary->Centre();
}

// ---- card mode ---------------------------------------------------------------------

void TDlgMain::ShowCard(TForm* card)
{
    // One card at a time: the navigation bar still opens cards in card mode.
    if (Card && Card != card)
        SetCardMode(true, Card);
    card->setParent(this, Qt::Widget);
    card->show();
    card->move(ToolColumnWidth, 0);
    card->raise();
    SetCardMode(false, card);
}

void TDlgMain::SetCardMode(bool leave, TForm* card)
{
    if (!leave) {
        ToolBar2->show();
        PinHeight();
        panelResultMain->hide();
        panelBottomMain->hide();
        gridFixed->hide();
        toolMain->setEnabled(false);
        // The bar shows again when a card hides after handing a view back; its history
        // moves would then act on a history the list has not yet caught up with.
        panelNavig->setEnabled(false);
        Card = card;
        return;
    }
    panelBottomMain->show();
    panelResultMain->show();
    ToolBar2->hide();
    toolMain->setEnabled(true);
    panelNavig->setEnabled(true);
    for (TToolButton* button : ToolBarButtons())
        button->setEnabled(true);
    gridFixed->show();
    PinHeight();
    if (card->Tag() != 0)
        Refresh();
    // The card may be the one running this (a card pressing Back itself): free it
    // once its handler has returned.
    card->hide();
    card->deleteLater();
    Card = nullptr;
}

void TDlgMain::btnCloseMDIClick()
{
    if (Card)
        SetCardMode(true, Card);
}

// ---- texts -------------------------------------------------------------------------

void TDlgMain::ApplyLanguage()
{
    DBSetting* setting = Setting();
    setting->LoadLanguage();
    ToolCaptions.clear();
    for (int id = 1001; id <= 1012; ++id)
        ToolCaptions.push_back(setting->GetLangText(id));
    const std::vector<TToolButton*> buttons = ToolBarButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        SetCentredCaption(buttons[i], ToolCaptions[i]);
    panelNavig->ApplyLanguage(setting);
    panelBottomMain->ApplyLanguage(setting);
    panelResultMain->ApplyLanguage(setting);
    FixedGrid->SetupColumns(true);
    gridFixed->Invalidate();
}

void TDlgMain::SetCentredCaption(TToolButton* button, const AnsiString& text)
{
    const QFontMetrics metrics(font());
    const int blank = metrics.horizontalAdvance(' ');
    const int n = (ToolButtonWidth - ToolButtonMargin - metrics.horizontalAdvance(QString::fromStdString(text))) / blank;
    const int left = n / 2;
    const int right = n - left;
    if (button->width() == ToolButtonWidth)
        SetCaption(button, AnsiString(std::max(left, 0), ' ') + text + AnsiString(std::max(right, 0), ' '));
    else
        SetCaption(button, text);
}

// ---- handlers ----------------------------------------------------------------------

void TDlgMain::btnNBackClick()
{
    if (!Filter->CanBack())
        return;
    Filter->Back(gridFixed->Row());
    Refresh();
}

void TDlgMain::btnNForwardClick()
{
    if (!Filter->CanForward())
        return;
    Filter->Forward(gridFixed->Row());
    Refresh();
}

void TDlgMain::btnNFilterClick()
{
    if (!DlgFilter)
        return;
    // Shown first, so that its frame is known for the placing.
    DlgFilter->Show();
    const QRect main = frameGeometry();
    DlgFilter->move(main.left() + main.width() - DlgFilter->frameGeometry().width() - 10, main.top() + 150);
}

void TDlgMain::lblNTeamChampClick()
{
    ShowTeamOfPair(Filter->GetTeamID());
}

void TDlgMain::lblNTeamRivalClick()
{
    ShowTeamOfPair(Filter->GetTeamRivalID());
}

void TDlgMain::ShowTeamOfPair(int teamID)
{
    if (Filter->GetMode() != FilterMode::Pair)
        return;
    if (Filter->AddTeam(teamID, DBSeason::GetLastSeasonOfTeam(teamID)))
        Refresh();
}

void TDlgMain::cboSeasonChange()
{
    SyncCombo(panelNavig->cboSeason, Season.get());
    ChangeSeasonWith(Season->GetSeasonID());
}

void TDlgMain::btnPlusClick()
{
    QComboBox* combo = panelNavig->cboSeason;
    if (combo->currentIndex() <= 0)
        return;
    Season->MoveBy(combo->currentIndex() - 1);
    ChangeSeasonWith(Season->GetSeasonID());
}

void TDlgMain::btnMinusClick()
{
    QComboBox* combo = panelNavig->cboSeason;
    if (combo->currentIndex() < 0 || combo->currentIndex() >= combo->count() - 1)
        return;
    Season->MoveBy(combo->currentIndex() + 1);
    ChangeSeasonWith(Season->GetSeasonID());
}

void TDlgMain::ChangeSeasonWith(int seasonID)
{
    Filter->SetSeasonWith(seasonID);
    Refresh();
}

template <typename Dialog, typename... Arguments>
void TDlgMain::ShowDialog(Arguments... arguments)
{
    Dialog dialog(this, arguments...);
    dialog.ShowModal();
    if (dialog.Tag() != 0)
        Refresh();
}

template <typename CardForm, typename... Arguments>
CardForm* TDlgMain::NewCard(CardForm*& global, Arguments... arguments)
{
    auto* card = new CardForm(this, arguments...);
    KeepCardPointer(global, card);
    return card;
}

void TDlgMain::ShowTeamCard(int teamID)
{
    TDlgTeam* card = NewCard(DlgTeam, Filter.get());
    card->SetTeam(teamID);
    ShowCard(card);
}

DBFixed* TDlgMain::PanelMatch()
{
    DBFixed* fixed = FixedGrid->Fixed();
    if (fixed->Count() < 1)
        return nullptr;
    fixed->MoveBy(gridFixed->Row() - 1);
    return fixed;
}

void TDlgMain::btnNTeamChampClick()
{
    switch (Filter->GetMode()) {
    case FilterMode::Tournament:
        ShowCard(NewCard(DlgChamp, Filter.get(), Filter->GetChampID(), Filter->GetSeasonName(), btnCloseMDI));
        break;
    case FilterMode::Team:
    case FilterMode::Pair: ShowTeamCard(Filter->GetTeamID()); break;
    default: break;
    }
}

void TDlgMain::btnNTeamRivalClick()
{
    ShowTeamCard(Filter->GetTeamRivalID());
}

void TDlgMain::btnBChampClick()
{
    if (DBFixed* match = PanelMatch())
        ShowCard(NewCard(DlgChamp, Filter.get(), match->GetChampID(), match->GetSeason(), btnCloseMDI));
}

void TDlgMain::btnBTeam1Click()
{
    if (DBFixed* match = PanelMatch())
        ShowTeamCard(match->GetTeam1ID());
}

void TDlgMain::btnBTeam2Click()
{
    if (DBFixed* match = PanelMatch())
        ShowTeamCard(match->GetTeam2ID());
}

void TDlgMain::btnTeamClick()
{
    ShowDialog<TDlgSelectTeam>(Filter.get());
}

void TDlgMain::btnTeamContextPopup()
{
    ShowDialog<TDlgSelectFixed>(Filter.get());
}

void TDlgMain::btnChampionatClick()
{
    ShowDialog<TDlgSelectChamp>(Filter.get());
}

void TDlgMain::btnFixedClick()
{
    ShowDialog<TDlgSelectFixed>(Filter.get());
}

void TDlgMain::btnTodayClick()
{
    ShowDialog<TDlgToday>(Filter.get());
}

void TDlgMain::btnUpdateClick()
{
    ShowDialog<TDlgUpdate>();
}

void TDlgMain::btnSettingsClick()
{
    ShowDialog<TDlgSetting>();
    ApplyLanguage();
}

void TDlgMain::btnSupportClick()
{
    TDlgSupport dialog(this);
    dialog.ShowModal();
}

void TDlgMain::btnAboutClick()
{
    TDlgAbout dialog(this);
    dialog.ShowModal();
}

void TDlgMain::btnExitClick()
{
    Close();
}

void TDlgMain::btnBFixedClick()
{
    if (DBFixed* match = PanelMatch())
        ShowFixedCard(match->GetTeam1ID(), match->GetTeam2ID());
}

void TDlgMain::btnNFixedClick()
{
    ShowFixedCard(Filter->GetTeamID(), Filter->GetTeamRivalID());
}

void TDlgMain::ShowFixedCard(int team1ID, int team2ID)
{
    TDlgFixed* card = NewCard(DlgFixed);
    card->SetTeams(team1ID, team2ID);
    ShowCard(card);
}

void TDlgMain::gridFixedSelectCell(int /*aCol*/, int aRow)
{
    Filter->SetRow(aRow);
    ShowFixedPanel(aRow - 1);
}

void TDlgMain::gridFixedDblClick()
{
    DBFixed* fixed = FixedGrid->Fixed();
    if (fixed->Count() < 1)
        return;
    fixed->MoveBy(gridFixed->Row() - 1);
    const int column = gridFixed->Col();
    bool added = false;
    if (column == DBFixedGrid::GridColumn(DBFixedGrid::Team1Column))
        added = Filter->AddTeam(fixed->GetTeam1ID(), fixed->GetSeasonID());
    else if (column == DBFixedGrid::GridColumn(DBFixedGrid::Team2Column))
        added = Filter->AddTeam(fixed->GetTeam2ID(), fixed->GetSeasonID());
    else if (column == DBFixedGrid::GridColumn(DBFixedGrid::ScoreColumn))
        added = Filter->AddTeamRival(fixed->GetTeam1ID(), fixed->GetTeam2ID());
    else if (column == DBFixedGrid::GridColumn(DBFixedGrid::ChampColumn))
        added = Filter->AddChamp(fixed->GetChampID(), fixed->GetSeasonID());
    if (added)
        Refresh();
}
