// "Write To Device": the phone book is saved to the current file and that
// file is written into the device; the window shows each step of the write.

#include "app/deviceoperations.h"
#include "app/fileoperations.h"
#include "app/statusarea.h"
#include "device/sequences.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"

#include <QCoreApplication>

#include <cmath>

namespace app {

void DeviceOperationsController::WriteToDevice()
{
    // A cancel acts at once, also inside a handler's pending-message
    // processing; a start waits until no device call is in progress.
    if (!WriteRunning() && PutOffWhileDeviceCallRuns(MainWindow::DeviceButton::WriteToDevice))
        return;
    const DeviceCallScope scope(*this);
    // Every click saves, a cancelling one too, so that relay settings edited
    // during a write reach the file.
    files_.SaveToCurrentFile();

    if (WriteRunning()) {
        // The cancel sequence: no message, the caption back at once.
        write_->Cancel();
        IdleAfterWriting();
        return;
    }
    const std::string& file = files_.CurrentFile();
    if (FileSizeOf(file) < device::sequence::SmallestImageSize) {
        ShowErrorMessage(tr("The file You are trying to load to device ( %1 ) is empty or uncomplete!")
                             .arg(QString::fromStdWString(dialogs::ToWideText(file))));
        return;
    }
    if (!worker_) {
        RefuseWithoutWorker();
        return;
    }

    QCoreApplication::processEvents();
    write_ = std::make_unique<device::WriteOperation>(*worker_, writeWatch_);
    // The image is the file as the click saved it; a file that cannot be
    // read gives no frames, and only the closing wait is posted.
    if (write_->Start([this] { return phonebook::ReadFileStart(files_.CurrentFile()); }))
        BusyForWriting();
}

void DeviceOperationsController::WriteWatch::Preparing()
{
    owner_.view_.Status().Show(DeviceOperationsController::tr("Prepearing to write data to device...").toStdWString(),
        50);
}

bool DeviceOperationsController::WriteWatch::KeepPosting()
{
    // A click on "Cancel" can run between the frames; the others wait.
    const DeviceCallScope scope(owner_);
    QCoreApplication::processEvents();
    return owner_.WriteRunning();
}

void DeviceOperationsController::WriteWatch::FrameWritten(std::uint32_t frame, std::uint32_t frames)
{
    if (frame == 1) {
        owner_.view_.Status().Show(DeviceOperationsController::tr("Writing data to device...").toStdWString(), 100);
        return;
    }
    // The gauge counts the frames shown before this one, the first not
    // counted, rounded to nearest, halves to even (the default rounding
    // mode).
    const double share = static_cast<double>(frame - 2) / frames * 100;
    owner_.view_.Status().SetGauge(static_cast<int>(std::nearbyint(share)));
    // The bar leaves shortly before the end, while the last frames go out.
    if (owner_.view_.Status().Gauge() >= 99)
        owner_.view_.Status().Hide();
}

void DeviceOperationsController::WriteWatch::Failed(device::Step step, device::FrameCount)
{
    const DeviceCallScope scope(owner_);
    const QString unableToStart = DeviceOperationsController::tr(
        "Unable to start writing process! Please check connection to the device.");
    switch (step) {
    case device::Step::Open:
        owner_.FailOperation(Operation::Write, owner_.WithAccessAdvice(unableToStart));
        return;
    case device::Step::Hello:
        ShowErrorMessage(DeviceOperationsController::tr("Unable to connect to the device!"));
        owner_.IdleAfterWriting();
        return;
    case device::Step::FirstFrame:
        owner_.FailOperation(Operation::Write,
            DeviceOperationsController::tr("There was error while connecting to the device!"));
        return;
    case device::Step::Frames:
        owner_.FailOperation(Operation::Write,
            DeviceOperationsController::tr("There was error while writing to device!"));
        return;
    default:
        owner_.FailOperation(Operation::Write, unableToStart);
        return;
    }
}

void DeviceOperationsController::WriteWatch::Finished(const std::string&)
{
    // The status area went with the last frames.
    owner_.view_.SetControlsEnabled(true, true);
}

} // namespace app
