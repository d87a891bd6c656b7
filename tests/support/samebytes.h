#pragma once
// Byte-exact comparison of file contents for tests.

#include <gtest/gtest.h>

#include <string>

// Compares file contents without printing kilobytes of bytes: sizes and the
// first differing offset.
inline ::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    auto byte = [](const std::string& s, std::size_t i) {
        return i < s.size() ? std::to_string(static_cast<unsigned char>(s[i])) : std::string("none");
    };
    return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                         << ", first difference at offset " << at << ": " << byte(actual, at)
                                         << " instead of " << byte(expected, at);
}
