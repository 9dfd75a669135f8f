#include "platform/programfolder.h"

#include <filesystem>

namespace {

std::string& OverrideFolder()
{
    static std::string folder;
    return folder;
}

std::string WithTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ExecutableFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return WithTrailingSlash(std::filesystem::current_path().string());
    return WithTrailingSlash(exe.parent_path().string());
}

}  // namespace

std::string ProgramFolder()
{
    if (!OverrideFolder().empty())
        return OverrideFolder();
    static const std::string folder = ExecutableFolder();
    return folder;
}

void SetProgramFolderForTests(const std::string& folder)
{
    OverrideFolder() = folder.empty() ? std::string() : WithTrailingSlash(folder);
}
