#pragma once
// The hand-over to the window thread.
//
// Background threads (the device worker, the port's event thread) never touch
// window-thread state themselves: they queue a call and, for RunAndWait,
// block until the window thread has run it. The window thread runs queued
// calls from its event loop and also while it waits for a background thread
// to end (ServeUntil), so a waiting caller always completes: closing the
// window or the port never deadlocks on a pending hand-over.
//
// Serving is re-entrant: calls are taken off the queue one at a time and the
// queue's lock is never held while a call runs, so a call may itself run a
// nested event loop (a modal dialog) that serves further calls.
//
// Thread safety: RunAndWait, Post and Wake may be called from any thread.
// CreateTimer, the timers, RunQueuedCall and ServeUntil belong to the window
// thread.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace platform {

// A restartable one-shot timer whose expiry runs on the window thread.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Starts, or restarts, the countdown.
    virtual void Start(std::chrono::milliseconds interval) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class WindowThread {
public:
    WindowThread() = default;
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    virtual ~WindowThread() = default;

    // Runs the call on the window thread and returns once it has returned;
    // an exception it throws is rethrown here. Called on the window thread
    // itself, the call runs at once.
    void RunAndWait(std::function<void()> call);
    // Queues the call and returns at once.
    void Post(std::function<void()> call);

    // On the window thread: runs queued calls, one at a time, until done()
    // holds. done() is checked after each call and after each Wake().
    void ServeUntil(const std::function<bool()>& done);
    // Makes a ServeUntil in progress check its condition again.
    void Wake();

    virtual bool IsCurrentThread() const = 0;
    virtual std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onExpiry) = 0;

protected:
    // Takes the oldest queued call and runs it; false when none was queued.
    bool RunQueuedCall();
    // Tells the implementation that a call was queued (the Qt one schedules
    // a RunQueuedCall from its event loop). Runs on the queuing thread.
    virtual void CallQueued() = 0;

    // For implementations that wait for work themselves.
    std::mutex& QueueMutex() { return mutex_; }
    std::condition_variable& QueueChanged() { return changed_; }
    bool HasQueuedCallLocked() const { return !calls_.empty(); }
    std::uint64_t WakeCountLocked() const { return wakeCount_; }

private:
    void Enqueue(std::function<void()> call);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> calls_;
    std::uint64_t wakeCount_ = 0;
};

} // namespace platform
