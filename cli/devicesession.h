#pragma once
// The device from the command line: the window's worker, engine and serial
// component on the plain window thread, running the same write and read
// operations as the window, watched here to show progress and to name the
// step that failed.
//
// Thread safety: the session belongs to the thread that made it, which is
// its window thread: the worker's handlers run there while Write and Read
// serve it. A Ctrl-C (see interrupt.h) cancels the operation in progress.

#include "cli/progress.h"
#include "device/operations.h"
#include "platform/plainwindowthread.h"
#include "serial/portsettings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace device {
class DeviceWorker;
} // namespace device

namespace cli {

class DeviceSession : private device::OperationObserver {
public:
    // Builds the worker; Failure (device) when the serial ports cannot be
    // listed. The port is opened by each operation.
    DeviceSession(const serial::PortSettings& settings, Progress& progress);
    // Closes the port.
    ~DeviceSession() override;
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Sends a phone book file's bytes as the window's write does. Failure
    // (device) naming the step that failed; Failure (interrupted) after a
    // Ctrl-C, the write cancelled.
    void Write(const std::string& image);
    // The device's dump, as the window's read receives it.
    std::string Read();

private:
    // Runs the operation until it is over or a Ctrl-C cancels it.
    void Run(device::DeviceOperation& operation, bool writing, const std::function<bool()>& start);
    std::string WhyNotOpen();

    void Preparing() override;
    bool KeepPosting() override;
    void FrameWritten(std::uint32_t frame, std::uint32_t frames) override;
    void Notice(const std::string& text) override;
    void Failed(device::Step step, device::FrameCount frames) override;
    void Finished(const std::string& dump) override;

    platform::PlainWindowThread window_;
    std::string portName_;
    Progress& progress_;
    std::unique_ptr<device::DeviceWorker> worker_;

    // The operation in progress; the write while Run runs one.
    bool writing_ = false;
    bool over_ = false;
    std::optional<std::string> failure_;
    std::string dump_;
};

} // namespace cli
