#include "serial/portlock.h"

namespace serial {

bool PortLock::TryTake(std::thread::id self)
{
    if (depth_ > 0 && owner_ != self)
        return false;
    owner_ = self;
    ++depth_;
    return true;
}

void PortLock::lock()
{
    const auto self = std::this_thread::get_id();
    if (window_.IsCurrentThread()) {
        window_.ServeUntil([&] {
            std::lock_guard guard(mutex_);
            return TryTake(self);
        });
        return;
    }
    std::unique_lock guard(mutex_);
    released_.wait(guard, [&] { return TryTake(self); });
}

void PortLock::unlock()
{
    {
        std::lock_guard guard(mutex_);
        if (--depth_ > 0)
            return;
        owner_ = {};
    }
    released_.notify_all();
    window_.Wake();
}

} // namespace serial
