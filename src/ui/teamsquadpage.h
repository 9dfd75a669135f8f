#pragma once

#include "ui/teampage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TJXGrid;

// The squad page of the team card (tabPlayers): the team's players above a skill
// bound by line, side and skill, each line in a band of its own, with buttons that set
// the bound and one that opens the line-up window.
class TTeamSquadPage : public TTeamPage {
    Q_OBJECT

public:
    TTeamSquadPage(QWidget* parent, DBTeam* team);

    // Reads the team's average squad skill for the skill buttons.
    void SetTeam();
    void Fill() override;

    TJXGrid* gridPlayers;
    QLabel* lblMinSkills;
    QLineEdit* txtMinSkills;
    QPushButton* btnAvgSkills;
    QPushButton* btnMinSkills;
    QPushButton* Button2;
    QPushButton* btnPlus;
    QPushButton* btnMinus;
    QPushButton* btnForm;

private:
    void BuildLayout();
    // The bound in the edit; 0 when it is no number.
    int MinSkills() const;
    void SetMinSkills(int value);
    void btnFormClick();

    // The team's average squad skill; 0 without a squad.
    int AvgSkills = 0;
};
