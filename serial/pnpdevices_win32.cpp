#include "serial/pnpdevices_win32.h"

#include "platform/utf16_win32.h"

// After windows.h: defines GUID_DEVCLASS_PORTS here instead of naming it
// from a library.
#include <initguid.h>
#include <devguid.h>

#include <memory>

namespace serial {
namespace {

// The COM name the port driver took for the device, from its hardware key;
// empty for a device of the class that is no COM port.
std::string PortName(HDEVINFO devices, SP_DEVINFO_DATA& device)
{
    const HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t name[64] = {};
    DWORD bytes = sizeof name - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? platform::Utf8FromWide(name) : std::string();
}

} // namespace

void ForEachComPortDevice(
    const std::function<void(HDEVINFO devices, SP_DEVINFO_DATA& device, const std::string& portName)>& visit)
{
    const HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return;
    const std::unique_ptr<void, decltype(&SetupDiDestroyDeviceInfoList)> guard(devices, &SetupDiDestroyDeviceInfoList);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const std::string name = PortName(devices, device);
        if (!name.empty())
            visit(devices, device, name);
    }
}

} // namespace serial
