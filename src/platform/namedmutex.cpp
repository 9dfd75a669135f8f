#include "platform/namedmutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t MaxFileName = 255;

std::string LockFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime ? std::string(runtime) : std::string("/tmp");
}

std::string Checksum(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a: stable across builds and runs
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

}  // namespace

std::string TNamedMutex::LockFilePath(const std::string& name)
{
    std::string file = name + ".lock";
    for (char& c : file)
        if (c == '/')
            c = '_';
    if (file.size() > MaxFileName)
        file = file.substr(0, MaxFileName - 22) + "_" + Checksum(file) + ".lock";
    return LockFolder() + "/" + file;
}

TNamedMutex::TNamedMutex(const std::string& name)
{
    const std::string path = LockFilePath(name);
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file nothing guards the name, as a mutex that cannot be created.
    if (fd_ < 0)
        return;
    int result;
    do
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        alreadyExists_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

TNamedMutex::~TNamedMutex()
{
    Release();
}

void TNamedMutex::Release()
{
    if (fd_ < 0)
        return;
    // The file stays: removing it would let a starting copy lock a file that a third
    // copy is about to replace.
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}
