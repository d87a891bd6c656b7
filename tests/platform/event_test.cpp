#include "platform/deadline.h"
#include "platform/event.h"
#include "platform/programpath.h"

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace {

TEST(Event, isTakenByExactlyOneWait)
{
    platform::Event e;
    e.Set();
    e.Set(); // setting a set event changes nothing
    EXPECT_TRUE(e.Wait(0ms));
    EXPECT_FALSE(e.Wait(0ms));
}

TEST(Event, resetClearsAPendingSignal)
{
    platform::Event e;
    e.Set();
    e.Reset();
    EXPECT_FALSE(e.Wait(0ms));
}

TEST(Event, waitAnyTakesTheFirstSetEventAndLeavesTheOthersSet)
{
    platform::Event a, b, c;
    c.Set();
    a.Set();
    EXPECT_EQ(platform::WaitAny({&a, &b, &c}, 0ms), 0);
    EXPECT_EQ(platform::WaitAny({&a, &b, &c}, 0ms), 2);
    EXPECT_EQ(platform::WaitAny({&a, &b, &c}, 0ms), -1);
}

TEST(Event, waitAnyTimesOutNoEarlierThanAsked)
{
    platform::Event a, b;
    const auto start = platform::Clock::now();
    EXPECT_EQ(platform::WaitAny({&a, &b}, 50ms), -1);
    EXPECT_GE(platform::Clock::now() - start, 50ms);
}

TEST(Event, waitAnyWakesWhenAnotherThreadSets)
{
    platform::Event a, b;
    std::thread setter([&] { b.Set(); });
    EXPECT_EQ(platform::WaitAny({&a, &b}, 10s), 1);
    setter.join();
}

TEST(Event, everySignalOfAProducerIsConsumedOnce)
{
    // Ping-pong between two threads: a lost wake-up would stall the run
    // until its time limit and fail it.
    platform::Event ping, pong;
    constexpr int rounds = 2000;
    std::thread peer([&] {
        for (int i = 0; i < rounds; ++i) {
            ASSERT_TRUE(ping.Wait(10s));
            pong.Set();
        }
    });
    for (int i = 0; i < rounds; ++i) {
        ping.Set();
        ASSERT_EQ(platform::WaitAny({&pong}, 10s), 0);
    }
    peer.join();
}

TEST(ChangeFileExt, replacesOnlyTheLastComponentsExtension)
{
    struct Case {
        const char* path;
        const char* ext;
        const char* expected;
    } cases[] = {
        {"/opt/qem/qem", ".INI", "/opt/qem/qem.INI"},
        {"/opt/qem/cfg.exe", ".INI", "/opt/qem/cfg.INI"},
        {"/opt/q.em/qem", ".kalc", "/opt/q.em/qem.kalc"},
        {"/a/b.c.d", ".kalc", "/a/b.c.kalc"},
        {"qem", ".INI", "qem.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ChangeFileExt(c.path, c.ext), c.expected) << c.path;
}

} // namespace
