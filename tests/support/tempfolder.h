#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/".
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Writes bytes to a file, creating or replacing it.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);
