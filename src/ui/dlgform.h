#pragma once

#include "platform/tform.h"

class DBTeam;
class QPushButton;
class TJXGrid;

// The line-up window: a team's candidates for the eleven places of a line-up, best
// first, in eleven small grids laid out like a pitch. With two teams, two buttons
// switch between them. It only shows; it hands nothing back.
class TDlgForm : public TForm {
    Q_OBJECT

public:
    // One team; the query stays the caller's and stands on the team's row.
    TDlgForm(QWidget* owner, DBTeam* team);
    // Two teams, the first shown first.
    TDlgForm(QWidget* owner, DBTeam* team1, DBTeam* team2);

    // Lays out the grids, shows the team buttons with two teams, and fills the places
    // with players whose skill is above minSkills.
    void Start(int minSkills);

    TJXGrid* gridGK;
    TJXGrid* gridDL;
    TJXGrid* gridDC;
    TJXGrid* gridDR;
    TJXGrid* gridDM;
    TJXGrid* gridML;
    TJXGrid* gridMC;
    TJXGrid* gridMR;
    TJXGrid* gridFL;
    TJXGrid* gridFC;
    TJXGrid* gridFR;
    QPushButton* btnTeam1Change;
    QPushButton* btnTeam2Change;

protected:
    // Centred on the owner.
    void FormShow() override;

private:
    // One place of the line-up: its grid, the squad slot it lists and where it stands.
    struct Place;
    static const Place Places[];

    void BuildLayout();
    void SetupPositionColumns(TJXGrid* grid);
    void Refill();
    void FillPosition(TJXGrid* grid, int slot, int teamID);
    DBTeam* ShownTeam() const;

    void btnTeam1ChangeClick();
    void btnTeam2ChangeClick();

    enum : int { OneTeam, FirstShown, SecondShown };

    DBTeam* Team1;
    DBTeam* Team2;
    int MinSkills = 0;
    // OneTeam, or two teams with the first or the second shown.
    int Mode;
};
