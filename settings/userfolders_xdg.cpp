#include "settings/userfolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace settings {
namespace {

namespace fs = std::filesystem;

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        return home;
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

// An XDG base folder: the variable when it holds an absolute path (others
// are to be ignored), else the folder below home.
fs::path BaseFolder(const char* variable, const char* belowHome)
{
    if (const char* value = std::getenv(variable); value != nullptr && *value == '/')
        return value;
    return fs::path(HomeFolder()) / belowHome;
}

} // namespace

// The folders a package or "make install" puts programs in. The program's
// own install folder is compiled in, so a build for /opt/qem counts too.
bool IsSystemProgramFolder(const fs::path& folder)
{
    for (const char* system : {"/usr/bin", "/bin", "/usr/local/bin", QEM_INSTALL_BINDIR})
        if (folder == fs::path(system).lexically_normal())
            return true;
    return false;
}

fs::path UserConfigFolder()
{
    return BaseFolder("XDG_CONFIG_HOME", ".config");
}

fs::path UserDataFolder()
{
    return BaseFolder("XDG_DATA_HOME", ".local/share");
}

} // namespace settings
