#pragma once
// The device from the command line: the window's worker, engine and serial
// component on the plain window thread, driven through the same write and
// read sequences as the window, with handlers that record each outcome and
// name the step that failed.
//
// Thread safety: the session belongs to the thread that made it, which is
// its window thread: the worker's handlers run there while Write and Read
// serve it. A Ctrl-C (see interrupt.h) cancels the operation in progress.

#include "cli/progress.h"
#include "device/packet.h"
#include "platform/plainwindowthread.h"
#include "serial/portsettings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TMainThreat;

namespace cli {

class DeviceSession {
public:
    // Builds the worker; Failure (device) when the serial ports cannot be
    // listed. The port is opened by each operation.
    DeviceSession(const TPortSettings& settings, Progress& progress);
    // Closes the port.
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Sends a phone book file's bytes as the window's write does. Failure
    // (device) naming the step that failed; Failure (interrupted) after a
    // Ctrl-C, the write cancelled.
    void Write(const std::string& image);
    // The device's dump, as the window's read receives it.
    std::string Read();

private:
    // Reopens the port; Failure (device) saying why it cannot be opened.
    void OpenPort();
    // Serves the worker's handlers until the operation is over, a Ctrl-C
    // or, for a read, the time a read may take has passed.
    void Serve(std::optional<platform::Deadline> giveUp, const std::string& tooLong);
    void Fail(TMainThreat& worker, const std::string& step);

    static void OnWriteConnect(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);
    static void OnWriteHandshake(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);
    static void OnFrameWritten(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);
    static void OnWriteFinished(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);
    static void OnReadHandshake(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);
    static void OnReadData(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);

    platform::PlainWindowThread window_;
    std::string portName_;
    Progress& progress_;
    std::unique_ptr<TMainThreat> worker_;

    // The operation in progress.
    bool over_ = false;
    std::optional<std::string> failure_;
    std::string image_;
    std::uint32_t framesQueued_ = 0;
    std::uint32_t framesAcknowledged_ = 0;
    std::string dump_;
};

} // namespace cli
