#include "phonebook/unicodechar.h"

#include <windows.h>

#include <array>

namespace phonebook {
namespace {

// The UTF-16 form of one character; its length in units (0 for none).
int ToUtf16(char32_t c, std::array<wchar_t, 2>& units)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    if (c < 0x10000) {
        units[0] = static_cast<wchar_t>(c);
        return 1;
    }
    c -= 0x10000;
    units[0] = static_cast<wchar_t>(0xD800 + (c >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    return 2;
}

} // namespace

std::int32_t NextUtf8Char(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    // The length from the lead byte, and the smallest character of that
    // length (a shorter form than needed is no character).
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
    std::array<wchar_t, 2> units{};
    const int length = ToUtf16(c, units);
    WORD type = 0;
    if (length != 1 || !GetStringTypeW(CT_CTYPE1, units.data(), 1, &type) || (type & C1_DIGIT) == 0)
        return -1;
    wchar_t folded[4] = {};
    if (FoldStringW(MAP_FOLDDIGITS, units.data(), 1, folded, 4) != 1 || folded[0] < L'0' || folded[0] > L'9')
        return -1;
    return folded[0] - L'0';
}

bool IsWhiteSpace(char32_t c)
{
    std::array<wchar_t, 2> units{};
    WORD type = 0;
    return ToUtf16(c, units) == 1 && GetStringTypeW(CT_CTYPE1, units.data(), 1, &type) && (type & C1_SPACE) != 0;
}

} // namespace phonebook
