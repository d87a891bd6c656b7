#pragma once
// Progress of a device operation on standard error, redrawn in place: the
// step, frames k/N during a write, and the time since the operation began.
// Shown only when standard error is a terminal, so logs and pipes get
// nothing of the sort.
//
// Thread safety: window thread only (the session's handlers and its loop).

#include "platform/deadline.h"

#include <cstdint>
#include <string>

namespace cli {

class Progress {
public:
    // Shown when standard error is a terminal.
    Progress();
    explicit Progress(bool shown);
    ~Progress();

    void Begin(const std::string& step);
    void Step(const std::string& step);
    void Frames(std::uint32_t done, std::uint32_t total);
    // Redraws the line with the time now.
    void Tick();
    // Leaves the line as it stands and moves on to the next.
    void End();

private:
    bool shown_;
    bool drawn_ = false;
    platform::Clock::time_point start_;
    std::string step_;
    std::string frames_;
};

} // namespace cli
