// The program's own path on Windows, from the module file name.
#include "platform/programpath.h"

#include "platform/utf16_win32.h"

#include <windows.h>

namespace platform {

std::string ProgramPath()
{
    // Paths may exceed MAX_PATH; grow until the name fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return Utf8FromWide(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace platform
