#pragma once

#include <memory>

#include "ui/todaypage.h"

class DBFixed;
class DBSeriesGrid;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TJXGrid;
class TProgressBar;

// The current and longest runs of every club of the favourite tournaments, ordered by
// one of 13 kinds, with the next match of the chosen club (tabSeries). The table Series
// behind it is rebuilt on request, also for another total-goals line; while it is out
// of date the page offers only the rebuild.
class TTodaySeriesPage : public TTodayPage {
    Q_OBJECT

public:
    TTodaySeriesPage(QWidget* parent, DBFilter* filter, ViewAdder addView);
    ~TTodaySeriesPage() override;

    void Fill() override;
    void Restore() override;
    void Remember() override;

    // A rebuild is running: it pumps messages, and the window must stay until it ends.
    bool Rebuilding() const { return rebuilding_; }

    // The side and order of the runs
    QGroupBox* gb2;
    QRadioButton* btnFieldAll;
    QRadioButton* btnFieldHome;
    QRadioButton* btnFieldAway;
    QCheckBox* chkMax;
    QLabel* lblTotal;
    QComboBox* cboTotal;
    QPushButton* btnEnter;
    // The kinds, in the order of SeriesKind
    QGroupBox* gb1;
    QRadioButton* btnWin;
    QRadioButton* btnDraw;
    QRadioButton* btnLose;
    QRadioButton* btnNoWin;
    QRadioButton* btnNoDraw;
    QRadioButton* btnNoLose;
    QRadioButton* btnUnder;
    QRadioButton* btnOver;
    QRadioButton* btnWithScore;
    QRadioButton* btnNoScore;
    QRadioButton* btnWithMiss;
    QRadioButton* btnNoMiss;
    QRadioButton* btn00;
    // The out-of-date form
    TProgressBar* bar;
    QPushButton* btnUpdateSeries;
    TJXGrid* gridAllSeries;
    TJXGrid* gridNextFixed;

private:
    void BuildLayout();
    void ShowSeries();
    // Shows the rebuild in place of the choices while Series is out of date.
    void ShowOutOfDate(bool outOfDate);
    // Rebuilds Series and shows it from its first row; the flag is cleared in any case.
    void RebuildSeries();

    void btnWinClick(int kind);
    void btnFieldAllClick();
    void gridAllSeriesSelectCell(int aCol, int aRow);
    void gridAllSeriesDblClick();
    void gridNextFixedDblClick();
    void btnUpdateSeriesClick();
    void btnEnterClick();

    RadioRow Sides;
    RadioRow Kinds;
    std::unique_ptr<DBSeriesGrid> SeriesGrid;
    std::unique_ptr<DBFixed> NextFixed;
    // SeriesKind of the order.
    int Kind = 0;
    // The chosen row of the runs, from 1.
    int SelectedRow = 1;
    bool rebuilding_ = false;
};
