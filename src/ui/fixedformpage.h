#pragma once

#include "ui/fixedpage.h"

class QChartView;
class QLabel;

// The form of the match card (tabForm, hidden): each club's rating after every match
// of its last season and the one before, team 1 above team 2.
class TFixedFormPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedFormPage(QWidget* parent, FixedTeams& teams);

    void Fill() override { ShowForm(); }
    void ShowForm();

    QLabel* lblFormLast5;
    QChartView* chartForm1;
    QChartView* chartForm2;
};
