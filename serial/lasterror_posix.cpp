#include "serial/comerror.h"

#include <cerrno>

namespace serial {

void ThrowLastComError(ComError code)
{
    throw PortError(code, errno);
}

} // namespace serial
