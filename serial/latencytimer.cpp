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
    const std::string ms = std::to_string(*timerMs) + " ms";
    return "The USB adapter of " + portName + " holds what it receives up to " + ms
        + " (its latency timer) before passing it on, so every answer of the device waits that long: a write "
          "takes seconds longer than the line needs. "
        + LatencyTimerRemedy();
}

LatencyNotices& ProgramLatencyNotices()
{
    static LatencyNotices notices;
    return notices;
}

} // namespace serial
