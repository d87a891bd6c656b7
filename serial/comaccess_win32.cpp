#include "serial/comaccess.h"

#include <windows.h>

namespace serial {

// Windows refuses a port that another program holds open with "access
// denied"; that program is the one to close.
std::string AccessAdvice(const std::string&, int osError)
{
    if (osError != ERROR_ACCESS_DENIED && osError != ERROR_SHARING_VIOLATION)
        return {};
    return "The port is in use by another program. Close that program, then try again.";
}

} // namespace serial
