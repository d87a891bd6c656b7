#include "serial/latencytimer.h"

namespace serial {

std::string LatencyNotices::For(const std::string& portName)
{
    std::lock_guard lock(mutex_);
    if (told_.contains(portName))
        return {};
    const std::optional<unsigned> timerMs = AdapterLatencyTimerMs(portName);
    if (!timerMs || *timerMs <= LatencyTimerNoticeAboveMs)
        return {};
    told_.insert(portName);
    return "The USB adapter of " + portName + " holds each answer of the device up to " + std::to_string(*timerMs)
        + " ms (its latency timer), which makes a write seconds slower. " + LatencyTimerRemedy();
}

LatencyNotices& ProgramLatencyNotices()
{
    static LatencyNotices notices;
    return notices;
}

} // namespace serial
