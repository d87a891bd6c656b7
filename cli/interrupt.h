#pragma once
// Ctrl-C during a device operation: the handler only records it, and the
// session notices at its next turn and cancels as the window's "Cancel"
// does, so the port is closed and unlocked before the program exits.
//
// Thread safety: the flag is a lock-free atomic, safe from a signal handler
// on any thread.

namespace cli {

// Catches SIGINT (Ctrl-C and Ctrl-Break in a Windows console) while it
// lives; the default action is back afterwards (interrupt_*.cpp).
class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
};

bool InterruptRequested();

} // namespace cli
