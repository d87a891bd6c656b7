// The program's own path on Linux.
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

} // namespace platform
