// "Load From Device": a hello and the read request; the device's dump is
// decoded into the window's phone list, relay time-out and switch. Nothing
// is saved. The watchdog (TimerTimer) gives a read up after 40 seconds.

#include "app/form1.h"

#include "device/mainthreat.h"
#include "device/protocol.h"
#include "device/sequences.h"
#include "phonebook/phonelisteditor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include <exception>

void TForm1::BTN_LoadFromDeviceClick()
{
    if (PutOffWhileDeviceCallRuns(BTN_LoadFromDevice))
        return;
    const DeviceCallScope scope(*this);
    if (!Worker) {
        RefuseWithoutWorker();
        return;
    }
    Worker->BeginOperation();
    if (!ReopenWorkerPort()) {
        IdleAfterReading();
        Worker->CancelAll();
        ShowErrorMessage(WithAccessAdvice(L"Unable to start reading process! Please check connection to the device."));
        return;
    }
    sequence::PostRead(*Worker, &OnReadHandshake, &OnReadData, this);
    ReadingFromDevice = true;
    BusyForReading();
}

void TForm1::OnReadHandshake(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    // A read the watchdog has given up on is over; its late outcomes change
    // nothing.
    if (outcome == OutcomeReply || !form.ReadingFromDevice)
        return;
    worker->CancelAll();
    form.EndRead();
    form.IdleAfterReading();
    worker->CancelAll();
    ShowErrorMessage(L"Unable to start reading process! Please check connection to the device.");
}

void TForm1::OnReadData(void* owner, TMainThreat*, std::string reply, std::uint8_t outcome)
{
    TForm1& form = *static_cast<TForm1*>(owner);
    const DeviceCallScope scope(form);
    if (!form.ReadingFromDevice)
        return; // the watchdog has already given up: the data are dropped

    const protocol::Dump dump = protocol::DecodeDump(reply);
    // A reply too short to hold the relay settings holds no slot either: it
    // is no dump, and taking it as one would leave the old phone book on
    // screen as if it had come from the device.
    if (outcome != OutcomeReply || !dump.relayTimeout) {
        form.FailOperation(Operation::Read, L"There was error while reading from device!");
        form.BTN_ClearAllClick();
        return;
    }

    form.ReadingFromDevice = false;
    // Slots the reply does not reach keep their rows as they are.
    for (std::size_t slot = 0; slot < dump.numbers.size(); ++slot)
        form.VLE_Telefonai->SetValue(static_cast<int>(slot), dump.numbers[slot]);
    form.EDT_ReleTimeout->setText(QString::number(*dump.relayTimeout));
    form.CHBX_EnableExternalOff->setChecked(*dump.externalOff);
    form.IdleAfterReading();
    form.Timer->stop();
}
