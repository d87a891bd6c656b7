// The Unicode facts without ICU (the Windows build): a UTF-8 decoder and the
// two character classes as tables. Decimal digits (general category Nd)
// come in runs of ten from a zero; both tables are ICU's, checked against
// ICU on Linux (tests/phonebook/unicodechar_test.cpp).
#include "phonebook/unicodechar.h"

#include <algorithm>
#include <array>

namespace phonebook {
namespace {

// clang-format off
constexpr std::array<char32_t, 68> kDigitZeros = {
    0x0030, 0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6, 0x0C66, 0x0CE6,
    0x0D66, 0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80,
    0x1A90, 0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0,
    0xFF10, 0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650,
    0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50,
    0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

constexpr std::array<char32_t, 25> kWhiteSpace = {
    0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x0020, 0x0085, 0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003,
    0x2004, 0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000,
};
// clang-format on

} // namespace

std::int32_t NextUtf8Char(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    // The length from the lead byte, and the smallest character of that
    // length (a longer form than needed is no character).
    int more = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return -1;
    }
    for (; more > 0; --more) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return -1;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return -1;
    return static_cast<std::int32_t>(c);
}

int DecimalDigitValue(char32_t c)
{
    const auto after = std::upper_bound(kDigitZeros.begin(), kDigitZeros.end(), c);
    if (after == kDigitZeros.begin() || c - *(after - 1) > 9)
        return -1;
    return static_cast<int>(c - *(after - 1));
}

bool IsWhiteSpace(char32_t c)
{
    return std::binary_search(kWhiteSpace.begin(), kWhiteSpace.end(), c);
}

} // namespace phonebook
