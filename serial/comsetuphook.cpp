// The process-wide hook through which the Qt-free port reaches the setup
// dialog of the Qt part.
#include "serial/serialport.h"

#include <mutex>
#include <stdexcept>

namespace serial {

namespace {

std::mutex& DialogMutex()
{
    static std::mutex mutex;
    return mutex;
}

SetupDialogHook& InstalledDialog()
{
    static SetupDialogHook dialog;
    return dialog;
}

} // namespace

void SetComSetupDialog(SetupDialogHook dialog)
{
    std::lock_guard guard(DialogMutex());
    InstalledDialog() = std::move(dialog);
}

void SerialPort::ShowSetupDialog()
{
    SetupDialogHook dialog;
    {
        std::lock_guard guard(DialogMutex());
        dialog = InstalledDialog();
    }
    if (!dialog)
        throw std::logic_error("no port setup dialog is installed");
    dialog(*this);
}

} // namespace serial
