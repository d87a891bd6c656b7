#include "device/protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

std::vector<std::string> FramesOf(const std::string& image)
{
    device::protocol::FrameReader reader(image);
    std::vector<std::string> frames;
    while (auto frame = reader.Next())
        frames.push_back(*frame);
    return frames;
}

TEST(FrameReader, cutsAPhoneBookImageInto470FramesWithTheLastRepeatingThePreviousTail)
{
    const std::string image = Pattern(7507);
    const auto frames = FramesOf(image);
    ASSERT_EQ(frames.size(), 470u);
    for (size_t k = 0; k < 469; ++k)
        ASSERT_EQ(frames[k], image.substr(16 * k, 16)) << k;
    EXPECT_EQ(frames[469], image.substr(7504, 3) + image.substr(7491, 13));
}

TEST(FrameReader, frameCountsFollowTheImageSize)
{
    // clang-format off
    struct Case {
        size_t size;
        size_t frames;
    } cases[] = {
        {7000, 438}, // 437 full frames and one with 8 file bytes
        {0, 0},
        {5, 1},
        {16, 1},     // an exact multiple of 16 sends no repeated frame
        {32, 2},
        {33, 3},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FramesOf(Pattern(c.size)).size(), c.frames) << c.size;
}

TEST(FrameReader, aShortFirstReadIsPaddedWithZeroBytes)
{
    const auto frames = FramesOf("12345");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], std::string("12345") + std::string(11, '\0'));
}

TEST(FrameReader, the7000ByteImageEndsWithItsLast8BytesAndThePreviousTail)
{
    const std::string image = Pattern(7000);
    const auto frames = FramesOf(image);
    ASSERT_EQ(frames.size(), 438u);
    EXPECT_EQ(frames.back(), image.substr(6992, 8) + image.substr(6984, 8));
}

std::string Slot(const std::string& content)
{
    std::string slot = content;
    slot.resize(15, '\0');
    return slot;
}

TEST(DecodeDump, aFullDumpFillsEverySlotAndTheRelaySettings)
{
    std::string dump;
    for (int k = 0; k < 500; ++k)
        dump += Slot(k == 3 ? "+123" : k == 7 ? "370612345678" : "");
    dump += std::string("\xF4\x01\x01\x00\x00", 5);
    const auto decoded = device::protocol::DecodeDump(dump);
    ASSERT_EQ(decoded.numbers.size(), 500u);
    EXPECT_EQ(decoded.numbers[3], "+123");
    EXPECT_EQ(decoded.numbers[7], "370612345678");
    EXPECT_EQ(decoded.numbers[0], "");
    EXPECT_EQ(decoded.relayTimeout, 500);
    EXPECT_EQ(decoded.externalOff, true);
}

TEST(DecodeDump, aNumberEndsAtTheFirstByteThatIsNotADigitOrPlus)
{
    const struct {
        // clang-format off
        std::string slot;
        std::string number;
    } cases[] = {
        {Slot("12A45"), "12"},
        {Slot("1234 5"), "1234"},
        {Slot("7"), "7"},
        {Slot("\x80" "123"), ""},
        {Slot(""), ""},
        {"123456789012345", "123456789012345"},
    };
    for (const auto& c : cases) {
        // 20 bytes: the slot, and a second one starting at byte 15 < 20 - 4.
        const auto decoded = device::protocol::DecodeDump(c.slot + std::string(5, '\0'));
        // clang-format on
        ASSERT_EQ(decoded.numbers.size(), 2u);
        EXPECT_EQ(decoded.numbers[0], c.number);
    }
}

TEST(DecodeDump, readsTheRelaySettingsFromTheEndOfAShortReply)
{
    // 35 bytes: slots from bytes 0-14, 15-29 and 30-34; time-out from bytes
    // 30 and 31, flag from byte 32.
    std::string reply = Slot("111") + Slot("222") + std::string("\x40\x9C\x02\x00\x00", 5);
    const auto decoded = device::protocol::DecodeDump(reply);
    ASSERT_EQ(decoded.numbers.size(), 3u);
    EXPECT_EQ(decoded.numbers[1], "222");
    EXPECT_EQ(decoded.numbers[2], "");
    EXPECT_EQ(decoded.relayTimeout, 40000);
    EXPECT_EQ(decoded.externalOff, false);
}

TEST(DecodeDump, aReplyUnderFiveBytesHoldsNothing)
{
    for (size_t length = 0; length < 5; ++length) {
        const auto decoded = device::protocol::DecodeDump(std::string(length, '1'));
        EXPECT_TRUE(decoded.numbers.empty()) << length;
        EXPECT_FALSE(decoded.relayTimeout.has_value()) << length;
        EXPECT_FALSE(decoded.externalOff.has_value()) << length;
    }
}

TEST(DecodeDump, takesAtMost500Slots)
{
    const auto decoded = device::protocol::DecodeDump(std::string(9000, '5'));
    EXPECT_EQ(decoded.numbers.size(), 500u);
}

} // namespace
