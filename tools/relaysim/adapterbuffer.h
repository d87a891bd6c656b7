#pragma once
// What an FTDI USB serial adapter between the device and the tool does to
// the bytes the device sends: they wait in the adapter's buffer until its
// latency timer has run out, counted from the first byte waiting, or until
// 62 bytes wait (a 64-byte USB packet less its two status bytes); then they
// reach the host together as one packet.
//
// Pure: any thread.

#include "platform/deadline.h"

#include <chrono>
#include <cstddef>
#include <vector>

namespace relaysim {

inline constexpr std::size_t kAdapterPacketBytes = 62;

struct AdapterPacket {
    platform::Clock::time_point at; // when it reaches the host
    std::size_t bytes = 0;          // how many of the waiting bytes it carries

    bool operator==(const AdapterPacket&) const = default;
};

// The next packet, given the moments at which the waiting bytes finish
// arriving at the adapter, in order (at least one, at most the first
// kAdapterPacketBytes are looked at). A latency timer of 0 is no adapter:
// each byte passes on at its moment.
AdapterPacket NextAdapterPacket(const std::vector<platform::Clock::time_point>& arrivals,
    std::chrono::milliseconds latencyTimer);

} // namespace relaysim
