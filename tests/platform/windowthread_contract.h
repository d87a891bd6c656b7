#pragma once
// Behaviour every window-thread implementation must show. Instantiated for
// the plain implementation (also run under ThreadSanitizer) and for Qt's.

#include "platform/thread.h"
#include "platform/windowthread.h"

#include <gtest/gtest.h>

#include "platform/deadline.h"

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

// A Loop supplies `Window()` (the implementation under test, constructed on
// the test's thread) and `RunUntil(done, timeout)` (spins the thread's own
// event loop).
template <typename Loop>
class WindowThreadContract : public ::testing::Test {
protected:
    Loop loop;
};

TYPED_TEST_SUITE_P(WindowThreadContract);

TYPED_TEST_P(WindowThreadContract, runAndWaitRunsOnWindowThreadAndReturnsAfterTheCall)
{
    auto& window = this->loop.Window();
    const auto windowId = std::this_thread::get_id();
    std::thread::id ranOn;
    std::atomic<bool> returned{false};
    int seenAfterReturn = 0;
    int value = 0;
    std::thread caller([&] {
        window.RunAndWait([&] {
            ranOn = std::this_thread::get_id();
            value = 42;
        });
        seenAfterReturn = value;
        returned = true;
        window.Wake();
    });
    EXPECT_TRUE(this->loop.RunUntil([&] { return returned.load(); }, 5s));
    caller.join();
    EXPECT_EQ(ranOn, windowId);
    EXPECT_EQ(seenAfterReturn, 42);
}

TYPED_TEST_P(WindowThreadContract, runAndWaitOnTheWindowThreadRunsAtOnce)
{
    bool ran = false;
    this->loop.Window().RunAndWait([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TYPED_TEST_P(WindowThreadContract, exceptionOfTheCallReachesTheCaller)
{
    auto& window = this->loop.Window();
    std::atomic<bool> caught{false};
    std::thread caller([&] {
        try {
            window.RunAndWait([] { throw std::runtime_error("boom"); });
        } catch (const std::runtime_error&) {
            caught = true;
        }
        window.Wake();
    });
    EXPECT_TRUE(this->loop.RunUntil([&] { return caught.load(); }, 5s));
    caller.join();
}

TYPED_TEST_P(WindowThreadContract, postedCallsRunInPostingOrder)
{
    auto& window = this->loop.Window();
    std::vector<int> order;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i)
            window.Post([&order, i] { order.push_back(i); });
    });
    poster.join();
    EXPECT_TRUE(this->loop.RunUntil([&] { return order.size() == 100; }, 5s));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[i], i);
}

TYPED_TEST_P(WindowThreadContract, timerFiresOnceAndCanBeRestartedOrStopped)
{
    auto& window = this->loop.Window();
    int fired = 0;
    auto timer = window.CreateTimer([&] { ++fired; });
    EXPECT_FALSE(timer->IsActive());

    timer->Start(20ms);
    EXPECT_TRUE(timer->IsActive());
    EXPECT_TRUE(this->loop.RunUntil([&] { return fired == 1; }, 5s));
    EXPECT_FALSE(timer->IsActive());

    // A stopped timer never fires; the second, unrelated timer bounds the wait.
    timer->Start(20ms);
    timer->Stop();
    bool marker = false;
    auto other = window.CreateTimer([&] { marker = true; });
    other->Start(100ms);
    EXPECT_TRUE(this->loop.RunUntil([&] { return marker; }, 5s));
    EXPECT_EQ(fired, 1);
}

TYPED_TEST_P(WindowThreadContract, restartingMovesTheExpiry)
{
    auto& window = this->loop.Window();
    int fired = 0;
    platform::Clock::time_point firedAt;
    auto timer = window.CreateTimer([&] {
        ++fired;
        firedAt = platform::Clock::now();
    });

    // Restarting with a longer interval: the first countdown no longer counts.
    timer->Start(10ms);
    auto restartedAt = platform::Clock::now();
    timer->Start(200ms);
    EXPECT_TRUE(this->loop.RunUntil([&] { return fired == 1; }, 5s));
    EXPECT_GE(firedAt - restartedAt, 200ms);

    // Restarting with a shorter interval fires long before the first would.
    timer->Start(60s);
    timer->Start(10ms);
    EXPECT_TRUE(this->loop.RunUntil([&] { return fired == 2; }, 30s));
}

TYPED_TEST_P(WindowThreadContract, joiningAThreadServesItsPendingHandOvers)
{
    auto& window = this->loop.Window();
    platform::ServedThread thread(window);
    std::atomic<int> served{0};
    thread.Start([&] {
        while (!thread.Terminated())
            window.RunAndWait([&] { ++served; });
    });
    EXPECT_TRUE(this->loop.RunUntil([&] { return served.load() >= 10; }, 5s));
    // The thread is most likely blocked in a hand-over now; Join must serve it.
    thread.Terminate();
    thread.Join();
    EXPECT_FALSE(thread.Joinable());
}

TYPED_TEST_P(WindowThreadContract, callsAreServedFromInsideARunningCall)
{
    auto& window = this->loop.Window();
    std::atomic<bool> innerDone{false};
    std::atomic<bool> outerDone{false};
    std::thread second;
    std::thread first([&] {
        window.RunAndWait([&] {
            // A nested wait on the window thread (like a modal dialog inside
            // a handler) must still serve hand-overs of other threads.
            second = std::thread([&] {
                window.RunAndWait([&] { innerDone = true; });
                window.Wake();
            });
            window.ServeUntil([&] { return innerDone.load(); });
        });
        outerDone = true;
        window.Wake();
    });
    EXPECT_TRUE(this->loop.RunUntil([&] { return outerDone.load(); }, 5s));
    first.join();
    second.join();
    EXPECT_TRUE(innerDone);
}

REGISTER_TYPED_TEST_SUITE_P(WindowThreadContract, runAndWaitRunsOnWindowThreadAndReturnsAfterTheCall,
    runAndWaitOnTheWindowThreadRunsAtOnce, exceptionOfTheCallReachesTheCaller, postedCallsRunInPostingOrder,
    timerFiresOnceAndCanBeRestartedOrStopped, restartingMovesTheExpiry, joiningAThreadServesItsPendingHandOvers,
    callsAreServedFromInsideARunningCall);
