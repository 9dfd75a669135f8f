#pragma once

#include <string>

// A lock shared by name between processes, standing in for a named mutex: a lock file
// (flock) in $XDG_RUNTIME_DIR, or /tmp when that is unset. The lock goes with the
// process, also when it dies, so a crashed copy never blocks the next start.
class TNamedMutex {
public:
    // Takes the lock when no other holder has it (CreateMutex with initial owner).
    explicit TNamedMutex(const std::string& name);
    ~TNamedMutex();
    TNamedMutex(const TNamedMutex&) = delete;
    TNamedMutex& operator=(const TNamedMutex&) = delete;

    // Another holder had the lock already (ERROR_ALREADY_EXISTS); this one holds nothing.
    bool AlreadyExists() const { return alreadyExists_; }
    // This object holds the lock.
    bool Owned() const { return fd_ >= 0; }
    // Gives the lock up; harmless when nothing is held.
    void Release();

    // The lock file of a name. "/" cannot stand in a file name, so it becomes "_"; a
    // name too long for a file name keeps its start and a checksum of the rest.
    static std::string LockFilePath(const std::string& name);

private:
    int fd_ = -1;
    bool alreadyExists_ = false;
};
