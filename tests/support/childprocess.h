#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A helper program started for a crash test, with the environment of the test.
class ChildProcess {
public:
    // Starts program with the arguments; raises std::runtime_error when it cannot.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    // Kills the child when it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // True once the child has ended by itself.
    bool Ended();
    // Kills the child with SIGKILL and waits for it; true when the kill ended it.
    bool Kill();

private:
    pid_t pid_ = 0;
    bool reaped_ = false;
};
