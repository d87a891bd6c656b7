#pragma once
// A background thread with a terminate flag whose end the window thread can
// wait for while it keeps serving hand-overs (see windowthread.h).
//
// Thread safety: Start, Join and the destructor belong to the owning thread;
// Terminate and Terminated may be called from any thread.

#include "platform/windowthread.h"

#include <atomic>
#include <functional>
#include <thread>

namespace platform {

class ServedThread {
public:
    explicit ServedThread(WindowThread& window)
        : window_(window)
    {
    }
    ServedThread(const ServedThread&) = delete;
    ServedThread& operator=(const ServedThread&) = delete;
    // Terminates and joins.
    ~ServedThread();

    // Runs body on a new thread. body should return soon after Terminated()
    // becomes true.
    void Start(std::function<void()> body);
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Waits for the body to return; on the window thread it serves queued
    // calls meanwhile, so a body blocked in RunAndWait can finish.
    void Join();
    bool Joinable() const { return thread_.joinable(); }

private:
    WindowThread& window_;
    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
};

} // namespace platform
