#pragma once

#include <memory>

#include "ui/todaypage.h"

class DBSeason;
class DBTableGrid;
class QComboBox;
class QGroupBox;
class QRadioButton;
class TJXGrid;

// League-wide statistics of the favourite tournaments in one season, or in every
// season, in one of eight orders (tabStatsChamp).
class TTodayStatsPage : public TTodayPage {
    Q_OBJECT

public:
    TTodayStatsPage(QWidget* parent, DBFilter* filter, ViewAdder addView);
    ~TTodayStatsPage() override;

    void Fill() override;
    void Restore() override;
    // Nothing of this page is remembered.
    void Remember() override {}

    TJXGrid* gridStatsChamp;
    QComboBox* cboStatsChamp;
    QGroupBox* GroupBox1;
    QRadioButton* btnChampName;
    QRadioButton* btnChampWin;
    QRadioButton* btnChampDraw;
    QRadioButton* btnChampLose;
    QRadioButton* btnChampOver;
    QRadioButton* btnChampUnder;
    QRadioButton* btnChampAGoal1;
    QRadioButton* btnChampAGoal2;

private:
    void BuildLayout();
    void ShowChampStats();

    void btnChampWinClick();
    void cboStatsChampChange();
    void gridStatsChampDblClick();

    std::unique_ptr<DBSeason> Seasons;
    std::unique_ptr<DBTableGrid> StatsGrid;
    RadioRow Sorts;
    // The order of DBTableGrid::FillFavChamps, 1 to 8.
    int SortMode = 8;
};
