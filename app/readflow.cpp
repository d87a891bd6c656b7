// "Load From Device": the device's dump is decoded into the window's phone
// list, relay time-out and switch. Nothing is saved. The read gives itself
// up after 40 seconds; the watchdog (TimerTimer) shows the time passing.

#include "app/form1.h"

#include "device/protocol.h"
#include "phonebook/phonelisteditor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

void TForm1::BTN_LoadFromDeviceClick()
{
    if (PutOffWhileDeviceCallRuns(BTN_LoadFromDevice))
        return;
    const DeviceCallScope scope(*this);
    if (!Worker) {
        RefuseWithoutWorker();
        return;
    }
    read_ = std::make_unique<device::ReadOperation>(*Worker, window_, readWatch_);
    if (!read_->Start())
        return;
    ReadingFromDevice = true;
    BusyForReading();
}

void TForm1::ReadWatch::Failed(device::Step step)
{
    const DeviceCallScope scope(form_);
    switch (step) {
    case device::Step::Open:
        form_.FailOperation(
            Operation::Read, form_.WithAccessAdvice(L"Unable to start reading process! Please check connection to the device."));
        return;
    case device::Step::Hello:
        form_.FailOperation(Operation::Read, L"Unable to start reading process! Please check connection to the device.");
        return;
    case device::Step::GiveUp:
        // The time is up whatever the last tick of the gauge showed.
        form_.SetGauge(100);
        form_.FailOperation(Operation::Read, L"There was failure while reading data from device!");
        return;
    default:
        form_.FailOperation(Operation::Read, L"There was error while reading from device!");
        form_.BTN_ClearAllClick();
        return;
    }
}

void TForm1::ReadWatch::Finished(const std::string& reply)
{
    const DeviceCallScope scope(form_);
    const protocol::Dump dump = protocol::DecodeDump(reply);
    // Slots the reply does not reach keep their rows as they are.
    for (std::size_t slot = 0; slot < dump.numbers.size(); ++slot)
        form_.VLE_Telefonai->SetValue(static_cast<int>(slot), dump.numbers[slot]);
    form_.EDT_ReleTimeout->setText(QString::number(*dump.relayTimeout));
    form_.CHBX_EnableExternalOff->setChecked(*dump.externalOff);
    form_.EndRead();
    form_.IdleAfterReading();
}
