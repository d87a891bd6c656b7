// The per-port lock: recursive, and the window thread keeps serving
// hand-overs while it waits for it.
#include "serial/portlock.h"

#include "platform/event.h"
#include "platform/plainwindowthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;

TEST(PortLock, windowThreadServesHandOversWhileItWaits)
{
    platform::PlainWindowThread window;
    serial::PortLock lock(window);
    platform::Event locked;
    std::atomic<bool> handOverRan{false};
    // The holder waits for the window thread while it holds the lock, as a
    // Close on the worker thread waits for an event thread in a hand-over.
    std::thread holder([&] {
        std::lock_guard guard(lock);
        locked.Set();
        window.RunAndWait([&] { handOverRan = true; });
    });
    ASSERT_TRUE(locked.Wait(5s));
    {
        std::lock_guard guard(lock);
        EXPECT_TRUE(handOverRan);
    }
    holder.join();
}

TEST(PortLock, isRecursiveOnEveryThread)
{
    platform::PlainWindowThread window;
    serial::PortLock lock(window);
    {
        std::lock_guard outer(lock);
        std::lock_guard inner(lock);
    }
    std::thread other([&] {
        std::lock_guard outer(lock);
        std::lock_guard inner(lock);
    });
    other.join();
    std::lock_guard again(lock);
}

TEST(PortLock, excludesOtherThreads)
{
    platform::PlainWindowThread window;
    serial::PortLock lock(window);
    int counter = 0;
    auto work = [&] {
        for (int i = 0; i < 10000; ++i) {
            std::lock_guard guard(lock);
            ++counter;
        }
    };
    std::thread a(work);
    std::thread b(work);
    work();
    a.join();
    b.join();
    EXPECT_EQ(counter, 30000);
}

} // namespace
