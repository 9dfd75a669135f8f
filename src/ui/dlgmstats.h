#pragma once

#include <array>

#include "platform/tform.h"

class QLabel;
class QPushButton;
class QTabWidget;
class TJXGrid;

// The match statistics window: a heading of the match, the two line-ups and the
// match's counted events. Only its layout is part of the program: no window is made
// from it.
class TDlgMStats : public TForm {
    Q_OBJECT

public:
    explicit TDlgMStats(QWidget* owner = nullptr);

    // One counted event: its caption and the counts of the two teams.
    struct CountRow {
        QLabel* caption;
        QLabel* team1;
        QLabel* team2;
    };

    QLabel* lblChamp;
    QLabel* lblTeam1;
    QLabel* lblScore;
    QLabel* lblTeam2;
    QTabWidget* PageControl1;
    QWidget* tabForm;
    TJXGrid* gridForm1;
    TJXGrid* gridForm2;
    QPushButton* btnForm;
    QWidget* tabStats;
    // Penalties, missed penalties, yellow and red cards, first and last goal, first
    // yellow card, substitutions, last substitution.
    std::array<CountRow, 9> counts;

private:
    void BuildLayout();
};
