#include "foundation/jxerr.h"

#include "foundation/jxfile.h"

#include <memory>

namespace {

std::unique_ptr<JXErr>& Instance()
{
    static std::unique_ptr<JXErr> instance;
    return instance;
}

}  // namespace

JXErr& JXErr::GetInstance()
{
    if (!Instance())
        Instance().reset(new JXErr);
    return *Instance();
}

void JXErr::Error(JXStr text)
{
    GetInstance().Add(JXStr("[ERROR] ") + text);
}

void JXErr::Warning(JXStr text)
{
    GetInstance().Add(JXStr("[WARNING] ") + text);
}

void JXErr::ResetForTests()
{
    Instance().reset();
}

void JXErr::Add(JXStr line)
{
    lines_.push_back(line);
    SaveLog(GetAppPath(), line);
    if (lines_.size() > MaxLines)
        lines_.pop_front();
}
