#pragma once

#include <memory>

#include "platform/types.h"
#include "ui/cardform.h"

class DBChamp;
class DBFilter;
class DBFixedGrid;
class DBResultGrid;
class DBTable;
class QLabel;
class QTabWidget;
class TChampSeasonsPage;
class TChampStatsPage;
class TChampTablePage;
class TChampTourPage;
class TJXGrid;
class TToolButton;

// The tournament card: standings, cross table, team and season statistics, the
// tour-by-tour marks and the coming matches of one tournament, shown in the main
// window's card area. A double click on a team or a coming match adds its view to the
// history and hands back through Tag 1.
class TDlgChamp : public TCardForm {
    Q_OBJECT

public:
    // filter: the main window's history; closeButton: its card-mode Back button. Neither
    // is owned. seasonName: the season both season combos choose first.
    TDlgChamp(QWidget* owner, DBFilter* filter, int champID, const AnsiString& seasonName, TToolButton* closeButton);
    ~TDlgChamp() override;

    QWidget* panel1;
    QLabel* imgChamp;
    QLabel* lblChampName;
    QTabWidget* page1;
    TChampTablePage* tabTable;
    TGridPage* tabChess;
    TChampStatsPage* tabStats;
    TChampSeasonsPage* tabStatsSeasons;
    TChampTourPage* tabTour;
    TGridPage* tabCalendar;
    TJXGrid* gridChess;
    TJXGrid* gridCalendar;
    QWidget* toolNRight;
    TToolButton* btnExcel;

protected:
    void FormShow() override;

private:
    void BuildLayout(const AnsiString& seasonName);
    void ApplyLanguage();
    void FormDestroy();
    void FillCross();
    void FillCalendar();

    void gridTableDblClick();
    void gridStatsDblClick();
    void gridCalendarDblClick();
    // The team of the grid's row as a view of the season chosen, or of the team's last
    // season here when every season is; false when the grid shows no team.
    bool AddTeamView(TJXGrid* grid, DBTable* teams, int seasonID);
    // Tag 1 and Close when the history took the view; returns added.
    bool HandBack(bool added);

    DBFilter* Filter;
    TToolButton* CloseButton;
    const int ChampID;
    std::unique_ptr<DBChamp> Champ;
    std::unique_ptr<DBFixedGrid> CalendarGrid;
    std::unique_ptr<DBResultGrid> CrossGrid;
};

// The tournament card while the main window shows it.
extern TDlgChamp* DlgChamp;
