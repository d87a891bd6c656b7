#pragma once
// The system's folders that decide where the program keeps its files
// (settings/filelocations.cpp): Linux's program folders and XDG base folders
// (userfolders_xdg.cpp), Windows's Program Files and application data
// folders (userfolders_win32.cpp).
//
// Thread safety: any thread (they read the environment).

#include <filesystem>

namespace settings {

// A folder the package manager or an installer puts programs in, shared by
// every user.
bool IsSystemProgramFolder(const std::filesystem::path& folder);
// Where a user's settings go (XDG_CONFIG_HOME or ~/.config; %APPDATA%).
std::filesystem::path UserConfigFolder();
// Where a user's data go (XDG_DATA_HOME or ~/.local/share; %LOCALAPPDATA%).
std::filesystem::path UserDataFolder();

} // namespace settings
