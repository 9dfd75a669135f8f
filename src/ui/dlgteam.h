#pragma once

#include <memory>

#include "ui/cardform.h"

class DBFilter;
class DBFixedGrid;
class DBTeam;
class QCheckBox;
class QLabel;
class QTabWidget;
class TJXGrid;
class TTeamLastPage;
class TTeamRatingPage;
class TTeamSeasonsPage;
class TTeamSeriesPage;
class TTeamSquadPage;
class TTeamTourPage;

// The team card: the last matches with a goals chart, season statistics, streaks and
// scores, the tour-by-tour marks and the coming matches of one team, shown in the main
// window's card area, with a box that makes the team a favourite. The squad and rating
// pages are complete but their tabs stay hidden. A double click on a coming match adds
// the head-to-head view to the history and hands back through Tag 1.
class TDlgTeam : public TCardForm {
    Q_OBJECT

public:
    // filter: the main window's history, not owned.
    TDlgTeam(QWidget* owner, DBFilter* filter);
    ~TDlgTeam() override;

    // Shows the team; runs once, before the card is shown.
    void SetTeam(int teamID);

    QWidget* Panel1;
    QLabel* imgTeam;
    QLabel* lblTeamName;
    QCheckBox* chkFav;
    QTabWidget* page1;
    TTeamSquadPage* tabPlayers;
    TTeamLastPage* tabLast;
    TTeamSeasonsPage* tabStatsSeasons;
    TTeamSeriesPage* tabSeries;
    TTeamTourPage* tabTour;
    TTeamRatingPage* tabForm;
    TGridPage* tabCalendar;
    TJXGrid* gridCalendar;

protected:
    void FormShow() override;

private:
    void BuildLayout();
    void ApplyLanguage();
    void ShowCalendar();

    void chkFavClick(bool checked);
    void gridCalendarDblClick();

    DBFilter* Filter;
    std::unique_ptr<DBTeam> Team;
    std::unique_ptr<DBFixedGrid> CalendarGrid;
};

// The team card while the main window shows it.
extern TDlgTeam* DlgTeam;
