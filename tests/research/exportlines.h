#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tempfolder.h"

// The lines of a file of the current folder without their CR LF, split at separator.
inline std::vector<std::vector<std::string>> FileLines(const std::string& name, char separator = ';')
{
    std::vector<std::vector<std::string>> lines;
    std::stringstream text(ReadFile(name));
    for (std::string line; std::getline(text, line);) {
        line.erase(line.find_last_not_of('\r') + 1);
        std::stringstream fields(line + separator);
        auto& split = lines.emplace_back();
        for (std::string field; std::getline(fields, field, separator);)
            split.push_back(field);
    }
    return lines;
}
