#pragma once
// A phone number as people write it ("+370 600 00001", "8-600-00002",
// "(8) 600.00003") made into the form the list and the device keep. Only
// the punctuation people put between digit groups goes; every digit and a
// leading "+" stay as typed, because a "00" prefix or a trunk "8" is part of
// how the number is dialled here and cannot be second-guessed. A number
// that would have to be cut or guessed at is refused with the reason, so a
// paste or an import can say which lines it left out and why.
//
// Thread safety: pure function.

#include <string>
#include <string_view>

namespace phonebook {

enum class NumberRefusal { None, Empty, TooShort, TooLong, NotANumber };

struct NormalisedNumber {
    std::string number; // ASCII digits, optional leading '+'; empty when refused
    NumberRefusal refusal = NumberRefusal::None;
    bool changed = false; // the number differs from the text as given
};

// Blanks (no-break spaces included), dashes, dots, slashes and brackets are
// removed; a leading '+' is kept; a decimal digit of any script becomes its
// ASCII digit (PhoneNumberChar). Refused: nothing left (Empty), one
// character (TooShort: the list reads a one-character slot back as empty),
// more than PhoneNumberLength characters (TooLong), or any other character,
// a '+' after the start or bytes that are no UTF-8 (NotANumber).
NormalisedNumber NormaliseNumber(std::string_view utf8Text);

} // namespace phonebook
