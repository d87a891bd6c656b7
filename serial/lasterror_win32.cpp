#include "serial/comerror.h"

#include <windows.h>

namespace serial {

void ThrowLastComError(ComError code)
{
    throw PortError(code, static_cast<int>(GetLastError()));
}

} // namespace serial
