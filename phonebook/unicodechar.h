#pragma once
// The few Unicode facts the phone book needs: decoding UTF-8, decimal digits
// of every script, and blank characters. ICU answers on Linux
// (unicodechar_icu.cpp); the Windows build, which has no ICU, carries ICU's
// answers as tables (unicodechar_table.cpp).
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
