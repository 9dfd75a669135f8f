#include "research/jobscope.h"

#include <QWidget>

JobScope::JobScope(bool& running, std::initializer_list<QWidget*> commands) : running_(running), commands_(commands)
{
    Enable(false);
}

JobScope::~JobScope()
{
    Enable(true);
}

void JobScope::Enable(bool on)
{
    running_ = !on;
    for (QWidget* command : commands_)
        command->setEnabled(on);
}
