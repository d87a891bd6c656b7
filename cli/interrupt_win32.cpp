// Ctrl-C and Ctrl-Break in a Windows console: the handler runs on a thread
// of its own that the system starts; it only records the request.
#include "cli/interrupt.h"

#include <windows.h>

#include <atomic>

namespace cli {
namespace {

std::atomic<bool> requested{false};

BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    requested = true;
    return TRUE;
}

} // namespace

InterruptCatcher::InterruptCatcher()
{
    requested = false;
    SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
}

InterruptCatcher::~InterruptCatcher()
{
    SetConsoleCtrlHandler(&OnConsoleControl, FALSE);
}

bool InterruptRequested()
{
    return requested;
}

} // namespace cli
