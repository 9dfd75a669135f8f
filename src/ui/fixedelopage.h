#pragma once

#include "ui/fixedpage.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The ratings of the match card (tabElo, hidden): each club's latest rating, its
// change over the last five matches and its last five ratings, oldest first.
class TFixedEloPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedEloPage(QWidget* parent, FixedTeams& teams);

    void Fill() override { ShowElo(); }
    void ShowElo();

    QLabel* lblR1;
    QLabel* lblR2;
    QLabel* lblRang1;
    QLabel* lblRang2;
    // Not shown: the difference of the trends, whether team 1 rates higher ("ДА" /
    // "НЕТ") and how many of the two trends rise.
    QLabel* Label21;
    QLabel* Label22;
    QLabel* Label23;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPushButton* btnEloPredict;

private:
    void BuildLayout();
};
