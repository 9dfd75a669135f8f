#include "platform/temporaryfolder.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/exceptions.h"

TemporaryFolder::TemporaryFolder(const std::string& prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw EFileError("Cannot create a temporary folder in " + std::filesystem::temp_directory_path().string());
    path_ = pattern + "/";
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    // A folder a test made read-only must still go.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}
