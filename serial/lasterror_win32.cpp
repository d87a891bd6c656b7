#include "serial/comerror.h"

#include <windows.h>

void ThrowLastComError(ComError code)
{
    throw EComPort(code, static_cast<int>(GetLastError()));
}
