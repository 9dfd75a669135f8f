#pragma once

#include "sampledata/sampledatagenerator.h"

class IProgressBar;

// Fills the program folder's data.mdb with the sample data as an update would: the
// generated instruction files applied one after the other, then TeamResults, Stats
// and Series rebuilt, Series marked current. The files are written to a temporary
// folder that goes afterwards. false when a file, a rebuild or the writing of the
// files failed; the log says which.
bool LoadSampleData(const SampleDataOptions& options, IProgressBar* bar = nullptr);
