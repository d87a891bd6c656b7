#include "phonebook/crc16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CrcCase {
    const char* name;
    std::string block;
    std::uint32_t expected;
};

class Crc16Test : public ::testing::TestWithParam<CrcCase> {};

TEST_P(Crc16Test, matchesStoredCheckValue)
{
    EXPECT_EQ(phonebook::Crc16Of(GetParam().block), GetParam().expected);
}

// The upper 16 bits are not masked away: they are part of the stored value.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Vectors, Crc16Test,
    ::testing::Values(
        CrcCase{"abc", "abc", 0xF00A514Au},
        CrcCase{"emptyPhoneBook", std::string(7503, '\0'), 0xA44FDDAFu},
        CrcCase{"emptyBlock", "", 0xFFFFu}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Crc16, lowHalfIsCcittFalse)
{
    // The standard check input of CRC-16/CCITT-FALSE gives 0x29B1.
    EXPECT_EQ(phonebook::Crc16Of(std::string("123456789")) & 0xFFFFu, 0x29B1u);
}

} // namespace
