#include "childprocess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>

extern char** environ;

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> texts{program};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + program);
}

ChildProcess::~ChildProcess()
{
    Kill();
}

bool ChildProcess::Ended()
{
    int status = 0;
    if (!reaped_ && waitpid(pid_, &status, WNOHANG) == pid_)
        reaped_ = true;
    return reaped_;
}

bool ChildProcess::Kill()
{
    if (reaped_)
        return false;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    reaped_ = true;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
