#pragma once
// Where the program lives: its settings file and default phone book sit
// beside it.

#include <string>

namespace platform {

// The running program's full path (from /proc/self/exe); empty when unknown.
std::string ProgramPath();

// The path with the extension of its last component replaced by ext (which
// includes the dot); a name without an extension gets ext appended.
std::string ChangeFileExt(const std::string& path, const std::string& ext);

} // namespace platform
