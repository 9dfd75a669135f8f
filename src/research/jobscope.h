#pragma once

#include <initializer_list>
#include <vector>

class QWidget;

// Disables a window's commands and marks its job as running while it lives, so that a
// job that pumps messages cannot be started twice and the window can refuse closing.
class JobScope {
public:
    JobScope(bool& running, std::initializer_list<QWidget*> commands);
    ~JobScope();
    JobScope(const JobScope&) = delete;
    JobScope& operator=(const JobScope&) = delete;

private:
    void Enable(bool on);

    bool& running_;
    std::vector<QWidget*> commands_;
};
