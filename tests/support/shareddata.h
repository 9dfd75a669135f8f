#pragma once

#include <string>

// The folder of real match data (see its SOURCES.md) with a trailing "/", or the empty
// text when this machine has none. KOVRAL_SHARED_DATA in the environment names another
// folder; otherwise "shared/data" beside the source tree is looked for, also from a
// worktree one level further down.
std::string SharedDataFolder();

// The message a test skips with when the folder is missing.
std::string NoSharedDataMessage();
