#pragma once

#include <initializer_list>

#include "ui/cardform.h"

class DBTeam;

// A page of the team card: it shows the card's team.
class TTeamPage : public TCardPage {
    Q_OBJECT

public:
    // team: the card's team query, standing on the team's row; not owned.
    TTeamPage(QWidget* parent, const char* name, DBTeam* team);

protected:
    int TeamID() const;

    DBTeam* const Team;
};

// The layout of a page with a grid over a chart: a row of options at the top, the
// grid, a row of the chart's options and the chart, grid and chart of equal height.
void AddGridChartLayout(QWidget* page, std::initializer_list<QWidget*> options, QWidget* grid, QWidget* chartOptions,
                        QWidget* chart);
