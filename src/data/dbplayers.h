#pragma once

#include "data/dbase.h"

// The places of a line-up, as the slot argument of DBPlayers::OpenSquad names them.
namespace SquadSlot {
enum : int {
    WholeSquad,
    CentreForward,
    RightMidfield,
    LeftMidfield,
    CentreMidfield,
    RightBack,
    LeftBack,
    CentreBack,
    Goalkeeper,
    RightForward,
    LeftForward,
    DefensiveMidfield,
};
}  // namespace SquadSlot

// A team's squad above a skill bound: the whole squad by line, side and skill, or the
// candidates for one place of a line-up, best first. A player whose side fits several
// places is a candidate for each.
class DBPlayers : public DBase {
public:
    // Players with skill strictly above minSkills; a slot of 0 or less is the whole squad.
    bool OpenSquad(int teamID, int minSkills, int slot);

    AnsiString GetPlayerName();
    // "Xxx-Www Yyy" as "X. W. Yyy": the first three words become initials.
    AnsiString GetShortName();
    AnsiString GetNationalID();
    AnsiString GetNationalName();
    TDateTime GetBorn();
    // Completed years from the birth date to today.
    int GetAge();
    int GetHeight();
    int GetSkills();
    int GetPosID();
    // The position's name directly followed by the side's ("D" + "LR").
    AnsiString GetPosName();
    AnsiString GetFlangName();
};
