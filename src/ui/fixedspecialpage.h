#pragma once

#include "ui/fixedpage.h"

class QLabel;

// The special predict of the match card (tabSpecialPredict, hidden): two built-in
// models' outputs for the pair. Filled once per pair.
class TFixedSpecialPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedSpecialPage(QWidget* parent, FixedTeams& teams);

    void Fill() override { ShowSpecialPredict(); }
    void ShowSpecialPredict();

    QLabel* Label30;
    QLabel* lblSPName1;
    QLabel* lblSPPredict1;
    QLabel* lblSPName2;
    QLabel* lblSPPredict2;
    QLabel* lblSPName3;
    QLabel* lblSPPredict3;
};
