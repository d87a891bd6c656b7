#include "platform/programpath.h"

namespace platform {

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    const auto slash = path.find_last_of(kFolderSeparators);
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ext;
    return path.substr(0, dot) + ext;
}

} // namespace platform
