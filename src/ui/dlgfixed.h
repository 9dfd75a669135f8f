#pragma once

#include "ui/cardform.h"
#include "ui/fixedpage.h"

class QLabel;
class QPushButton;
class QTabWidget;
class TFixedEloPage;
class TFixedForecastPage;
class TFixedFormPage;
class TFixedPreviewPage;
class TFixedSeasonsPage;
class TFixedSeriesPage;
class TFixedSpecialPage;
class TFixedSquadPage;
class TFixedTourPage;

// The match card: two clubs side by side, team 1 at home and team 2 away, shown in the
// main window's card area. The preview (standings rows, last matches, the head-to-head
// list and its summary), season statistics, streaks and scores and the tour-by-tour
// marks show; the squads, form, forecast, ratings and special predict pages are
// complete but their tabs stay hidden. It hands nothing back.
class TDlgFixed : public TCardForm {
    Q_OBJECT

public:
    explicit TDlgFixed(QWidget* owner);
    ~TDlgFixed() override;

    // Loads the two clubs and names them in the header; fills no page.
    void SetTeams(int team1ID, int team2ID);

    QWidget* Panel1;
    QLabel* imgTeam;
    QLabel* lblTeamName;
    QPushButton* btnChangeTeam;
    QLabel* lblTeamRivalName;
    QLabel* imgTeamRival;
    QTabWidget* page1;
    TFixedPreviewPage* tabPreview;
    TFixedSquadPage* tabPlayers;
    TFixedSeasonsPage* tabStatsSeasons;
    TFixedSeriesPage* tabSeriesScore;
    TFixedTourPage* tabTour;
    TFixedFormPage* tabForm;
    TFixedForecastPage* tabPrognoz;
    TFixedEloPage* tabElo;
    TFixedSpecialPage* tabSpecialPredict;

protected:
    // Fills the active page: the preview on a new card.
    void FormShow() override;

private:
    void BuildLayout();
    void ApplyLanguage();
    void FormDestroy();
    // The pages filled once per pair query again at their next showing.
    void ClearFilledPages();

    void btnChangeTeamClick();
    void txtMinSkillsChange();
    void btnFormClick();

    FixedTeams Teams;
};

// The match card while the main window shows it.
extern TDlgFixed* DlgFixed;
