// Where the settings file and the default phone book live: beside the
// program, unless the program is installed into a system program folder,
// which belongs to the package manager and is shared by every user.
#include "app/programsettings.h"

#include "platform/programpath.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace settings {
namespace {

namespace fs = std::filesystem;

// The folders a package or "make install" puts programs in. The program's
// own install folder is compiled in, so a build for /opt/qem counts too.
bool IsSystemProgramFolder(const fs::path& folder)
{
    for (const char* system : {"/usr/bin", "/bin", "/usr/local/bin", QEM_INSTALL_BINDIR})
        if (folder == fs::path(system).lexically_normal())
            return true;
    return false;
}

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

// The program's own folder within a base folder, made private when it is
// made, as base folders are.
fs::path OwnFolder(const fs::path& base)
{
    const fs::path folder = base / "qem";
    std::error_code ignored;
    if (fs::create_directories(folder, ignored))
        fs::permissions(folder, fs::perms::owner_all, ignored);
    return folder;
}

} // namespace

FileLocations LocateFiles(const std::string& programPath)
{
    std::error_code error;
    fs::path folder = fs::weakly_canonical(fs::path(programPath).parent_path(), error);
    if (error)
        folder = fs::path(programPath).parent_path().lexically_normal();
    if (!IsSystemProgramFolder(folder))
        return {platform::ChangeFileExt(programPath, ".INI"), platform::ChangeFileExt(programPath, ".kalc")};
    return {(OwnFolder(BaseFolder("XDG_CONFIG_HOME", ".config")) / "qem.INI").string(),
        (OwnFolder(BaseFolder("XDG_DATA_HOME", ".local/share")) / "qem.kalc").string()};
}

} // namespace settings
