#include "immutablefile.h"

#include <cstdlib>
#include <utility>

ImmutableFile::ImmutableFile(std::string path)
    : path_(std::move(path)), applied_(std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0)
{
}

ImmutableFile::~ImmutableFile()
{
    if (applied_)
        std::system(("chattr -i '" + path_ + "'").c_str());
}
