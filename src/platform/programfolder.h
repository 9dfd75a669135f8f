#pragma once

#include <string>

// The folder of the running executable with a trailing "/".
std::string ProgramFolder();

// Points ProgramFolder() at another folder; only tests and the setup tool use it.
// An empty text restores the executable's folder.
void SetProgramFolderForTests(const std::string& folder);
