#include "dialogs/widetext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// Runs the cases under a UTF-8 locale and puts the previous one back.
class ToWideTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::setlocale(LC_CTYPE, nullptr);
        ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    }
    void TearDown() override { std::setlocale(LC_CTYPE, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(ToWideTextTest, convertsWithTheLocaleEncoding)
{
    EXPECT_EQ(dialogs::ToWideText(""), L"");
    EXPECT_EQ(dialogs::ToWideText("/home/op/phones.kalc"), L"/home/op/phones.kalc");
    EXPECT_EQ(dialogs::ToWideText("/home/\xC5\xBEmogus/\xE2\x82\xAC.kalc"), L"/home/\u017Emogus/\u20AC.kalc");
    EXPECT_EQ(dialogs::ToWideText(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST_F(ToWideTextTest, failedConversionGivesEmptyText)
{
    EXPECT_EQ(dialogs::ToWideText("bad \xFF byte"), L"");
    EXPECT_EQ(dialogs::ToWideText("cut \xC5"), L""); // a sequence ending early
}

} // namespace
