#include "platform/event.h"

#include "platform/deadline.h"

#include <algorithm>

namespace platform {

void Event::Set()
{
    // Lock order everywhere: the event's mutex, then a waiter's mutex.
    std::lock_guard lock(mutex_);
    signalled_ = true;
    for (Waiter* w : waiters_) {
        {
            std::lock_guard wl(w->mutex);
            w->woken = true;
        }
        // Notified with the waiter's mutex free, so the waiter does not wake
        // only to wait for it. The waiter stays registered (and alive) while
        // the event's mutex is held.
        w->cv.notify_all();
    }
}

void Event::Reset()
{
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool Event::Wait(std::chrono::milliseconds timeout)
{
    return WaitAny({this}, timeout) == 0;
}

bool Event::TryTake()
{
    std::lock_guard lock(mutex_);
    if (!signalled_)
        return false;
    signalled_ = false;
    return true;
}

void Event::AddWaiter(Waiter* waiter)
{
    std::lock_guard lock(mutex_);
    waiters_.push_back(waiter);
}

void Event::RemoveWaiter(Waiter* waiter)
{
    std::lock_guard lock(mutex_);
    waiters_.erase(std::remove(waiters_.begin(), waiters_.end(), waiter), waiters_.end());
}

int WaitAny(std::initializer_list<Event*> events, std::chrono::milliseconds timeout)
{
    const Deadline deadline(timeout);
    Event::Waiter waiter;
    for (Event* e : events)
        e->AddWaiter(&waiter);

    int taken = -1;
    for (;;) {
        {
            std::lock_guard lock(waiter.mutex);
            waiter.woken = false;
        }
        int index = 0;
        for (Event* e : events) {
            if (e->TryTake()) {
                taken = index;
                break;
            }
            ++index;
        }
        if (taken >= 0)
            break;
        std::unique_lock lock(waiter.mutex);
        if (!waiter.cv.wait_until(lock, deadline.When(), [&] { return waiter.woken; }))
            break;
    }

    for (Event* e : events)
        e->RemoveWaiter(&waiter);
    return taken;
}

} // namespace platform
