#include "platform/programpath.h"

#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ProgramPath()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer)
        return {};
    return std::string(buffer, static_cast<size_t>(n));
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ext;
    return path.substr(0, dot) + ext;
}

} // namespace platform
