#pragma once

#include <memory>

#include "ui/fixedpage.h"

class DBTableGrid;
class QCheckBox;
class QLabel;
class QRadioButton;
class TJXGrid;

// The season statistics of the match card (tabStatsSeasons): each club's figures
// season by season in one kind of tournament, every match of both or team 1 at home
// and team 2 away. Queried on every showing and option click.
class TFixedSeasonsPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedSeasonsPage(QWidget* parent, FixedTeams& teams);
    ~TFixedSeasonsPage() override;

    void Fill() override { ShowSeasonStats(); }
    void ShowSeasonStats();

    QLabel* lblTeam;
    TJXGrid* gridStats;
    QLabel* lblTeamRival;
    TJXGrid* gridStatsRival;
    QRadioButton* btnStatsFieldAll;
    QRadioButton* btnStatsFieldHomeAway;
    QRadioButton* btnIsChamp;
    QRadioButton* btnIsCup;
    QRadioButton* btnIsEuro;
    QCheckBox* chkStatsNoField1;

private:
    void BuildLayout();

    RadioRow Sides;
    // In the order of the tournament types.
    RadioRow Types;
    std::unique_ptr<DBTableGrid> StatsGrid;
    std::unique_ptr<DBTableGrid> StatsRivalGrid;
};
