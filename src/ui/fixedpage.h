#pragma once

#include <memory>

#include "platform/types.h"
#include "ui/cardform.h"

class DBTeam;
class QLabel;

// The two clubs of the match card: team 1 the home side, team 2 the away side, each
// with its query standing on the club's row.
struct FixedTeams {
    FixedTeams();
    ~FixedTeams();

    int team1ID = 0;
    int team2ID = 0;
    const std::unique_ptr<DBTeam> team1;
    const std::unique_ptr<DBTeam> team2;
};

// A page of the match card: it shows the card's two clubs. A page that is filled once
// per pair (the preview, the special predict) keeps its flag until the card clears it.
class TFixedPage : public TCardPage {
    Q_OBJECT

public:
    // teams: the card's, not owned.
    TFixedPage(QWidget* parent, const char* name, FixedTeams& teams);

    void ClearFilled() { Filled = false; }

protected:
    // The labels over the two clubs' grids: their full names with the side each is
    // shown on ("Name (Home):", "Name (Away):"), or with every match ("Name (All):").
    void SetSideCaptions(QLabel* team1Label, QLabel* team2Label, bool homeAway) const;

    FixedTeams& Teams;
    bool Filled = false;
};

// Puts a row's radios one under the other in its frame, placed at geometry: the
// options of a page stand in a narrow column beside its grids.
void StackRadios(const RadioRow& row, const QRect& geometry);
