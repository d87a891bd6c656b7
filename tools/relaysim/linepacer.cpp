#include "tools/relaysim/linepacer.h"

#include <algorithm>

namespace relaysim {

namespace {

constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit

platform::Clock::duration ByteTimeAt(unsigned baud)
{
    if (baud == 0)
        return platform::Clock::duration::zero();
    return std::chrono::duration_cast<platform::Clock::duration>(
        std::chrono::nanoseconds(std::chrono::seconds(kBitsPerByte)) / baud);
}

} // namespace

LinePacer::LinePacer(unsigned baud)
    : byteTime_(ByteTimeAt(baud))
{
}

LinePacer::TimePoint LinePacer::Received(TimePoint now)
{
    receiveFree_ = std::max(now, receiveFree_) + byteTime_;
    return receiveFree_;
}

std::vector<LinePacer::TimePoint> LinePacer::Schedule(const Answer& answer, TimePoint ready)
{
    std::vector<TimePoint> due;
    due.reserve(answer.bytes.size());
    TimePoint at = std::max(ready + answer.delay, sendFree_);
    for (std::size_t i = 0; i < answer.bytes.size(); ++i) {
        if (answer.pause && i == answer.pause->afterByte)
            at += answer.pause->duration;
        at += byteTime_;
        due.push_back(at);
    }
    sendFree_ = at;
    return due;
}

void LinePacer::Reset()
{
    receiveFree_ = {};
    sendFree_ = {};
}

} // namespace relaysim
