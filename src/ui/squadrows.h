#pragma once

#include <functional>
#include <vector>

#include "platform/types.h"

class DBPlayers;
class TJXGrid;

// Writes the open squad into the grid from row 1 on (the empty grid when it has no
// player): for each player the cells that cells reads from its row, all bold, each line
// of the squad (goalkeepers, defenders ...) in a band of its own, and the cell of
// countryColumn in blue for the players of the club's own country.
void FillSquadRows(TJXGrid& grid, DBPlayers& players, const AnsiString& clubCountry, int countryColumn,
                   const std::function<std::vector<AnsiString>()>& cells);
