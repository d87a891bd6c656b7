#include "app/version.h"

#ifndef QEM_FILE_VERSION
#define QEM_FILE_VERSION ""
#endif

std::string GetFileVersionText()
{
    return QEM_FILE_VERSION;
}
