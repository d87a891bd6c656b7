// "Write To Device": the phone book is saved to the current file and that
// file is sent to the device as hello, hello, write start, its 16-byte
// frames and a closing wait, each request posted to the worker with the
// handler that shows its outcome.

#include "app/form1.h"

#include "device/mainthreat.h"
#include "device/sequences.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

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
    if (FileSizeOf(CurrentFile) < sequence::SmallestImageSize) {
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
    sequence::PostWriteHello(*Worker, &OnWriteConnect, this);
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
    form.SetStatus(L"Prepearing to write data to device...", 50);
    form.ChunksAcknowledged = 0;
    // A click on "Cancel" can run between the frames; the write then posts
    // nothing more (the worker would drop it anyway).
    form.ChunksQueued = sequence::PostWriteBody(*worker, std::move(image),
        {&OnWriteHandshake, &OnFirstChunkWritten, &OnChunkWritten, &OnWriteFinished}, &form, [&form] {
            QCoreApplication::processEvents();
            return form.WriteRunning();
        });
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
