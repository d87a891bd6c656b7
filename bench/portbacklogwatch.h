// Watches, from inside the client's own process, the descriptor on which the
// client has a serial line open: how long bytes waited there, readable but
// not read. Beside the device's own lateness this places a silence the
// client saw: not at the device, not at the client's reader, so inside the
// kernel's line between them.
//
// The descriptor is found by name in /proc/self/fd and looked up again on
// every sample (the client closes and reopens its port); it is only ever
// asked how many bytes it holds, never read, duplicated or reopened.
#pragma once

#include "bench/longestsince.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

class PortBacklogWatch {
public:
    // linePath: the line's own name (a pseudo-terminal's /dev/pts/N), not a
    // symbolic link to it.
    explicit PortBacklogWatch(std::string linePath);
    ~PortBacklogWatch();
    PortBacklogWatch(const PortBacklogWatch&) = delete;
    PortBacklogWatch& operator=(const PortBacklogWatch&) = delete;

    // The longest time bytes waited unread since the last call, or the watch
    // itself was held up (the client's reader then perhaps too).
    std::chrono::microseconds TakeLongest() { return longest_.Take(); }

private:
    void Watch();
    int FindDescriptor(int cached) const;

    const std::string linePath_;
    std::atomic<bool> stopping_{false};
    LongestSince longest_;
    std::thread thread_;
};
