#pragma once

#include "platform/tform.h"

class QCheckBox;
class QComboBox;
class QTabWidget;
class TJXGrid;

// The team rating window: the teams of a country by rating, with or without cup
// matches, and the European club rating. Only its layout is part of the program: no
// window is made from it.
class TDlgRanking : public TForm {
    Q_OBJECT

public:
    explicit TDlgRanking(QWidget* owner = nullptr);

    QTabWidget* PageControl1;
    QWidget* tabTeams;
    QComboBox* cboCountry;
    QCheckBox* chkCup;
    TJXGrid* gridRanking;
    QWidget* tabUefa;
    TJXGrid* gridUefa;

private:
    void BuildLayout();
};
