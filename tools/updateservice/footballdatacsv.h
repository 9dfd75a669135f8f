#pragma once

#include <string>

#include "seasonfile.h"

// The odds a football-data.co.uk file offers twice: when the market opened, and at
// kick-off (the closing columns, from 2019-20 on).
enum class OddsChoice { Opening, Closing };

// Reads a football-data.co.uk season file (CSV with a head row naming the columns;
// a UTF-8 BOM and CRLF line ends allowed; dates dd/mm/yy or dd/mm/yyyy) into the
// season's matches in date order, each with its matchday counted from the teams'
// games. Odds are Bet365's where the file has them, else the market average; closing
// odds fall back to the opening ones where a file has none. A row with both goal cells
// empty is a match not played yet. Lines of commas only are skipped. Raises
// EConvertError naming the line of a malformed row, or the missing column.
SeasonFile ReadFootballDataCsv(const std::string& text, OddsChoice odds);
