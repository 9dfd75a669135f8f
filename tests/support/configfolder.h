#pragma once

#include <optional>
#include <string>

#include "tempfolder.h"

// Restores an environment variable to what it was when the object was made.
class SavedVariable {
public:
    explicit SavedVariable(const char* name);
    ~SavedVariable();
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> value_;
};

// Points XDG_CONFIG_HOME, and with it the settings file, at a fresh temporary folder
// while it lives, so no test touches the real home.
class ConfigFolder {
public:
    ConfigFolder();

    const std::string& Path() const { return folder_.Path(); }
    // The file that holds the program's settings key.
    std::string SettingsFile() const { return folder_.File("Tarvik/Kovral.conf"); }

private:
    SavedVariable saved_{"XDG_CONFIG_HOME"};
    TempFolder folder_;
};
