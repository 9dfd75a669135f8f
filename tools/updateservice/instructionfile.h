#pragma once

#include <string>
#include <vector>

// An instruction file is a text table with ":" between columns and ";" after rows, whose
// one column "instruct" holds a statement per row; so no statement may hold ":" or ";".

// The file text of these statements; raises std::invalid_argument for a statement
// holding a separator, as it would split into wrong rows.
std::string InstructionFileText(const std::vector<std::string>& statements);

// Writes each statement list as firstNumber.txt, firstNumber + 1 .txt ... into folder,
// creating it when missing; raises EFileError when a file cannot be written.
void WriteInstructionFiles(const std::string& folder, int firstNumber,
                           const std::vector<std::vector<std::string>>& files);
