#pragma once

#include <memory>

#include "platform/imagelist.h"
#include "ui/teampage.h"

class DBFixedGrid;
class QChartView;
class QCheckBox;
class QRadioButton;
class TJXGrid;

// The last-matches page of the team card (tabLast): the team's 30 newest matches on a
// side and in the tournament types the boxes keep, and a chart of their goals.
class TTeamLastPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamLastPage(QWidget* parent, DBTeam* team);
    ~TTeamLastPage() override;

    // Opens the matches and fills the list and the chart.
    void Fill() override;

    TJXGrid* gridLastFixed;
    QChartView* chartLast;
    QRadioButton* btnScore;
    QRadioButton* btnMiss;
    QRadioButton* btnDiffBall;
    QRadioButton* btnTotal;
    QRadioButton* btnLastFieldAll;
    QRadioButton* btnLastFieldHome;
    QRadioButton* btnLastFieldAway;
    QCheckBox* chkLastChamp;
    QCheckBox* chkLastCup;
    QCheckBox* chkLastLeagua;

private:
    void BuildLayout();
    // Redraws the chart of the matches already open by the chosen figure.
    void btnScoreClick();

    RadioRow Sides;
    // In the order of the chart's figures: scored, conceded, difference, all goals.
    RadioRow ChartModes;
    CheckRow Types;
    std::unique_ptr<DBFixedGrid> LastGrid;
    TImageList resultImages;
};
