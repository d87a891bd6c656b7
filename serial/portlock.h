#pragma once
// The per-port lock: serialises Open, Close, settings and WriteStr coming
// from different threads.
//
// It is recursive, because one port operation runs others (a new port name
// closes and reopens the line, EndUpdate applies every setting). And the
// window thread never simply blocks on it: while it waits it keeps running
// hand-overs, like every other wait of the window thread. Otherwise a Close
// on the worker thread, which holds the lock while it waits for the event
// thread, would wait for an event thread that waits for a window thread that
// waits for the lock.
//
// Thread safety: lock and unlock may be called from any thread; a thread
// unlocks only what it locked.

#include "platform/windowthread.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace serial {

class PortLock {
public:
    explicit PortLock(platform::WindowThread& window)
        : window_(window)
    {
    }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    void lock();
    void unlock();

private:
    bool TryTake(std::thread::id self);

    platform::WindowThread& window_;
    std::mutex mutex_;
    std::condition_variable released_;
    std::thread::id owner_;
    int depth_ = 0;
};

} // namespace serial
