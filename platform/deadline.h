#pragma once
// The one place where time limits are computed: a point on the steady clock.

#include <chrono>

namespace platform {

using Clock = std::chrono::steady_clock;

class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds fromNow)
        : when_(Clock::now() + fromNow)
    {
    }

    Clock::time_point When() const { return when_; }
    bool Expired() const { return Clock::now() >= when_; }
    // Time left, never negative.
    std::chrono::milliseconds Remaining() const
    {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(when_ - Clock::now());
        return left.count() > 0 ? left : std::chrono::milliseconds(0);
    }

private:
    Clock::time_point when_;
};

// Sleeps the calling thread; the one helper every fixed pause goes through.
void SleepMs(int milliseconds);

} // namespace platform
