#pragma once
// A write into the device and a read out of it, each one operation that the
// window and the command line start and watch alike: the port reopened, the
// sequences of device/sequences.h posted, the frames counted, a read given
// up after ReadGiveUpMs, and each outcome turned into what the observer
// hears. An operation ends exactly once, failed at a step or finished; it
// then cancels whatever of it the worker still holds, so nothing of it is
// sent or reported afterwards. Whatever a step or the observer throws ends
// the operation as failed at that step.
//
// Thread safety: the window thread, where the worker runs the handlers. An
// operation must not outlive its worker.

#include "device/request.h"
#include "platform/windowthread.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace device {

class DeviceWorker;

enum class Step {
    Open,       // reopening the port
    Hello,      // the first hello
    Preparing,  // write: the pause after the first hello, posting the rest
    Handshake,  // write: the second hello
    FirstFrame, // write: frame 1
    Frames,     // write: frames 2 to n
    Dump,       // read: the read request and its dump
    GiveUp,     // read: not complete in time
};

// How far a write got when it failed: the frames the device acknowledged
// of those queued. Both zero for a read, and before the frames are queued.
struct FrameCount {
    std::uint32_t acknowledged = 0;
    std::uint32_t queued = 0;
};

class OperationObserver {
public:
    virtual ~OperationObserver() = default;
    // Write: the first hello was answered; the pause and the posting follow.
    virtual void Preparing() {}
    // Write, between frames while they are posted: false posts no more (the
    // operator may cancel here).
    virtual bool KeepPosting() { return true; }
    // Write: frame k of n was acknowledged, k from 1.
    virtual void FrameWritten(std::uint32_t /*frame*/, std::uint32_t /*frames*/) {}
    // Something the operator should know that is no failure, such as a USB
    // adapter that holds the device's answers (serial/latencytimer.h): heard
    // right after the port was opened, once per port in the program's life.
    virtual void Notice(const std::string& /*text*/) {}
    virtual void Failed(Step step, FrameCount frames) = 0;
    // A read's dump; empty for a write.
    virtual void Finished(const std::string& dump) = 0;
};

class DeviceOperation {
public:
    DeviceOperation(const DeviceOperation&) = delete;
    DeviceOperation& operator=(const DeviceOperation&) = delete;
    virtual ~DeviceOperation() = default;

    bool Running() const { return running_; }
    // The operator's cancel: the operation ends, and its observer hears
    // nothing more of it.
    void Cancel();

protected:
    DeviceOperation(DeviceWorker& worker, OperationObserver& observer);
    // Reopens the port and passes on its notice; false, and the operation
    // failed, when it is not open.
    bool Reopen();
    // The handler of one step's request: takes the outcome unless the
    // operation has ended, and fails the operation at that step if taking
    // it throws.
    RequestHandler Handler(Step step, std::function<void(const std::string& reply, engine::Outcome outcome)> take);
    void Fail(Step step);
    virtual FrameCount Frames() const { return {}; }
    void Finish(const std::string& dump);

    DeviceWorker& worker_;
    OperationObserver& observer_;
    bool running_ = false;
};

class WriteOperation : public DeviceOperation {
public:
    // The image is read when the device has answered the first hello; a
    // missing image sends no frames.
    using ImageSource = std::function<std::optional<std::string>()>;

    WriteOperation(DeviceWorker& worker, OperationObserver& observer);
    // Reopens the port, posts the first hello and begins the operation.
    // False, with Failed(Open) heard, when the port cannot be opened.
    bool Start(ImageSource image);
    std::uint32_t FramesQueued() const { return framesQueued_; }
    std::uint32_t FramesAcknowledged() const { return framesAcknowledged_; }

private:
    FrameCount Frames() const override { return {framesAcknowledged_, framesQueued_}; }
    void PostBody();
    void TakeFrame(Step step, engine::Outcome outcome);

    ImageSource image_;
    std::uint32_t framesQueued_ = 0;
    std::uint32_t framesAcknowledged_ = 0;
};

class ReadOperation : public DeviceOperation {
public:
    ReadOperation(DeviceWorker& worker, platform::WindowThread& window, OperationObserver& observer);
    // Begins the operation, reopens the port and posts the hello and the
    // read request. False, with Failed(Open) heard, when the port cannot be
    // opened.
    bool Start();

private:
    std::unique_ptr<platform::OneShotTimer> giveUp_;
};

} // namespace device
