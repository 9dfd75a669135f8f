#pragma once

#include <vector>

#include "seasonconverter.h"

// Loads real seasons into the program folder's data.mdb as an update would bring them:
// converted in order into numbered instruction files of a temporary folder, applied
// one after the other, TeamResults and Stats rebuilt. Raises as ConvertSeasons does, and
// std::runtime_error when a file or the rebuild failed (the log says which).
SeasonRun LoadSeasons(const std::vector<SeasonSource>& sources);
