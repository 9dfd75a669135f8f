#pragma once

#include <string>

#include "platform/temporaryfolder.h"

// A temporary folder for one test.
class TempFolder : public TemporaryFolder {
public:
    TempFolder() : TemporaryFolder("kovral-test") {}
};

// Writes bytes to a file, creating or replacing it.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);
