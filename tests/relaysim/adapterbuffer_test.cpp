// The emulated USB adapter's latency timer: the packet rule exactly, and
// the device's answers held over a pseudo-terminal within generous bounds
// (the cost over a whole write is measured by bench/latency_timer_bench).

#include "tests/relaysim/devicefixture.h"

#include "tools/relaysim/adapterbuffer.h"
#include "tools/relaysim/image.h"

namespace relaysim::testing {
namespace {

using std::chrono::microseconds;
using TimePoint = platform::Clock::time_point;

// count bytes, the first at `first`, each `step` after the one before.
std::vector<TimePoint> Arrivals(TimePoint first, std::size_t count, platform::Clock::duration step)
{
    std::vector<TimePoint> arrivals;
    for (std::size_t i = 0; i < count; ++i)
        arrivals.push_back(first + step * static_cast<long>(i));
    return arrivals;
}

TEST(RelaySimAdapterBuffer, bytesLeaveWhenTheTimerRunsOutOrSixtyTwoWait)
{
    const TimePoint t0 = platform::Clock::now();
    const auto byteAt115200 = microseconds(87);
    struct Case {
        const char* what;
        std::vector<TimePoint> arrivals;
        std::chrono::milliseconds timer;
        AdapterPacket packet;
    };
    const std::vector<Case> cases = {
        {"one acknowledgement waits the whole timer", {t0}, 16ms, {t0 + 16ms, 1}},
        {"at 1 ms", {t0}, 1ms, {t0 + 1ms, 1}},
        {"bytes arriving within the timer go along", {t0, t0 + 5ms, t0 + 16ms, t0 + 17ms}, 16ms, {t0 + 16ms, 3}},
        {"the timer counts from the first byte held", {t0 + 3ms, t0 + 4ms}, 2ms, {t0 + 5ms, 2}},
        {"62 bytes fill a packet before the timer", Arrivals(t0, 70, byteAt115200), 16ms, {t0 + 61 * byteAt115200, 62}},
        {"an unpaced dump leaves 62 bytes at a time", Arrivals(t0, 100, {}), 16ms, {t0, 62}},
        {"61 bytes still wait for the timer", Arrivals(t0, 61, byteAt115200), 16ms, {t0 + 16ms, 61}},
        {"no adapter: each byte at its moment", {t0, t0, t0 + 1ms}, 0ms, {t0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AdapterPacket packet = NextAdapterPacket(c.arrivals, c.timer);
        EXPECT_EQ(packet.bytes, c.packet.bytes);
        EXPECT_EQ(packet.at - t0, c.packet.at - t0);
    }
}

using RelaySimAdapterTimer = DeviceFixture;

TEST_F(RelaySimAdapterTimer, answersReachTheToolNoSoonerThanTheTimer)
{
    Options options;
    options.latencyTimer = 40ms;
    Start(options);
    const auto start = platform::Clock::now();
    ASSERT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_GE(platform::Clock::now() - start, 40ms);
    // An unpaced dump fills its packets at once; were each packet held for
    // the timer, its 122 packets would take 4.9 s.
    const auto dumpStart = platform::Clock::now();
    ASSERT_EQ(Ask("\x77", kDumpSize).size(), kDumpSize);
    EXPECT_LT(platform::Clock::now() - dumpStart, 1500ms);
}

} // namespace
} // namespace relaysim::testing
