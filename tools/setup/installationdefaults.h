#pragma once

#include <string>
#include <variant>
#include <vector>

// What a new program folder starts with: the settings values and the rows of
// setting.mdb that the program reads and updates but never creates.

// A settings value: text, integer or boolean, as the program reads it.
using SettingValue = std::variant<std::string, int, bool>;

struct SettingDefault {
    std::string name;
    SettingValue value;
};

// Every settings value the program reads, at its installation default. SeriesSeason
// is the newest season of the data.
std::vector<SettingDefault> InstallationSettings(int newestSeason);

// The FormSetting row of the main window's placement.
struct WindowPlacement {
    std::string formName;
    bool isMax;
    int width;
    int height;
    int top;
    int left;
};
const WindowPlacement& InstallationPlacement();

// One remembered control value of a window (table FormData).
struct RememberedValue {
    std::string formName;
    int controlIndex;
    std::string value;
};

// A row for every index a window reads or writes, each with a first value its reader
// accepts; each window's indexes run from 0 without gaps, as the reader numbers rows
// by position.
const std::vector<RememberedValue>& InstallationFormData();
