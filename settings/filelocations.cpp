// Where the settings file and the default phone book live: beside the
// program, unless the program is installed into a system program folder,
// which belongs to the package manager and is shared by every user.
#include "settings/programsettings.h"

#include "platform/programpath.h"
#include "settings/userfolders.h"

#include <filesystem>
#include <system_error>

namespace settings {
namespace {

namespace fs = std::filesystem;

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
    return {(OwnFolder(UserConfigFolder()) / "qem.INI").string(), (OwnFolder(UserDataFolder()) / "qem.kalc").string()};
}

} // namespace settings
