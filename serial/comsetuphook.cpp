// The process-wide hook through which the Qt-free port reaches the setup
// dialog of the Qt part.
#include "serial/comport.h"

#include <mutex>
#include <stdexcept>

namespace {

std::mutex& DialogMutex()
{
    static std::mutex mutex;
    return mutex;
}

TComSetupDialog& InstalledDialog()
{
    static TComSetupDialog dialog;
    return dialog;
}

} // namespace

void SetComSetupDialog(TComSetupDialog dialog)
{
    std::lock_guard guard(DialogMutex());
    InstalledDialog() = std::move(dialog);
}

void TCustomComPort::ShowSetupDialog()
{
    TComSetupDialog dialog;
    {
        std::lock_guard guard(DialogMutex());
        dialog = InstalledDialog();
    }
    if (!dialog)
        throw std::logic_error("no port setup dialog is installed");
    dialog(*this);
}
