#include "phonebook/phonenumber.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using phonebook::PhoneNumberOf;

struct NumberCase {
    const char* name;
    std::string text; // UTF-8
    std::string number;
};

class PhoneNumberOfTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PhoneNumberOfTest, keepsAsciiDigitsAndLeadingPlusOnly)
{
    EXPECT_EQ(PhoneNumberOf(GetParam().text), GetParam().number);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PhoneNumberOfTest,
    ::testing::Values(NumberCase{"asciiDigits", "0123456789", "0123456789"},
        NumberCase{"fullWidthAndArabicIndic", "\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xd9\xa4", "1234"},
        NumberCase{"devanagari", "\xe0\xa5\xaa\xe0\xa5\xa8", "42"},
        NumberCase{"mathematicalBoldOutsideBmp", "\xf0\x9d\x9f\x8f\xf0\x9d\x9f\x97", "19"},
        NumberCase{"superscriptsAreNoDecimalDigits", "1\xc2\xb2\xc2\xb3\xe2\x81\xb4", "1"},
        NumberCase{"leadingMinusBecomesPlus", "-370", "+370"},
        NumberCase{"fullWidthPlusIsNoPlus", "\xef\xbc\x8b" "1", "1"},
        NumberCase{"innerPlusAndMinusDropped", "12+34-56", "123456"},
        NumberCase{"plusAfterDroppedPunctuationLeads", "(+44) 20 7946-0958", "+442079460958"},
        NumberCase{"lettersAndBlanksDropped", "tel: 5 5 5\t1", "5551"},
        NumberCase{"invalidUtf8Dropped", "1\xff\xc3(2\xe0\x80\x80" "3", "123"},
        NumberCase{"zeroByteDropped", std::string("4\0" "2", 3), "42"},
        NumberCase{"notCutToAnyLength", std::string(40, '9'), std::string(40, '9')},
        NumberCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
