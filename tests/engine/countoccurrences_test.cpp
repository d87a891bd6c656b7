#include "engine/replymatcher.h"

#include <gtest/gtest.h>

namespace {

struct CountCase {
    std::string text;
    std::string pattern;
    int count;
    int end;
};

TEST(CountOccurrences, countsLeftToRightWithoutOverlapAndEndsAtTheLastByte)
{
    // clang-format off
    const CountCase cases[] = {
        {"xxOKyyOKz", "OK", 2, 8},
        {"OKOK", "OK", 2, 4},
        {"aaaa", "aa", 2, 4},   // no overlapping matches
        {"aaa", "aa", 1, 2},
        {"abc", "x", 0, 0},     // no occurrence: end is the pattern's length - 1
        {"abc", "xyz", 0, 2},
        {"", "a", 0, 0},
        {"abc", "", 0, -1},     // an empty pattern never occurs
        {std::string("\0a\0a", 4), std::string("\0a", 2), 2, 4},
    };
    // clang-format on
    for (const auto& c : cases) {
        const engine::Occurrences found = engine::CountOccurrences(c.text, c.pattern);
        EXPECT_EQ(found.count, c.count) << c.text << " / " << c.pattern;
        EXPECT_EQ(found.end, c.end) << c.text << " / " << c.pattern;
    }
}

TEST(FindPosition, isOneBasedAndZeroWhenAbsent)
{
    EXPECT_EQ(engine::FindPosition("abcabc", "c"), 3);
    EXPECT_EQ(engine::FindPosition("abc", "abc"), 1);
    EXPECT_EQ(engine::FindPosition("abc", "abcd"), 0);
    EXPECT_EQ(engine::FindPosition("abc", ""), 0);
    EXPECT_EQ(engine::FindPosition(std::string("\x01\xAA\x02", 3), "\xAA"), 2);
}

} // namespace
