#pragma once

#include <array>

#include "foundation/jxparse.h"
#include "platform/types.h"

class DBFixed;
class DBPredictKelto;

// What the pick upload says of one fixture.
struct RffPick {
    TDateTime date = 0;
    AnsiString fixTime;  // "hhmm"
    AnsiString champ;
    int team1ID = 0;
    AnsiString team1;
    int team2ID = 0;
    AnsiString team2;
    // The texts of the three rule algorithms, in their order.
    std::array<AnsiString, 3> picks;
};

// The pick of the current fixture row of fixed, with the algorithms' texts of kelto.
RffPick RffPickOf(DBFixed& fixed, const DBPredictKelto& kelto);

// The kick-off as Unix seconds of the date's own clock: the date at the hour and minute
// of fixTime. A time that is not four digits of a valid hhmm counts as midnight.
int KickOffTime(TDateTime date, const AnsiString& fixTime);

// The table the day's picks are uploaded as: ":" between fields, ";" after rows, a
// names row, then one row for each fixture with a pick.
class RffPickTable {
public:
    RffPickTable();

    // Adds the fixture's row; a fixture without any pick is left out (false). "&" is
    // taken out of the row, nothing else is escaped: a name holding ":" shifts the fields.
    bool Add(const RffPick& pick);
    // The table as the upload's text.
    JXStr ToText() const;

private:
    JXParse table_;
};
