#include "phonebook/phonenumber.h"

#include "phonebook/unicodechar.h"

#include <cstdint>

namespace phonebook {

std::optional<char> PhoneNumberChar(char32_t c, bool leading)
{
    if (leading && (c == U'+' || c == U'-'))
        return '+';
    const int value = DecimalDigitValue(c);
    if (value < 0 || value > 9)
        return std::nullopt;
    return static_cast<char>('0' + value);
}

std::string PhoneNumberOf(std::string_view utf8Text)
{
    std::string number;
    for (std::size_t i = 0; i < utf8Text.size();) {
        const std::int32_t c = NextUtf8Char(utf8Text, i);
        if (c < 0)
            continue;
        if (const std::optional<char> kept = PhoneNumberChar(static_cast<char32_t>(c), number.empty()))
            number.push_back(*kept);
    }
    return number;
}

} // namespace phonebook
