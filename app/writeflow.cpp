// "Write To Device": the phone book is saved to the current file and that
// file is written into the device; the window shows each step of the write.

#include "app/form1.h"

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
        if (write_)
            write_->Cancel();
        IdleAfterWriting();
        return;
    }
    if (FileSizeOf(CurrentFile) < sequence::SmallestImageSize) {
        ShowErrorMessage(L"The file You are trying to load to device ( " + dialogs::ToWideText(CurrentFile)
            + L" ) is empty or uncomplete!");
        return;
    }
    if (!Worker) {
        RefuseWithoutWorker();
        return;
    }

    QCoreApplication::processEvents();
    write_ = std::make_unique<device::WriteOperation>(*Worker, writeWatch_);
    // The image is the file as the click saved it; a file that cannot be
    // read gives no frames, and only the closing wait is posted.
    if (write_->Start([this] { return files::ReadFileStart(CurrentFile); }))
        BusyForWriting();
}

void TForm1::WriteWatch::Preparing()
{
    form_.SetStatus(L"Prepearing to write data to device...", 50);
    form_.ChunksQueued = 0;
    form_.ChunksAcknowledged = 0;
}

bool TForm1::WriteWatch::KeepPosting()
{
    // A click on "Cancel" can run between the frames; the others wait.
    const DeviceCallScope scope(form_);
    QCoreApplication::processEvents();
    return form_.WriteRunning();
}

void TForm1::WriteWatch::FrameWritten(std::uint32_t frame, std::uint32_t frames)
{
    form_.ChunksQueued = frames;
    if (frame == 1) {
        form_.SetStatus(L"Writing data to device...", 100);
        return;
    }
    // The gauge counts the frames after the first, rounded to nearest,
    // halves to even (the default rounding mode).
    const double share = static_cast<double>(form_.ChunksAcknowledged) / frames * 100;
    form_.SetGauge(static_cast<int>(std::nearbyint(share)));
    ++form_.ChunksAcknowledged;
    // The bar leaves shortly before the end, while the last frames go out.
    if (form_.ProgressBar->value() >= 99)
        form_.HideStatusArea();
}

void TForm1::WriteWatch::Failed(device::Step step)
{
    const DeviceCallScope scope(form_);
    switch (step) {
    case device::Step::Open:
        form_.FailOperation(
            Operation::Write, form_.WithAccessAdvice(L"Unable to start writing process! Please check connection to the device."));
        return;
    case device::Step::Hello:
        ShowErrorMessage(L"Unable to connect to the device!");
        form_.IdleAfterWriting();
        return;
    case device::Step::FirstFrame:
        form_.FailOperation(Operation::Write, L"There was error while connecting to the device!");
        return;
    case device::Step::Frames:
        form_.FailOperation(Operation::Write, L"There was error while writing to device!");
        return;
    default:
        form_.FailOperation(Operation::Write, L"Unable to start writing process! Please check connection to the device.");
        return;
    }
}

void TForm1::WriteWatch::Finished(const std::string&)
{
    // The status area went with the last frames.
    form_.SetControlsEnabled(true, true);
}
