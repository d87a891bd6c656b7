#include "app/version.h"

#ifndef QEM_FILE_VERSION
#define QEM_FILE_VERSION ""
#endif

namespace app {

std::string FileVersionText()
{
    return QEM_FILE_VERSION;
}

} // namespace app
