#pragma once

#include <memory>

#include "ui/fixedpage.h"

class DBResultGrid;
class QCheckBox;
class QLabel;
class QRadioButton;
class TJXGrid;

// Tour by tour on the match card (tabTour): the marks of each club's last 30 league
// results, every match of both or team 1 at home and team 2 away. Queried on every
// showing and option click.
class TFixedTourPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedTourPage(QWidget* parent, FixedTeams& teams);
    ~TFixedTourPage() override;

    void Fill() override { ShowTourByTour(); }
    void ShowTourByTour();

    QLabel* lblTourTeam;
    TJXGrid* gridTour;
    QLabel* lblTourTeamRival;
    TJXGrid* gridTourRival;
    QRadioButton* btnTourFldAll;
    QRadioButton* btnTourFldHomeAway;
    QCheckBox* chkTourNoField1;

private:
    void BuildLayout();

    RadioRow Sides;
    std::unique_ptr<DBResultGrid> TourGrid;
    std::unique_ptr<DBResultGrid> TourRivalGrid;
};
