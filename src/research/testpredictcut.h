#pragma once

#include "platform/types.h"

class IProgressBar;

// The day as the cut's SQL takes it: month/day/year with "/", as Jet date literals
// want it whatever the user's date format ("06/12/2019").
AnsiString CutDateText(TDateTime day);

// Cuts the match history at day: the matches dated day or later leave Fixed for the
// parking table _Fixed and come back as the only Calendar fixtures, with their odds
// and real scores; TeamResults and Stats are rebuilt from the shortened history (bar
// follows the rebuild). The matches parked by the previous cut go back first, so the
// result is the same whatever was cut before. One transaction: on a failure nothing
// changes and an Exception with the engine's message is raised. data.mdb is compacted
// after the commit.
void TestPredictCut(TDateTime day, IProgressBar* bar);
