#pragma once
// The engine's reply timer: an enabled flag and an interval over a one-shot
// window-thread timer. Enabling starts a countdown of the interval; changing
// the interval of an enabled timer restarts the countdown, assigning the
// interval it already has changes nothing; at expiry the handler runs and,
// if the timer was left enabled, the countdown starts again.
//
// Thread safety: window thread only, like the timer it wraps.

#include "platform/windowthread.h"

#include <functional>
#include <memory>

namespace engine {

class ReplyTimer {
public:
    ReplyTimer(platform::WindowThread& window, std::function<void()> onExpiry);

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void SetInterval(int milliseconds);
    int Interval() const { return interval_; }

private:
    void Arm();
    void Expired();

    std::function<void()> onExpiry_;
    std::unique_ptr<platform::OneShotTimer> timer_;
    bool enabled_ = false;
    int interval_ = 1000;
};

} // namespace engine
