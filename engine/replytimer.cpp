#include "engine/replytimer.h"

namespace engine {

ReplyTimer::ReplyTimer(platform::WindowThread& window, std::function<void()> onExpiry)
    : onExpiry_(std::move(onExpiry))
    , timer_(window.CreateTimer([this] { Expired(); }))
{
}

void ReplyTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        Arm();
    else
        timer_->Stop();
}

void ReplyTimer::SetInterval(int milliseconds)
{
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (enabled_)
        Arm();
}

void ReplyTimer::Arm()
{
    // A timer without a positive interval never fires.
    if (interval_ > 0)
        timer_->Start(std::chrono::milliseconds(interval_));
    else
        timer_->Stop();
}

void ReplyTimer::Expired()
{
    onExpiry_();
    if (enabled_ && !timer_->IsActive())
        Arm();
}

} // namespace engine
