#pragma once

#include "ui/teampage.h"

class QChartView;

// The rating page of the team card (tabForm): the team's rating after each match of
// its last season and of the season before.
class TTeamRatingPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamRatingPage(QWidget* parent, DBTeam* team);

    void Fill() override;

    QChartView* chartForm;
};
