// "Configure Port...": the port setup dialog on the worker's port, the
// port's settings stored in the settings file, and a new worker built with
// them as at start-up.

#include "app/form1.h"

#include "app/exceptionbox.h"
#include "settings/programsettings.h"
#include "device/mainthreat.h"

#include <exception>

void TForm1::BTN_PortSettingsClick()
{
    // Replacing the worker under one of its own handlers would destroy it
    // while it waits for that handler.
    if (PutOffWhileDeviceCallRuns(BTN_PortSettings))
        return;
    const DeviceCallScope scope(*this);
    // Without a worker (its creation failed at start-up or after the last
    // configuration) one is built from the current settings first, so the
    // operator can recover without restarting the program.
    if (!Worker) {
        try {
            Worker = MakeWorker(PortSettings);
        } catch (const std::exception&) {
            ShowErrorMessage(L"Unable to open COM port!");
            return;
        }
    }

    try {
        // "OK" and "Cancel" go on alike; applying the choices to an open port
        // may fail, which ends the flow here with the old worker in place.
        Worker->ShowPortSetup();
    } catch (const std::exception& error) {
        ShowExceptionMessage(this, error);
        return;
    }
    ReplaceWorker();
}

void TForm1::ReplaceWorker()
{
    const TPortSettings chosen = Worker->GetPortSettings();
    try {
        settings::StorePortSettings(files_.SettingsPath, chosen);
    } catch (const std::exception& error) {
        ShowExceptionMessage(this, error); // the old worker stays
        return;
    }

    // Its queue is dropped and its port closed before it goes.
    Worker->Stop(true);
    ForgetOperations();
    Worker.reset();
    PortSettings = chosen;
    try {
        Worker = MakeWorker(PortSettings);
    } catch (const std::exception&) {
        ShowErrorMessage(L"Unable to open COM port!");
    }
}
