#include "serial/comaccess.h"

#include "serial/comline.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace serial {
namespace {

// The group that may read and write the device; empty when the device
// gives its group no such right, or its group is root's.
std::string UsersGroupOf(const std::string& path)
{
    struct stat info {};
    const mode_t readWrite = S_IRGRP | S_IWGRP;
    if (stat(path.c_str(), &info) != 0 || info.st_gid == 0 || (info.st_mode & readWrite) != readWrite)
        return {};
    const group* entry = getgrgid(info.st_gid);
    return entry != nullptr ? entry->gr_name : std::string();
}

std::string UserName()
{
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr ? entry->pw_name : "$USER";
}

} // namespace

std::string AccessAdvice(const std::string& portName, int osError)
{
    if (osError != EACCES && osError != EPERM)
        return {};
    std::string group = UsersGroupOf(DevicePathOf(portName));
    if (group.empty())
        group = "dialout";
    // Two lines of the error window, below the message it explains.
    return "Permission denied. Join group \"" + group + "\": sudo adduser " + UserName() + " " + group
        + ", then log in again.";
}

std::string OpenFailureDetail(const std::string& portName, int osError)
{
    const std::string where = DevicePathOf(portName) + ": ";
    if (osError <= 0)
        return where + "reason unknown";
    const std::string advice = AccessAdvice(portName, osError);
    return where + (advice.empty() ? std::generic_category().message(osError) : advice);
}

} // namespace serial
