// The port list on Windows: the values of the registry's serial device map,
// each value's data a port name such as "COM3".
#include "serial/comportlist.h"

#include "platform/utf16_win32.h"
#include "serial/comerror.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace serial {

void EnumComPorts(std::vector<std::string>& list)
{
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key);
    if (opened != ERROR_SUCCESS)
        throw PortError(ComError::RegError, static_cast<int>(opened));
    const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> guard(key, &RegCloseKey);

    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD valueNameLength = 256;
        wchar_t data[256];
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, valueName, &valueNameLength, nullptr, &type,
            reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            throw PortError(ComError::RegError, static_cast<int>(status));
        // The data may or may not end with its terminating zero.
        std::wstring name(data, dataBytes / sizeof(wchar_t));
        while (!name.empty() && name.back() == L'\0')
            name.pop_back();
        names.push_back(platform::Utf8FromWide(name));
    }
    std::sort(names.begin(), names.end());
    list.swap(names);
}

} // namespace serial
