#pragma once
// Where the program lives: its settings file and default phone book sit
// beside it.

#include <string>

namespace platform {

// The characters that end a folder name in a path: '/', and on Windows also
// the backslash.
#ifdef _WIN32
inline constexpr const char* kFolderSeparators = "/\\";
#else
inline constexpr const char* kFolderSeparators = "/";
#endif

// The running program's full path (from /proc/self/exe on Linux,
// GetModuleFileNameW on Windows, in UTF-8); empty when unknown
// (programpath_*.cpp).
std::string ProgramPath();

// The path with the extension of its last component replaced by ext (which
// includes the dot); a name without an extension gets ext appended.
std::string ChangeFileExt(const std::string& path, const std::string& ext);

} // namespace platform
