#pragma once
// What a phone number may hold: the ASCII digits "0" to "9" and, as its
// first character, a plus sign. The device and the file take one byte per
// character, so anything else (a letter, punctuation, a digit of another
// script narrowed to a byte) would reach the device as a wrong byte.
//
// The same rule serves every way a number comes in: typed or pasted into
// the phone list, read from a phone book file, imported from text.

#include <optional>
#include <string>
#include <string_view>

namespace phonebook {

// The phone number character for one character of input: an ASCII digit as
// it is; a decimal digit of another script (full-width, Arabic-Indic,
// Devanagari, ...) as the ASCII digit of the same value; when `leading` (the
// first character of the number), a plus sign as it is and a minus sign as a
// plus sign. Nothing for anything else, superscripts and other non-decimal
// digits included.
std::optional<char> PhoneNumberChar(char32_t c, bool leading);

// The phone number in a UTF-8 text: every character through
// PhoneNumberChar, leading while nothing has been kept yet; everything else
// (blanks, brackets, letters, bytes that are no valid UTF-8) is dropped. The
// result is not cut to any length.
std::string PhoneNumberOf(std::string_view utf8Text);

} // namespace phonebook
