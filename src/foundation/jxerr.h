#pragma once

#include <deque>

#include "foundation/jxstr.h"

// The process-wide error and warning log: every line goes to log.txt in the program
// folder, and the last 100 stay in memory.
class JXErr {
public:
    static constexpr size_t MaxLines = 100;

    // The one instance, created on first use.
    static JXErr& GetInstance();
    static void Error(JXStr text);
    static void Warning(JXStr text);

    // Drops the instance, so the next use starts with an empty queue.
    static void ResetForTests();

    const std::deque<JXStr>& Lines() const { return lines_; }

private:
    JXErr() = default;
    void Add(JXStr line);

    std::deque<JXStr> lines_;
};
