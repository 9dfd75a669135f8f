#pragma once

#include "data/dbase.h"

// The table stages of a tournament season, for the stage tabs of the tournament card.
class DBRound : public DBase {
public:
    bool OpenTableRounds(int champID, int seasonID);
    AnsiString GetName();
    int GetRoundID();
};
