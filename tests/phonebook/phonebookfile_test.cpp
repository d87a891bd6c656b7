#include "phonebook/crc16.h"
#include "phonebook/phonebookfile.h"

#include "tests/support/samebytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using phonebook::DecodePhoneBook;
using phonebook::DecodeSlot;
using phonebook::EncodePhoneBook;
using phonebook::EncodeSlot;
using phonebook::ParseRelayTimeout;

std::string Zeros(std::size_t count)
{
    return std::string(count, '\0');
}

struct SlotCase {
    const char* name;
    std::string value;
    std::string record;
};

class EncodeSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(EncodeSlotTest, writesSpaceFreeValuePaddedWithZeros)
{
    EXPECT_EQ(EncodeSlot(GetParam().value), GetParam().record);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, EncodeSlotTest,
    ::testing::Values(SlotCase{"digits", "123", "123" + Zeros(12)},
        SlotCase{"innerSpacesRemoved", "1 2 3", "123" + Zeros(12)},
        SlotCase{"empty", "", Zeros(15)},
        SlotCase{"fifteenSpaces", std::string(15, ' '), Zeros(15)},
        SlotCase{"plusAndFifteenDigitsCut", "+123456789012345", "+12345678901234"},
        SlotCase{"spacesRemovedBeforeCut", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6", "123456789012345"},
        SlotCase{"oneCharacter", "7", "7" + Zeros(14)},
        SlotCase{"lonePlus", "+", "+" + Zeros(14)},
        SlotCase{"otherScriptsAsAsciiDigits", "\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xd9\xa4", "1234" + Zeros(11)},
        SlotCase{"noByteOutsideDigitsAndPlus", "-1?2\xff" "A", "+12" + Zeros(12)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class DecodeSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(DecodeSlotTest, readsBytesUpToFirstZero)
{
    EXPECT_EQ(DecodeSlot(GetParam().record), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, DecodeSlotTest,
    ::testing::Values(SlotCase{"digits", "123", "123" + Zeros(12)},
        SlotCase{"full", "+12345678901234", "+12345678901234"},
        SlotCase{"oneCharacterReadsEmpty", "", "7" + Zeros(14)},
        SlotCase{"lonePlusReadsEmpty", "", "+" + Zeros(14)},
        SlotCase{"zeroFirstByte", "", std::string("\0" "2345", 5) + Zeros(10)},
        SlotCase{"stopsAtFirstZero", "12", std::string("12\0" "45", 5) + Zeros(10)},
        SlotCase{"onlyPhoneNumberCharactersKept", "+123", "+\xff" "1?2A3+" + Zeros(8)},
        SlotCase{"fullWidthDigitsInFileBecomeAscii", "12", "\xef\xbc\x91\xef\xbc\x92" + Zeros(9)},
        SlotCase{"nothingLeftReadsEmpty", "", "\x01\x02" + Zeros(13)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct TimeoutCase {
    const char* name;
    std::string text;
    std::uint16_t stored;
    bool resetField;
};

class RelayTimeoutTest : public ::testing::TestWithParam<TimeoutCase> {};

TEST_P(RelayTimeoutTest, storesLow16BitsOrZeroForInvalidText)
{
    const auto result = ParseRelayTimeout(GetParam().text);
    EXPECT_EQ(result.stored, GetParam().stored);
    EXPECT_EQ(result.resetField, GetParam().resetField);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, RelayTimeoutTest,
    ::testing::Values(TimeoutCase{"empty", "", 0, true},
        TimeoutCase{"zero", "0", 0, false},
        TimeoutCase{"fiveHundred", "500", 0x01F4, false},
        TimeoutCase{"aboveSignedRange", "40000", 0x9C40, false},
        TimeoutCase{"above16Bits", "70000", 0x1170, false},
        TimeoutCase{"negativeAsLoaded", "-25536", 0x9C40, false},
        TimeoutCase{"leadingZeros", "00500", 0x01F4, false},
        TimeoutCase{"leadingBlanks", "  12", 12, false},
        TimeoutCase{"letters", "abc", 0, true},
        TimeoutCase{"innerBlank", "1 2", 0, true},
        TimeoutCase{"trailingBlank", "12 ", 0, true},
        TimeoutCase{"signOnly", "-", 0, true},
        TimeoutCase{"twoSigns", "+-5", 0, true},
        TimeoutCase{"lowest32Bit", "-2147483648", 0x0000, false},
        TimeoutCase{"beyond32Bits", "2147483648", 0, true},
        TimeoutCase{"huge", "123456789012345678901234567890", 0, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PhoneBookFile, emptyPhoneBookIsZerosAndKnownCheckValue)
{
    const std::string expected = Zeros(7500) + std::string("\x00\x00\x00\xAF\xDD\x4F\xA4", 7);
    EXPECT_TRUE(SameBytes(EncodePhoneBook(phonebook::PhoneBook{}), expected));
}

TEST(PhoneBookFile, slotsTimeoutFlagAndCheckValueAtTheirOffsets)
{
    phonebook::PhoneBook book;
    book.numbers[0] = "+37060000001";
    book.numbers[3] = "1 2 3";
    book.numbers[499] = "999999999999999";
    book.relayTimeout = 500;
    book.externalOff = true;

    std::string expected = Zeros(7500);
    expected.replace(0, 12, "+37060000001");
    expected.replace(45, 3, "123");
    expected.replace(7485, 15, "999999999999999");
    expected += std::string("\xF4\x01\x01", 3);
    const std::uint32_t check = phonebook::Crc16Of(expected);
    for (int i = 0; i < 4; ++i)
        expected.push_back(static_cast<char>(check >> (8 * i)));

    EXPECT_TRUE(SameBytes(EncodePhoneBook(book), expected));
}

// A complete file: every slot filled, time-out 40 9C (40000), flag set.
std::string FullFile()
{
    phonebook::PhoneBook book;
    for (int n = 0; n < phonebook::PhoneSlotCount; ++n)
        book.numbers[n] = std::to_string(1000 + n);
    book.relayTimeout = 40000;
    book.externalOff = true;
    return EncodePhoneBook(book);
}

struct SizeCase {
    std::size_t size;
    std::size_t slots;
    std::optional<std::uint16_t> relayTimeout;
    std::optional<bool> externalOff;
};

class DecodeBySizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DecodeBySizeTest, changesOnlyWhatTheFileHoldsCompletely)
{
    const SizeCase& c = GetParam();
    std::string file = FullFile();
    file.resize(c.size, '7'); // longer files carry trailing junk

    const auto loaded = DecodePhoneBook(file);

    ASSERT_EQ(loaded.numbers.size(), c.slots);
    for (std::size_t n = 0; n < c.slots; ++n)
        EXPECT_EQ(loaded.numbers[n], std::to_string(1000 + n));
    EXPECT_EQ(loaded.relayTimeout, c.relayTimeout);
    EXPECT_EQ(loaded.externalOff, c.externalOff);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizes, DecodeBySizeTest,
    ::testing::Values(SizeCase{0, 0, std::nullopt, std::nullopt},
        SizeCase{14, 0, std::nullopt, std::nullopt},
        SizeCase{15, 1, std::nullopt, std::nullopt},
        SizeCase{29, 1, std::nullopt, std::nullopt},
        SizeCase{7499, 499, std::nullopt, std::nullopt},
        // Ends inside the time-out: the field keeps its value, the box is cleared.
        SizeCase{7500, 500, std::nullopt, false},
        SizeCase{7501, 500, std::nullopt, false},
        SizeCase{7502, 500, std::uint16_t{40000}, false},
        SizeCase{7503, 500, std::uint16_t{40000}, true},
        SizeCase{7507, 500, std::uint16_t{40000}, true},
        SizeCase{9000, 500, std::uint16_t{40000}, true}),
    [](const auto& info) { return "bytes" + std::to_string(info.param.size); });
// clang-format on

TEST(PhoneBookFile, decodingKeepsGapsAndIgnoresCheckValue)
{
    phonebook::PhoneBook book;
    book.numbers[3] = "333";
    book.numbers[7] = "777";
    book.relayTimeout = 70000 & 0xFFFF;
    std::string file = EncodePhoneBook(book);
    file[7505] ^= 0x5A; // a wrong check value loads without complaint

    const auto loaded = DecodePhoneBook(file);

    std::vector<std::string> expected(phonebook::PhoneSlotCount);
    expected[3] = "333";
    expected[7] = "777";
    EXPECT_EQ(loaded.numbers, expected);
    EXPECT_EQ(loaded.relayTimeout, std::uint16_t{4464});
    EXPECT_EQ(loaded.externalOff, false);
}

} // namespace
