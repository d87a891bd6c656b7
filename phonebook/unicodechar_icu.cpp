#include "phonebook/unicodechar.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace phonebook {

std::int32_t NextUtf8Char(std::string_view text, std::size_t& i)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    // ICU counts in 32 bits; no text here comes near 2 GiB.
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
    auto at = static_cast<std::int32_t>(i);
    UChar32 c = 0;
    U8_NEXT(bytes, at, length, c); // negative for a byte sequence that is no character
    i = static_cast<std::size_t>(at);
    return c < 0 ? -1 : c;
}

int DecimalDigitValue(char32_t c)
{
    // Only decimal digits (general category Nd) have a digit value here.
    return c <= 0x10FFFF ? u_charDigitValue(static_cast<UChar32>(c)) : -1;
}

bool IsWhiteSpace(char32_t c)
{
    return c <= 0x10FFFF && u_isUWhiteSpace(static_cast<UChar32>(c));
}

} // namespace phonebook
