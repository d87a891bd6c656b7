// The tables the Windows build carries (phonebook/unicodechar_table.cpp)
// against ICU, which answers on Linux: every code point, and UTF-8 byte
// sequences that are and are not characters.
#include "phonebook/unicodechar.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UnicodeTables, digitsAndBlanksAreIcusForEveryCodePoint)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        ASSERT_EQ(phonebook::DecimalDigitValue(c), u_charDigitValue(static_cast<UChar32>(c)))
            << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(phonebook::IsWhiteSpace(c), bool(u_isUWhiteSpace(static_cast<UChar32>(c))))
            << std::hex << static_cast<std::uint32_t>(c);
    }
    EXPECT_EQ(phonebook::DecimalDigitValue(0x110000), -1);
}

// The characters of the text, -1 for each byte sequence that is none.
std::vector<std::int32_t> IcuDecoded(const std::string& text)
{
    std::vector<std::int32_t> out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        // ICU cuts some invalid sequences shorter; runs of them count once.
        if (c >= 0 || out.empty() || out.back() >= 0)
            out.push_back(c < 0 ? -1 : c);
    }
    return out;
}

std::vector<std::int32_t> TableDecoded(const std::string& text)
{
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const std::int32_t c = phonebook::NextUtf8Char(text, i);
        if (c >= 0 || out.empty() || out.back() >= 0)
            out.push_back(c);
    }
    return out;
}

TEST(UnicodeTables, utf8DecodingMatchesIcu)
{
    // clang-format off
    const std::string texts[] = {
        "+370 612",
        "\xD9\xA1\xD9\xA2",                 // Arabic-Indic 1 2
        "\xF0\x9D\x9F\x8F\xF0\x9D\x9F\x97", // mathematical bold 1 9
        "\xC0\xB1" "1",                     // overlong '1', then '1'
        "\xE0\x80\xB1" "2",                 // overlong, then '2'
        "\xED\xA0\x80" "3",                 // a surrogate, then '3'
        "\xF4\x90\x80\x80" "4",             // beyond U+10FFFF
        "\xE2\x82" "5",                     // cut short
        "\x80\xBF" "6",                     // lone continuation bytes
        "\xFF\xFE" "7",
        "\xF0\x9F\x98",                     // cut short at the end
    };
    // clang-format on
    for (const std::string& text : texts)
        EXPECT_EQ(TableDecoded(text), IcuDecoded(text)) << text;
}

} // namespace
