#pragma once

#include <memory>

#include "ui/cardform.h"

class DBResultGrid;
class QRadioButton;
class TJXGrid;

// The tour-by-tour page of a league's card (tabTour): the marks of every team's
// results in the tournament's last season, teams in standings order, by side and by
// the kind of mark the radios choose.
class TChampTourPage : public TCardPage {
    Q_OBJECT

public:
    TChampTourPage(QWidget* parent, int champID);
    ~TChampTourPage() override;

    void Fill() override;

    TJXGrid* gridTour;
    QRadioButton* btnTourFldAll;
    QRadioButton* btnTourFldHome;
    QRadioButton* btnTourFldAway;
    QRadioButton* btnTourType1;
    QRadioButton* btnTourType2;
    QRadioButton* btnTourType3;
    QRadioButton* btnTourType4;
    QRadioButton* btnTourType5;
    QRadioButton* btnTourType6;

private:
    void BuildLayout();
    void ApplyLanguage();

    const int ChampID;
    RadioRow Sides;
    // In the order of the mark kinds.
    RadioRow Kinds;
    std::unique_ptr<DBResultGrid> Marks;
};
