#pragma once
// The latency timer of the USB adapter behind a port: how long the adapter
// holds received bytes before passing them on. Each frame of a write waits
// for the device's one-byte acknowledgement, so an adapter that holds it
// 16 ms (FTDI's default on Windows and on Linux since 4.10) adds up to
// 16 ms to every frame: seconds over a write. The operator is told once per
// port, not as an error, what the timer is and where to lower it.
//
// Thread safety: any thread.

#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace serial {

// Above this the adapter costs noticeably more than one USB frame (1 ms)
// per acknowledgement.
inline constexpr unsigned LatencyTimerNoticeAboveMs = 2;

// The adapter's latency timer in milliseconds, where the system tells it:
// Linux, the tty's sysfs attribute device/latency_timer (FTDI; under the
// port list's roots, see SetComPortListRoots); Windows, the LatencyTimer
// value of the port's "Device Parameters" key (FTDI's driver). None for
// every other port.
std::optional<unsigned> AdapterLatencyTimerMs(const std::string& portName);

// Where the operator lowers the timer on this system, one paragraph.
std::string LatencyTimerRemedy();

// Remembers the ports whose operator has been told.
class LatencyNotices {
public:
    // For a port just opened: the notice, when its adapter's timer is above
    // LatencyTimerNoticeAboveMs and this port has not had it yet; else empty.
    std::string For(const std::string& portName);

private:
    std::mutex mutex_;
    std::set<std::string> told_;
};

// The program's record, which the device operations use.
LatencyNotices& ProgramLatencyNotices();

} // namespace serial
