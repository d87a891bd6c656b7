#pragma once
// The few Unicode facts the phone book needs from the system: decoding
// UTF-8, decimal digits of every script, and blank characters. ICU answers
// on Linux (unicodechar_icu.cpp); the Windows API on Windows
// (unicodechar_win32.cpp), which folds the same digits to 0-9.
//
// Thread safety: pure functions.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace phonebook {

// The character that starts at index i of the UTF-8 text; i moves past it.
// -1 for a byte sequence that is no character (i moves past it as well).
std::int32_t NextUtf8Char(std::string_view text, std::size_t& i);

// The value 0 to 9 of a decimal digit of any script; -1 for anything else.
int DecimalDigitValue(char32_t c);

// Spaces, tabs, line ends and the other blank characters of Unicode.
bool IsWhiteSpace(char32_t c);

} // namespace phonebook
