#include "phonebook/numbernormaliser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using phonebook::NormaliseNumber;
using phonebook::NumberRefusal;

struct NormaliseCase {
    const char* name;
    std::string text; // UTF-8
    std::string number;
    NumberRefusal refusal;
    bool changed;
};

class NormaliseNumberTest : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseNumberTest, removesGroupingOnlyAndRefusesWhatItCannotKeepWhole)
{
    const auto result = NormaliseNumber(GetParam().text);
    EXPECT_EQ(result.number, GetParam().number);
    EXPECT_EQ(result.refusal, GetParam().refusal);
    EXPECT_EQ(result.changed, GetParam().changed);
}

constexpr auto None = NumberRefusal::None;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, NormaliseNumberTest,
    ::testing::Values(NormaliseCase{"asIsUnchanged", "860000002", "860000002", None, false},
        NormaliseCase{"internationalWithBlanks", "+370 600 00001", "+37060000001", None, true},
        NormaliseCase{"trunkEightWithDashesStays", "8-600-00002", "860000002", None, true},
        NormaliseCase{"bracketsAndDots", "(8) 600.00003", "860000003", None, true},
        NormaliseCase{"doubleZeroPrefixStays", "00 370/600 00004", "0037060000004", None, true},
        NormaliseCase{"plusInsideBracketsLeads", "(+44) 20 7946-0958", "+442079460958", None, true},
        NormaliseCase{"noBreakAndNarrowNoBreakSpaces", "600\xc2\xa0" "00\xe2\x80\xaf" "005", "60000005", None, true},
        NormaliseCase{"enDashAndTabs", "\t600\xe2\x80\x93" "006 ", "600006", None, true},
        NormaliseCase{"fullWidthAndArabicIndicDigits", "\xef\xbc\x96\xd9\xa0\xd9\xa7", "607", None, true},
        NormaliseCase{"leadingDashIsRemovedNotMadePlus", "-600007", "600007", None, true},
        NormaliseCase{"fifteenCharactersFit", "+12345678901234", "+12345678901234", None, false},
        NormaliseCase{"sixteenAreRefusedNotCut", "+123456789012345", "", NumberRefusal::TooLong, false},
        NormaliseCase{"twoCharactersFit", "1 2", "12", None, true},
        NormaliseCase{"oneCharacterReadsBackEmpty", " 7 ", "", NumberRefusal::TooShort, false},
        NormaliseCase{"lonePlus", "+", "", NumberRefusal::TooShort, false},
        NormaliseCase{"empty", "", "", NumberRefusal::Empty, false},
        NormaliseCase{"onlySeparators", " - ( ) ", "", NumberRefusal::Empty, false},
        NormaliseCase{"plusAfterDigits", "370+600", "", NumberRefusal::NotANumber, false},
        NormaliseCase{"letters", "tel 600", "", NumberRefusal::NotANumber, false},
        NormaliseCase{"extensionMark", "600 000 ext 1", "", NumberRefusal::NotANumber, false},
        NormaliseCase{"superscriptDigit", "60\xc2\xb2", "", NumberRefusal::NotANumber, false},
        NormaliseCase{"invalidUtf8", "60\xff" "0", "", NumberRefusal::NotANumber, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
