#include "tools/relaysim/adapterbuffer.h"

#include <algorithm>

namespace relaysim {

AdapterPacket NextAdapterPacket(const std::vector<platform::Clock::time_point>& arrivals,
    std::chrono::milliseconds latencyTimer)
{
    if (latencyTimer.count() == 0)
        return {arrivals.front(), 1};
    const std::size_t looked = std::min(arrivals.size(), kAdapterPacketBytes);
    auto at = arrivals.front() + latencyTimer;
    if (looked == kAdapterPacketBytes)
        at = std::min(at, arrivals[looked - 1]);
    const auto last = std::upper_bound(arrivals.begin(), arrivals.begin() + static_cast<std::ptrdiff_t>(looked), at);
    return {at, static_cast<std::size_t>(last - arrivals.begin())};
}

} // namespace relaysim
