#pragma once

#include <string>

class IProgressBar;

// Applies the instruction files 1.txt .. count.txt of folder to the program folder's
// data.mdb as an update does: one after the other through DBUpdateView, then TeamResults
// and Stats rebuilt. The bar runs through the files, then through the rebuild. false when
// a file or the rebuild failed; the log says which.
bool ApplyInstructionFiles(const std::string& folder, int count, IProgressBar* bar = nullptr);
