// The emulated line speed: the schedule itself, exactly, and the device's
// timing over a pseudo-terminal within generous bounds (the precise rate is
// measured by bench/relaysim_pacing).

#include "tests/relaysim/devicefixture.h"

#include "tools/relaysim/image.h"
#include "tools/relaysim/linepacer.h"

namespace relaysim::testing {
namespace {

using std::chrono::duration_cast;
using std::chrono::microseconds;

constexpr auto kByteAt2400 = std::chrono::nanoseconds(4'166'666); // 10 bits at 2400 bit/s

Answer AnswerOf(std::string bytes)
{
    Answer answer;
    answer.bytes = std::move(bytes);
    return answer;
}

TEST(RelaySimLinePacer, receivedBytesFinishOneByteTimeApart)
{
    LinePacer pacer(2400);
    const auto t0 = platform::Clock::now();
    EXPECT_EQ(pacer.Received(t0), t0 + kByteAt2400);
    EXPECT_EQ(pacer.Received(t0), t0 + 2 * kByteAt2400); // read together, arrived one after another
    const auto later = t0 + 1s;
    EXPECT_EQ(pacer.Received(later), later + kByteAt2400); // the line was idle meanwhile
}

TEST(RelaySimLinePacer, answersQueueBehindEachOtherWithTheirDelaysAndPauses)
{
    LinePacer pacer(2400);
    const auto t0 = platform::Clock::now();
    Answer delayed = AnswerOf("ab");
    delayed.delay = 100ms;
    EXPECT_EQ(pacer.Schedule(delayed, t0), (std::vector{t0 + 100ms + kByteAt2400, t0 + 100ms + 2 * kByteAt2400}));
    // Ready earlier than the line is free: it follows the delayed answer.
    Answer paused = AnswerOf("cde");
    paused.pause = DumpPause{1, 50ms};
    const auto free = t0 + 100ms + 2 * kByteAt2400;
    EXPECT_EQ(pacer.Schedule(paused, t0),
        (std::vector{free + kByteAt2400, free + 50ms + 2 * kByteAt2400, free + 50ms + 3 * kByteAt2400}));
    pacer.Reset();
    EXPECT_EQ(pacer.Schedule(AnswerOf("f"), t0), std::vector{t0 + kByteAt2400});
}

TEST(RelaySimLinePacer, unpacedLineSendsAtOnce)
{
    LinePacer pacer(0);
    const auto t0 = platform::Clock::now();
    EXPECT_EQ(pacer.Received(t0), t0);
    Answer delayed = AnswerOf("ab");
    delayed.delay = 20ms;
    EXPECT_EQ(pacer.Schedule(delayed, t0), (std::vector{t0 + 20ms, t0 + 20ms}));
}

using RelaySimPacing = DeviceFixture;

// The request's own byte, then `bytes` answer bytes, 10 bits each.
std::chrono::nanoseconds LineTime(unsigned baud, std::size_t bytes)
{
    return std::chrono::nanoseconds(10'000'000'000 / baud) * static_cast<long>(bytes + 1);
}

TEST_F(RelaySimPacing, dumpGoesOutAtTenBitsPerByte)
{
    struct Case {
        unsigned baud;
        std::size_t bytes; // about half a second of line time each
    };
    for (const Case c : {Case{2400, 120}, Case{9600, 480}, Case{115200, 5760}}) {
        SCOPED_TRACE(c.baud);
        Options options;
        options.baud = c.baud;
        options.faults.dumpLength = c.bytes;
        Start(options);
        const auto start = platform::Clock::now();
        ASSERT_EQ(Ask("\x77", c.bytes).size(), c.bytes);
        const auto took = platform::Clock::now() - start;
        const auto expected = LineTime(c.baud, c.bytes);
        // Never faster than the line; slower only by scheduling delays.
        EXPECT_GE(took, expected);
        EXPECT_LE(took, 2 * expected);
        ::testing::Test::RecordProperty("baud" + std::to_string(c.baud) + "_us",
            static_cast<int>(duration_cast<microseconds>(took).count()));
    }
}

TEST_F(RelaySimPacing, frameIsAcknowledgedAfterItsOwnTransmissionTime)
{
    Options options;
    options.baud = 2400;
    Start(options);
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    const auto start = platform::Clock::now();
    ASSERT_EQ(Ask(std::string(kFrameSize, '\x11'), 1), "\x81");
    const auto took = platform::Clock::now() - start;
    const auto frameAndAck = 17 * kByteAt2400;
    EXPECT_GE(took, frameAndAck);
    EXPECT_LE(took, 10 * frameAndAck);
}

} // namespace
} // namespace relaysim::testing
