#include "shareddata.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

std::string SharedDataFolder()
{
    std::vector<std::filesystem::path> candidates;
    if (const char* named = std::getenv("KOVRAL_SHARED_DATA"); named && *named)
        candidates.emplace_back(named);
    const std::filesystem::path source(KOVRAL_SOURCE_DIR);
    candidates.push_back(source.parent_path() / "shared" / "data");
    candidates.push_back(source.parent_path().parent_path() / "shared" / "data");
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_directory(candidate, error))
            return candidate.lexically_normal().string() + "/";
    }
    return {};
}

std::string NoSharedDataMessage()
{
    return "no real match data on this machine (shared/data beside the source tree, or "
           "KOVRAL_SHARED_DATA): test skipped";
}
