// The version on Windows: the FileVersion of the program's own version
// block, the one Explorer's properties and the installer show, so that the
// title can never disagree with them.
#include "app/version.h"

#include "platform/programpath.h"
#include "platform/utf16_win32.h"

#include <windows.h>

#include <string>
#include <vector>

namespace app {

std::string FileVersionText()
{
    const std::wstring path = platform::WideFromUtf8(platform::ProgramPath());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) || fixedSize < sizeof *fixed)
        return {};
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + '.' + std::to_string(LOWORD(fixed->dwFileVersionMS)) + '.'
        + std::to_string(HIWORD(fixed->dwFileVersionLS)) + '.' + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

} // namespace app
