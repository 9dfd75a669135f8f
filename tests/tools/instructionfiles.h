#pragma once

#include <string>
#include <vector>

// The "instruct" field of every row of an instruction file, in order, read with the
// update's own text-table reader.
std::vector<std::string> ReadInstructions(const std::string& path);
