// "Load From Device": the device's dump is decoded into the window's phone
// list, relay time-out and switch. Nothing is saved. The read gives itself
// up after 40 seconds; the gauge ticking meanwhile shows the time passing.

#include "app/deviceoperations.h"
#include "app/phonebookeditor.h"
#include "app/statusarea.h"
#include "device/protocol.h"

namespace app {

void DeviceOperationsController::LoadFromDevice()
{
    if (PutOffWhileDeviceCallRuns(MainWindow::DeviceButton::LoadFromDevice))
        return;
    const DeviceCallScope scope(*this);
    if (!worker_) {
        RefuseWithoutWorker();
        return;
    }
    read_ = std::make_unique<device::ReadOperation>(*worker_, window_, readWatch_);
    if (read_->Start())
        BusyForReading();
}

void DeviceOperationsController::ReadWatch::Failed(device::Step step, device::FrameCount)
{
    const DeviceCallScope scope(owner_);
    const QString unableToStart = DeviceOperationsController::tr(
        "Unable to start reading process! Please check connection to the device.");
    switch (step) {
    case device::Step::Open:
        owner_.FailOperation(Operation::Read, owner_.WithAccessAdvice(unableToStart));
        return;
    case device::Step::Hello:
        owner_.FailOperation(Operation::Read, unableToStart);
        return;
    case device::Step::GiveUp:
        // The time is up whatever the last tick of the gauge showed.
        owner_.view_.Status().SetGauge(100);
        owner_.FailOperation(Operation::Read,
            DeviceOperationsController::tr("There was failure while reading data from device!"));
        return;
    default:
        owner_.FailOperation(Operation::Read,
            DeviceOperationsController::tr("There was error while reading from device!"));
        owner_.view_.Editor().ClearAll();
        return;
    }
}

void DeviceOperationsController::ReadWatch::Finished(const std::string& reply)
{
    const DeviceCallScope scope(owner_);
    const device::protocol::Dump dump = device::protocol::DecodeDump(reply);
    // Slots the reply does not reach keep their rows as they are; the
    // operation took only a dump that holds the relay settings.
    owner_.view_.Editor().ShowPhoneBook(dump.numbers, dump.relayTimeout, dump.externalOff);
    owner_.IdleAfterReading();
}

} // namespace app
