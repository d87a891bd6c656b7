#include "device/operations.h"

#include "device/deviceworker.h"
#include "device/protocol.h"
#include "device/sequences.h"
#include "serial/latencytimer.h"

#include <chrono>

namespace device {

DeviceOperation::DeviceOperation(DeviceWorker& worker, OperationObserver& observer)
    : worker_(worker)
    , observer_(observer)
{
}

void DeviceOperation::Cancel()
{
    running_ = false;
    worker_.CancelAll();
}

bool DeviceOperation::Reopen()
{
    if (!sequence::ReopenPort(worker_)) {
        Fail(Step::Open);
        return false;
    }
    // Read once the line is open: on Linux the adapter's timer reads 1 ms
    // when opening switched it to low latency.
    try {
        const std::string notice = serial::ProgramLatencyNotices().For(worker_.Engine().Port().Port());
        if (!notice.empty())
            observer_.Notice(notice);
    } catch (...) {
        Fail(Step::Open);
        return false;
    }
    return true;
}

RequestHandler DeviceOperation::Handler(Step step, std::function<void(const std::string&, engine::Outcome)> take)
{
    return [this, step, take = std::move(take)](DeviceWorker&, const std::string& reply, engine::Outcome outcome) {
        if (!running_)
            return;
        try {
            take(reply, outcome);
        } catch (...) {
            // Whatever failed (the observer, memory), the operation cannot
            // go on from a half-taken step.
            Fail(step);
        }
    };
}

void DeviceOperation::Fail(Step step)
{
    if (!running_)
        return;
    running_ = false;
    worker_.CancelAll();
    // The operation has ended whatever the observer does with the news; what
    // it throws has nowhere to go: the timer, the worker and the start that
    // called here cannot take it.
    try {
        observer_.Failed(step, Frames());
    } catch (...) {
    }
}

void DeviceOperation::Finish(const std::string& dump)
{
    // What Finished throws fails the operation at the step that finished it.
    observer_.Finished(dump);
    running_ = false;
}

WriteOperation::WriteOperation(DeviceWorker& worker, OperationObserver& observer)
    : DeviceOperation(worker, observer)
{
}

bool WriteOperation::Start(ImageSource image)
{
    image_ = std::move(image);
    running_ = true;
    if (!Reopen())
        return false;
    // What the answer sets off is the preparation: a failure in it fails there.
    sequence::PostWriteHello(worker_, Handler(Step::Preparing, [this](const std::string&, engine::Outcome outcome) {
        if (outcome != engine::Outcome::Reply)
            return Fail(Step::Hello);
        PostBody();
    }));
    worker_.BeginOperation();
    return true;
}

void WriteOperation::PostBody()
{
    observer_.Preparing();
    framesAcknowledged_ = 0;
    // The worker waits for this handler, pause included, so every request
    // of the write is queued before the second hello goes out.
    framesQueued_ = sequence::PostWriteBody(worker_, image_(),
        {Handler(Step::Handshake,
             [this](const std::string&, engine::Outcome outcome) {
                 if (outcome != engine::Outcome::Reply)
                     Fail(Step::Handshake);
             }),
            Handler(Step::FirstFrame,
                [this](const std::string&, engine::Outcome o) { TakeFrame(Step::FirstFrame, o); }),
            Handler(Step::Frames, [this](const std::string&, engine::Outcome o) { TakeFrame(Step::Frames, o); }),
            // Whatever its outcome: the device has had every frame.
            Handler(Step::Frames, [this](const std::string&, engine::Outcome) { Finish({}); })},
        [this] { return running_ && observer_.KeepPosting(); });
}

void WriteOperation::TakeFrame(Step step, engine::Outcome outcome)
{
    if (outcome != engine::Outcome::Reply)
        return Fail(step);
    ++framesAcknowledged_;
    observer_.FrameWritten(framesAcknowledged_, framesQueued_);
}

ReadOperation::ReadOperation(DeviceWorker& worker, platform::WindowThread& window, OperationObserver& observer)
    : DeviceOperation(worker, observer)
    , giveUp_(window.CreateTimer([this] { Fail(Step::GiveUp); }))
{
}

bool ReadOperation::Start()
{
    running_ = true;
    worker_.BeginOperation();
    if (!Reopen())
        return false;
    // Counted from the start, so a dump still arriving is given up too.
    giveUp_->Start(std::chrono::milliseconds(sequence::ReadGiveUpMs));
    sequence::PostRead(worker_,
        Handler(Step::Hello,
            [this](const std::string&, engine::Outcome outcome) {
                if (outcome != engine::Outcome::Reply)
                    Fail(Step::Hello);
            }),
        Handler(Step::Dump, [this](const std::string& reply, engine::Outcome outcome) {
            // A reply too short to hold the relay settings is no dump.
            if (outcome != engine::Outcome::Reply || !protocol::DecodeDump(reply).relayTimeout)
                return Fail(Step::Dump);
            giveUp_->Stop();
            Finish(reply);
        }));
    return true;
}

} // namespace device
