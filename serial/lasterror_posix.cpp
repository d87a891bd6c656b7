#include "serial/comerror.h"

#include <cerrno>

void ThrowLastComError(ComError code)
{
    throw EComPort(code, errno);
}
