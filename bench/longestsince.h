// The longest of the durations offered from one thread since another last
// took it; lock-free, so an offering thread is never held up by the taker.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

class LongestSince {
public:
    void Offer(std::chrono::microseconds duration)
    {
        const std::int64_t offered = duration.count();
        std::int64_t longest = longest_.load();
        while (offered > longest && !longest_.compare_exchange_weak(longest, offered)) {
        }
    }
    // The longest since the last call (or since the start), starting over.
    std::chrono::microseconds Take() { return std::chrono::microseconds(longest_.exchange(0)); }

private:
    std::atomic<std::int64_t> longest_{0};
};
