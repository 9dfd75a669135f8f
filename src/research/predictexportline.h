#pragma once

#include <vector>

#include "platform/types.h"

class DBFixed;
class DBPredict_2_1;

// The columns of a research export line for the current fixture row of fixed and the
// model just loaded for it: date (the user's short date), tournament, home and away
// team, the games of the model's table, an empty column, the five percentages of
// result row 5, an empty column, the two form values, the five odds, the real score,
// the Asian handicap with its two odds, and form values 3 to 6. Numbers in the user's
// decimal notation.
std::vector<AnsiString> PredictExportColumns(DBFixed& fixed, const DBPredict_2_1& model);

// Columns joined by ";", nothing quoted or escaped.
AnsiString JoinExportColumns(const std::vector<AnsiString>& columns);

// The line of the back-test export files: the columns above, joined.
AnsiString PredictExportLine(DBFixed& fixed, const DBPredict_2_1& model);
