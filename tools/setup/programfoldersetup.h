#pragma once

#include <optional>
#include <stdexcept>
#include <string>

struct SetupOptions {
    // The program executable copied into the folder; skipped while it does not exist.
    std::string programExecutable;
    // UserName and UserPwd of the update service, which no window edits; replace the
    // stored values when given.
    std::optional<std::string> userName;
    std::optional<std::string> userPassword;
    // Load the sample data through the update's own code (see LoadSampleData).
    bool sampleData = false;
};

class SetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Makes folder a complete program folder: the executable, data.mdb and setting.mdb
// with their tables and the rows the program expects, the settings values, the
// language files, Flags/NOT.bmp, an empty Predict/ and a first view. On an existing
// folder only what is missing is added; the user's data and settings stay.
//
// Afterwards the program folder is folder and the global DBSetting exists on it.
// Settings live per user, in the one file of the settings key. Raises SetupError or
// another std::exception on failure.
void SetupProgramFolder(const std::string& folder, const SetupOptions& options);
