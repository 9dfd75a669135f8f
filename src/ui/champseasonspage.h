#pragma once

#include <memory>

#include "ui/cardform.h"

class DBTableGrid;
class QChartView;
class QRadioButton;
class TJXGrid;

// The season statistics page of the tournament card (tabStatsSeasons): the sums of
// each season, newest first, and a bar per season of the figure the radios choose.
class TChampSeasonsPage : public TCardPage {
    Q_OBJECT

public:
    TChampSeasonsPage(QWidget* parent, int champID);
    ~TChampSeasonsPage() override;

    void Fill() override;

    TJXGrid* gridStatsSeasons;
    QChartView* chtStatsSeasons;
    QRadioButton* btnWin;
    QRadioButton* btnDraw;
    QRadioButton* btnLose;
    QRadioButton* btnTB;
    QRadioButton* btnTM;
    QRadioButton* btnAGoal1;
    QRadioButton* btnAGoal2;

private:
    void BuildLayout();

    const int ChampID;
    // In the order of the chart's kinds.
    RadioRow Kinds;
    std::unique_ptr<DBTableGrid> SeasonsGrid;
};
