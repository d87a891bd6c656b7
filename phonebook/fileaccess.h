#pragma once
// File access for the phone book and settings files.
//
// A write replaces a file only if the user could open it for writing; it
// then goes to a temporary file in the target's folder, which is flushed to
// disk and renamed over the target: a crash or a full disk in the middle
// leaves either the old or the new complete file, never a truncated one.
// Where that would lose something (the folder takes no new files, the file
// has other hard links or belongs to someone else), the file is overwritten
// in place and flushed instead.
// Reads accept regular files only, so a name that points at a folder, a pipe
// or a device reads as "cannot be opened" instead of blocking or streaming.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// The size in bytes of a regular file; 0 when it cannot be opened or is not
// a regular file.
std::uint64_t FileSizeOf(const std::string& path);

namespace phonebook {

// True when something other than a folder exists under the name.
bool IsExistingFile(const std::string& path);

// The first maxBytes bytes of a regular file (all of it by default);
// nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileStart(const std::string& path,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Replaces the file's content with bytes, as described above. An existing
// file keeps its permission bits, owner and hard links; a symbolic link keeps
// pointing at the replaced file. False when the file exists but cannot be
// opened for writing or is no regular file (it is left untouched), and when
// a new file cannot be created; no temporary file is ever left behind. A successful write also
// removes the temporary files that writers killed in the middle left there.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace phonebook
