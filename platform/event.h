#pragma once
// Auto-reset events and a wait on several of them with a time limit.
//
// Thread safety: every member may be called from any thread. An event
// stays set until exactly one waiter takes it (auto-reset); Set on a set
// event changes nothing.

#include <chrono>
#include <condition_variable>
#include <initializer_list>
#include <mutex>
#include <vector>

namespace platform {

class Event {
public:
    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    // Waits until the event is set and takes it; false when the time ran out.
    bool Wait(std::chrono::milliseconds timeout);

private:
    friend int WaitAny(std::initializer_list<Event*>, std::chrono::milliseconds);
    struct Waiter {
        std::mutex mutex;
        std::condition_variable cv;
        bool woken = false;
    };

    bool TryTake();
    void AddWaiter(Waiter* waiter);
    void RemoveWaiter(Waiter* waiter);

    std::mutex mutex_;
    bool signalled_ = false;
    std::vector<Waiter*> waiters_;
};

// Waits until one of the events is set and takes it. When several are set,
// the first in the list is taken and the others stay set. Returns the index
// of the event taken, or -1 when the time ran out.
int WaitAny(std::initializer_list<Event*> events, std::chrono::milliseconds timeout);

} // namespace platform
