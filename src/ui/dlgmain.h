#pragma once

#include <memory>
#include <vector>

#include "platform/imagelist.h"
#include "platform/tform.h"
#include "platform/types.h"

class DBFilter;
class DBFixed;
class DBFixedGrid;
class DBSeason;
class QKeyEvent;
class QWidget;
class TJXGrid;
class TMainMatchPanel;
class TMainNavigation;
class TMainSummary;
class TToolButton;

// The main window: the match list of the view history's current entry, with the
// navigation bar above it, the result summary and the selected match below it, and
// the main tool bar at the left. Cards (team, tournament, match) show inside it in
// the list's place, one at a time. Closing it ends the program.
class TDlgMain : public TForm {
    Q_OBJECT

public:
    explicit TDlgMain(QWidget* owner = nullptr);
    ~TDlgMain() override;

    // The central refresh: shows the history's current entry.
    void Refresh();
    void ShowNavigation();
    // The selected match below the list, from row index (0-based) of the list's matches.
    void ShowFixedPanel(int index);
    void ShowResultSummary();
    // Shows card inside the window in the list's place and takes it over; a card shown
    // before is left first, as Back leaves it.
    void ShowCard(TForm* card);
    // Enters card mode for card, or (leave) goes back to the list, refreshing when the
    // card handed a choice back (Tag), and frees the card.
    void SetCardMode(bool leave, TForm* card);
    // The language texts of every caption and hint, and the list's column headers.
    void ApplyLanguage();

    DBFilter* GetFilter() const { return Filter.get(); }

    // Navigation bar
    TMainNavigation* panelNavig;
    // Card-mode bar with its Back button
    QWidget* ToolBar2;
    TToolButton* btnCloseMDI;
    // Main tool bar, in the order of its caption texts
    QWidget* panelRightMain;
    QWidget* panelRight;
    QWidget* toolMain;
    TToolButton* btnTeam;
    TToolButton* btnChampionat;
    TToolButton* btnFixed;
    TToolButton* btnToday;
    TToolButton* btnUpdate;
    TToolButton* btnRanking;
    TToolButton* btnFav;
    TToolButton* btnSettings;
    TToolButton* btnHelp;
    TToolButton* btnSupport;
    TToolButton* btnAbout;
    TToolButton* btnExit;
    TToolButton* ToolButton1;
    // The match list, the result summary and the selected match
    TJXGrid* gridFixed;
    TMainSummary* panelResultMain;
    TMainMatchPanel* panelBottomMain;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void FormResize() override;
    // Esc leaves the program window alone.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildMainToolBar();
    void ConnectHandlers();
    void FormDestroy();
    // Keeps the window's height at 600 pixels.
    void PinHeight();
    // Tells the user once, and the log, when data.mdb cannot be read: every list would
    // stay empty without a word why.
    void ReportUnreadableData();
    std::vector<TToolButton*> ToolBarButtons() const;
    // Puts text centred into a 64-pixel tool bar button by blanks on both sides.
    void SetCentredCaption(TToolButton* button, const AnsiString& text);
    void FillSeasonList();
    void ChangeSeasonWith(int seasonID);
    // In a head-to-head view: the team view of one of the two teams, latest season.
    void ShowTeamOfPair(int teamID);

    void btnNBackClick();
    void btnNForwardClick();
    void btnNFilterClick();
    void lblNTeamChampClick();
    void lblNTeamRivalClick();
    void cboSeasonChange();
    void btnPlusClick();
    void btnMinusClick();
    void btnCloseMDIClick();
    // Shows a modal dialog of this window and refreshes when it handed a choice back.
    template <typename Dialog, typename... Arguments>
    void ShowDialog(Arguments... arguments);
    // Creates a card of this window and keeps it in global while it lives.
    template <typename CardForm, typename... Arguments>
    CardForm* NewCard(CardForm*& global, Arguments... arguments);
    // The team card of teamID in the list's place.
    void ShowTeamCard(int teamID);
    // The match of the bottom panel (the list's current row); null when the list is empty.
    DBFixed* PanelMatch();
    void btnNTeamChampClick();
    void btnNTeamRivalClick();
    void btnBChampClick();
    void btnBTeam1Click();
    void btnBTeam2Click();
    void btnTeamClick();
    void btnTeamContextPopup();
    void btnChampionatClick();
    void btnFixedClick();
    void btnTodayClick();
    void btnUpdateClick();
    void btnSettingsClick();
    void btnSupportClick();
    void btnAboutClick();
    void btnExitClick();
    void btnBFixedClick();
    void btnNFixedClick();
    // The match card of the two teams, team1ID at home.
    void ShowFixedCard(int team1ID, int team2ID);
    void gridFixedSelectCell(int aCol, int aRow);
    void gridFixedDblClick();

    TImageList navigationImages;
    TImageList mainToolImages;
    TImageList resultImages;

    std::unique_ptr<DBFilter> Filter;
    std::unique_ptr<DBSeason> Season;
    std::unique_ptr<DBFixedGrid> FixedGrid;
    std::vector<AnsiString> ToolCaptions;
    TForm* Card = nullptr;
};

// The program's main window while it exists.
extern TDlgMain* DlgMain;
