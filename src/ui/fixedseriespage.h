#pragma once

#include <memory>

#include "ui/fixedpage.h"

class DBSeriesGrid;
class QRadioButton;
class TJXGrid;

// The streaks and scores of the match card (tabSeriesScore): team 1's runs at home
// and team 2's away (or in every match of both) side by side, and the scores of the
// two in one distribution. Queried on every showing and option click.
class TFixedSeriesPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedSeriesPage(QWidget* parent, FixedTeams& teams);
    ~TFixedSeriesPage() override;

    void Fill() override { ShowSeriesScores(); }
    void ShowSeriesScores();

    TJXGrid* gridSeries;
    TJXGrid* gridSeries2;
    TJXGrid* gridScore;
    QRadioButton* btnSeriesFldAll;
    QRadioButton* btnSeriesFldHomeAway;

private:
    void BuildLayout();

    RadioRow Sides;
    std::unique_ptr<DBSeriesGrid> SeriesGrid;
};
