#pragma once

#include <string>

// Makes a file immutable while it lives (chattr +i): nobody, root included, can write,
// replace or remove it. Applied() is false where the file system has no such flag.
class ImmutableFile {
public:
    explicit ImmutableFile(std::string path);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool Applied() const { return applied_; }
    static constexpr const char* NotAvailable = "chattr +i is not available on this file system";

private:
    std::string path_;
    bool applied_;
};
