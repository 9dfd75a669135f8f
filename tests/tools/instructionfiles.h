#pragma once

#include <string>
#include <vector>

// Reading instruction files back as the update reads them: the text-table format
// (line breaks dropped, separators from the head) and the tag shorthand.
struct InstructionTable {
    bool hasHead = false;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

InstructionTable ParseInstructionTable(const std::string& text);

// The "instruct" field of every row of a file, in order; empty when the file has no such column.
std::vector<std::string> ReadInstructions(const std::string& path);

// The tags replaced by their SQL fragments, in the update's order, case-sensitive.
std::string ExpandShorthand(std::string statement);
