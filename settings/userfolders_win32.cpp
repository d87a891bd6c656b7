#include "settings/userfolders.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>

namespace settings {
namespace {

namespace fs = std::filesystem;

fs::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    fs::path folder;
    if (SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK)
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

bool IsWithin(const fs::path& folder, const fs::path& root)
{
    if (root.empty())
        return false;
    auto [rootEnd, inFolder] = std::mismatch(root.begin(), root.end(), folder.begin(), folder.end(),
        [](const fs::path& a, const fs::path& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; });
    return rootEnd == root.end();
}

} // namespace

// Installers put programs below Program Files, which only administrators
// may write.
bool IsSystemProgramFolder(const fs::path& folder)
{
    return IsWithin(folder, KnownFolder(FOLDERID_ProgramFiles))
        || IsWithin(folder, KnownFolder(FOLDERID_ProgramFilesX86));
}

fs::path UserConfigFolder()
{
    return KnownFolder(FOLDERID_RoamingAppData);
}

fs::path UserDataFolder()
{
    return KnownFolder(FOLDERID_LocalAppData);
}

} // namespace settings
