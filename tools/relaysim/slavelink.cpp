#include "tools/relaysim/slavelink.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace relaysim {

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace

SlaveLink::SlaveLink(std::string path, std::string target)
    : path_(std::move(path))
    , target_(std::move(target))
{
    struct stat existing {};
    if (::lstat(path_.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode))
        throw std::runtime_error(path_ + " exists and is not a symlink; not replacing it");
    // Made under a temporary name and renamed, so the name is never missing
    // or half made for a program that opens it meanwhile.
    const std::string temporary = path_ + ".new" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target_.c_str(), temporary.c_str()) != 0)
        Fail("cannot create symlink " + temporary);
    if (std::rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        Fail("cannot create symlink " + path_);
    }
}

SlaveLink::~SlaveLink()
{
    char pointsTo[4096];
    const ssize_t n = ::readlink(path_.c_str(), pointsTo, sizeof pointsTo);
    if (n >= 0 && std::string(pointsTo, static_cast<std::size_t>(n)) == target_)
        ::unlink(path_.c_str());
}

} // namespace relaysim
