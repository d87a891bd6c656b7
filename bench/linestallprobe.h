// A second pseudo-terminal beside the one under test, carrying a time stamp
// every 10 ms from its master to its slave. The longest time a stamp spent in
// the kernel's line shows whether the machine held pseudo-terminal bytes back
// (a starved flip-buffer worker, or a starved reader): a stall that long on
// the device's line looks to a client exactly like a silent device.
#pragma once

#include "bench/longestsince.h"
#include "tests/support/ptypair.h"

#include <atomic>
#include <chrono>
#include <thread>

class LineStallProbe {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    LineStallProbe();
    ~LineStallProbe();
    LineStallProbe(const LineStallProbe&) = delete;
    LineStallProbe& operator=(const LineStallProbe&) = delete;

    // The longest transit since the last call (or since the start).
    std::chrono::microseconds TakeLongest() { return longest_.Take(); }

private:
    void Send();
    void Receive();

    serialtest::PtyPair line_;
    std::atomic<bool> stopping_{false};
    LongestSince longest_;
    std::thread sender_;
    std::thread receiver_;
};
