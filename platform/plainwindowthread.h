#pragma once
// The window thread without Qt: the thread that constructs it is the window
// thread, and runs queued calls and timers while it is inside RunUntil or
// RunFor. The command line tools and the tests of the threaded components use
// it (stock Qt is not instrumented for ThreadSanitizer).

#include "platform/windowthread.h"

#include <thread>
#include <vector>

namespace platform {

class PlainWindowThread : public WindowThread {
public:
    PlainWindowThread();
    ~PlainWindowThread() override;

    bool IsCurrentThread() const override;
    std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onExpiry) override;

    // Runs queued calls and due timers until done() holds or the time runs
    // out; returns done(). done() is checked after every call and timer, and
    // after every Wake().
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Runs queued calls and due timers for the given time.
    void RunFor(std::chrono::milliseconds duration);

protected:
    void CallQueued() override {}

private:
    class Timer;
    bool FireDueTimer();

    std::thread::id owner_;
    std::vector<Timer*> timers_;
};

} // namespace platform
