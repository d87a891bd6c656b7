#include "platform/plainwindowthread.h"

#include "platform/deadline.h"

#include <algorithm>
#include <optional>

namespace platform {

class PlainWindowThread::Timer : public OneShotTimer {
public:
    Timer(PlainWindowThread& loop, std::function<void()> onExpiry)
        : loop_(loop)
        , onExpiry_(std::move(onExpiry))
    {
        loop_.timers_.push_back(this);
    }
    ~Timer() override
    {
        auto& timers = loop_.timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    void Start(std::chrono::milliseconds interval) override
    {
        due_ = Clock::now() + interval;
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

    Clock::time_point Due() const { return due_; }
    void Fire()
    {
        active_ = false;
        onExpiry_();
    }

private:
    PlainWindowThread& loop_;
    std::function<void()> onExpiry_;
    Clock::time_point due_{};
    bool active_ = false;
};

PlainWindowThread::PlainWindowThread()
    : owner_(std::this_thread::get_id())
{
}

PlainWindowThread::~PlainWindowThread() = default;

bool PlainWindowThread::IsCurrentThread() const
{
    return std::this_thread::get_id() == owner_;
}

std::unique_ptr<OneShotTimer> PlainWindowThread::CreateTimer(std::function<void()> onExpiry)
{
    return std::make_unique<Timer>(*this, std::move(onExpiry));
}

bool PlainWindowThread::FireDueTimer()
{
    const auto now = Clock::now();
    for (Timer* t : timers_) {
        if (t->IsActive() && t->Due() <= now) {
            t->Fire();
            return true;
        }
    }
    return false;
}

bool PlainWindowThread::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const Deadline deadline(timeout);
    for (;;) {
        std::uint64_t seen;
        {
            std::lock_guard lock(QueueMutex());
            seen = WakeCountLocked();
        }
        if (done())
            return true;
        if (RunQueuedCall() || FireDueTimer())
            continue;
        if (deadline.Expired())
            return done();
        auto wakeAt = deadline.When();
        for (Timer* t : timers_)
            if (t->IsActive())
                wakeAt = std::min(wakeAt, t->Due());
        std::unique_lock lock(QueueMutex());
        QueueChanged().wait_until(lock, wakeAt, [&] { return HasQueuedCallLocked() || WakeCountLocked() != seen; });
    }
}

void PlainWindowThread::RunFor(std::chrono::milliseconds duration)
{
    RunUntil([] { return false; }, duration);
}

} // namespace platform
