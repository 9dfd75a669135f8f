#pragma once

#include <memory>

#include "ui/teampage.h"

class DBSeriesGrid;
class QCheckBox;
class QRadioButton;
class TJXGrid;

// The streaks page of the team card (tabSeries): the team's current and longest runs
// and its score distribution since the season the settings name, on a side and in the
// tournament types the boxes keep.
class TTeamSeriesPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamSeriesPage(QWidget* parent, DBTeam* team);
    ~TTeamSeriesPage() override;

    void Fill() override;

    TJXGrid* gridSeries;
    TJXGrid* gridScore;
    QRadioButton* btnSerFldAll;
    QRadioButton* btnSerFldHome;
    QRadioButton* btnSerFldAway;
    QCheckBox* chkSerChamp;
    QCheckBox* chkSerCup;
    QCheckBox* chkSerLiga;

private:
    void BuildLayout();

    RadioRow Sides;
    CheckRow Types;
    std::unique_ptr<DBSeriesGrid> SeriesGrid;
};
