#pragma once
// Texts between the program (UTF-8 std::string) and the Windows API's wide
// characters (UTF-16), for file names, port names and registry values.
// Windows only.
//
// Thread safety: pure functions.

#include <string>

namespace platform {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring WideFromUtf8(const std::string& text);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

} // namespace platform
