#include "phonebook/phonenumber.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace phonebook {

std::optional<char> PhoneNumberChar(char32_t c, bool leading)
{
    if (leading && (c == U'+' || c == U'-'))
        return '+';
    // Only decimal digits (general category Nd) have a digit value here.
    const std::int32_t value = c <= 0x10FFFF ? u_charDigitValue(static_cast<UChar32>(c)) : -1;
    if (value < 0 || value > 9)
        return std::nullopt;
    return static_cast<char>('0' + value);
}

std::string PhoneNumberOf(std::string_view utf8Text)
{
    std::string number;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8Text.data());
    // ICU counts in 32 bits; no phone number text comes near 2 GiB.
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(utf8Text.size(), INT32_MAX));
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c); // a negative c for a byte sequence that is no character
        if (c < 0)
            continue;
        if (const std::optional<char> kept = PhoneNumberChar(static_cast<char32_t>(c), number.empty()))
            number.push_back(*kept);
    }
    return number;
}

} // namespace phonebook
