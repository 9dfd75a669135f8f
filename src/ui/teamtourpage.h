#pragma once

#include <memory>

#include "ui/teampage.h"

class DBResultGrid;
class QChartView;
class QCheckBox;
class QRadioButton;
class TJXGrid;

// The tour-by-tour page of the team card (tabTour): the marks of the team's last 30
// league results with the results and totals the options keep, on a side, and two pies
// of results and of totals against 2.5.
class TTeamTourPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamTourPage(QWidget* parent, DBTeam* team);
    ~TTeamTourPage() override;

    void Fill() override;

    TJXGrid* gridTour;
    QChartView* Chart1;
    QChartView* Chart2;
    QRadioButton* btnTourFieldAll;
    QRadioButton* btnTourFieldHome;
    QRadioButton* btnTourFieldAway;
    QCheckBox* chkTourWin;
    QCheckBox* chkTourDraw;
    QCheckBox* chkTourLose;
    QRadioButton* btnTourTotalAll;
    QRadioButton* btnTourTotalUnder;
    QRadioButton* btnTourTotalOver;

private:
    void BuildLayout();
    // The relation of own goals to the rival's that the kept results share; empty
    // when every result is kept.
    AnsiString ResultOp() const;
    // The relation of the total to 2 goals: under is the 2.5 line, as in the marks
    // and the pie; empty for every total.
    AnsiString TotalOp() const;

    RadioRow Sides;
    // Win, draw, loss.
    CheckRow Results;
    // Every total, under, over.
    RadioRow Totals;
    std::unique_ptr<DBResultGrid> TourGrid;
};
