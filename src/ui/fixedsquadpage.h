#pragma once

#include "ui/fixedpage.h"

class DBTeam;
class QLabel;
class QLineEdit;
class QPushButton;
class TJXGrid;

// The squads of the match card (tabPlayers, hidden): both clubs' players above a
// skill bound by line, side and skill, each line in a band of its own, with buttons
// that move the bound. The card opens the line-up window of both clubs (btnForm).
class TFixedSquadPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedSquadPage(QWidget* parent, FixedTeams& teams);

    void Fill() override;
    // The bound in the edit; 0 when it is no number.
    int MinSkills() const;

    QLabel* lblMinSkills;
    QLineEdit* txtMinSkills;
    QPushButton* btnMinus;
    QPushButton* btnPlus;
    QPushButton* btnForm;
    TJXGrid* gridPlayers1;
    TJXGrid* gridPlayers2;

private:
    void BuildLayout();
    void ShowSquad(TJXGrid* grid, DBTeam& team);
    // Moves the bound; the edit's change refills the card's page.
    void AddToMinSkills(int step);
};
