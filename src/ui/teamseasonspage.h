#pragma once

#include <memory>

#include "ui/teampage.h"

class DBTableGrid;
class QChartView;
class QRadioButton;
class TJXGrid;

// The season statistics page of the team card (tabStatsSeasons): the team's sums of
// each season in the tournament type chosen, on a side, and a bar per season of the
// figure the radios choose.
class TTeamSeasonsPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamSeasonsPage(QWidget* parent, DBTeam* team);
    ~TTeamSeasonsPage() override;

    void Fill() override;

    TJXGrid* gridStatsSeasons;
    QChartView* chtStatsSeasons;
    QRadioButton* btnStatsAllField;
    QRadioButton* btnStatsHomeField;
    QRadioButton* btnStatsAwayField;
    QRadioButton* btnWin;
    QRadioButton* btnDraw;
    QRadioButton* btnLose;
    QRadioButton* btnTB;
    QRadioButton* btnTM;
    QRadioButton* btnAGoal1;
    QRadioButton* btnAGoal2;
    QRadioButton* btnIsChamp;
    QRadioButton* btnIsCup;
    QRadioButton* btnIsEuro;

private:
    void BuildLayout();
    // The tournament type of the checked type radio.
    int ChampType() const;

    RadioRow Sides;
    // In the order of the chart's kinds.
    RadioRow Kinds;
    // League, cup, international.
    RadioRow Types;
    std::unique_ptr<DBTableGrid> SeasonsGrid;
};
