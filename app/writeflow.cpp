// "Write To Device": the phone book is saved to the current file and that
// file is sent to the device as hello, hello, write start, its 16-byte
// frames and a closing wait, each request posted to the worker with the
// handler that shows its outcome.

#include "app/form1.h"

#include "device/mainthreat.h"
#include "device/protocol.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"
#include "platform/deadline.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

constexpr std::int8_t WritePriority = 1;
constexpr int HelloTimeout = 10000;
constexpr int WriteStartTimeout = 50;
constexpr int FrameTimeout = 10000;
constexpr int ClosingWaitTimeout = 1000;
// The device is given time to get ready between the two hellos.
constexpr int PauseAfterFirstHelloMs = 2000;
// A current file shorter than this is not a phone book.
constexpr std::uint64_t SmallestImageSize = 7000;

// Posts a request whose one handler serves all three outcomes.
void PostAwaiting(TMainThreat& worker, std::string command, char answer, int timeout, TRequestHandler handler,
    void* owner)
{
    worker.PostRequest(std::move(command), protocol::AnswerContaining(answer), timeout, handler, handler, handler,
        owner, WritePriority);
}

} // namespace

void TForm1::BTN_WriteToDeviceClick()
{
    // A cancel acts at once, also inside a handler's pending-message
    // processing; a start waits until no device call is in progress.
    if (!WriteRunning() && PutOffWhileDeviceCallRuns(BTN_WriteToDevice))
        return;
    const DeviceCallScope scope(*this);
    // Every click saves, a cancelling one too, so that relay settings edited
    // during a write reach the file.
    SaveToCurrentFile = true;
    BTN_SaveToFileClick();

    if (WriteRunning()) {
        // The cancel sequence: no message, the caption back at once.
        if (Worker)
            Worker->CancelAll();
        IdleAfterWriting();
        return;
    }
    if (FileSizeOf(CurrentFile) < SmallestImageSize) {
        ShowErrorMessage(L"The file You are trying to load to device ( " + ToWideText(CurrentFile)
            + L" ) is empty or uncomplete!");
        return;
    }
    if (!Worker) {
        RefuseWithoutWorker();
        return;
    }

    QCoreApplication::processEvents();
    if (!ReopenWorkerPort()) {
        IdleAfterWriting();
        Worker->CancelAll();
        ShowErrorMessage(WithAccessAdvice(L"Unable to start writing process! Please check connection to the device."));
        return;
    }
    PostAwaiting(*Worker, std::string(1, protocol::Hello), protocol::HelloAck, HelloTimeout, &OnWriteConnect, this);
    Worker->BeginOperation();
    BusyForWriting();
}

void TForm1::OnWriteConnect(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    if (outcome != OutcomeReply) {
        ShowErrorMessage(L"Unable to connect to the device!");
        form.IdleAfterWriting();
        return;
    }

    // The image is the file as the click saved it; a file that cannot be
    // read gives no frames, and only the closing wait is posted.
    std::optional<std::string> image = files::ReadFileStart(form.CurrentFile);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        image ? fmemopen(image->data(), image->size(), "rb") : nullptr, &std::fclose);
    form.SetStatus(L"Prepearing to write data to device...", 50);
    form.ChunksAcknowledged = 0;
    form.ChunksQueued = 0;
    // The worker waits for this handler, so nothing goes out meanwhile.
    platform::SleepMs(PauseAfterFirstHelloMs);

    if (file) {
        protocol::FrameReader frames(file.get());
        bool firstPass = true;
        for (;;) {
            // A click on "Cancel" can run here; the write then posts nothing
            // more (the worker would drop it anyway).
            QCoreApplication::processEvents();
            if (!form.WriteRunning())
                return;
            if (firstPass) {
                PostAwaiting(*worker, std::string(1, protocol::Hello), protocol::HelloAck, HelloTimeout,
                    &OnWriteHandshake, &form);
                // Its outcome is not looked at: the first frame follows at once.
                worker->PostRequest(std::string(1, protocol::WriteStart), protocol::AnswerContaining(protocol::Ack),
                    WriteStartTimeout, nullptr, nullptr, nullptr, nullptr, WritePriority);
                firstPass = false;
            }
            std::optional<std::string> frame = frames.Next();
            if (!frame)
                break;
            ++form.ChunksQueued;
            PostAwaiting(*worker, std::move(*frame), protocol::Ack, FrameTimeout,
                form.ChunksQueued == 1 ? &OnFirstChunkWritten : &OnChunkWritten, &form);
        }
    }
    PostAwaiting(*worker, std::string(), protocol::Ack, ClosingWaitTimeout, &OnWriteFinished, &form);
}

void TForm1::OnWriteHandshake(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    if (outcome == OutcomeReply)
        return;
    worker->CancelAll();
    form.IdleAfterWriting();
    worker->CancelAll();
    ShowErrorMessage(L"Unable to start writing process! Please check connection to the device.");
}

void TForm1::OnFirstChunkWritten(void* owner, TMainThreat*, std::string, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    if (outcome != OutcomeReply) {
        form.FailOperation(Operation::Write, L"There was error while connecting to the device!");
        return;
    }
    form.SetStatus(L"Writing data to device...", 100);
}

void TForm1::OnChunkWritten(void* owner, TMainThreat*, std::string, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    if (outcome != OutcomeReply) {
        form.FailOperation(Operation::Write, L"There was error while writing to device!");
        return;
    }
    // Rounded to nearest, halves to even (the default rounding mode).
    const double share = static_cast<double>(form.ChunksAcknowledged) / form.ChunksQueued * 100;
    form.SetGauge(static_cast<int>(std::nearbyint(share)));
    ++form.ChunksAcknowledged;
    // The bar leaves shortly before the end, while the last frames go out.
    if (form.ProgressBar->value() >= 99)
        form.HideStatusArea();
}

void TForm1::OnWriteFinished(void* owner, TMainThreat*, std::string, std::uint8_t)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    // Whatever the outcome: the device has had every frame. The status area
    // went with the last frames.
    form.SetControlsEnabled(true, true);
}
