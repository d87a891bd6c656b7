// The latency timer on Windows: FTDI's driver keeps it as LatencyTimer in
// the port's "Device Parameters" key (16 ms unless changed), which any user
// may read. QEM only reads it: changing it takes an administrator, in
// Device Manager, and a new plug-in of the adapter.
#include "serial/latencytimer_win32.h"
#include "serial/latencytimer.h"

#include "serial/pnpdevices_win32.h"

#include <cstring>

namespace serial {

std::optional<unsigned> LatencyTimerOf(HKEY deviceParameters)
{
    DWORD value = 0;
    DWORD bytes = sizeof value;
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(deviceParameters, L"LatencyTimer", nullptr, &type,
        reinterpret_cast<BYTE*>(&value), &bytes);
    if (status != ERROR_SUCCESS || type != REG_DWORD || bytes != sizeof value)
        return std::nullopt;
    return static_cast<unsigned>(value);
}

std::optional<unsigned> AdapterLatencyTimerMs(const std::string& portName)
{
    std::optional<unsigned> ms;
    ForEachComPortDevice([&](HDEVINFO devices, SP_DEVINFO_DATA& device, const std::string& name) {
        // Port names are case-insensitive: com3 is COM3.
        if (ms || _stricmp(name.c_str(), portName.c_str()) != 0)
            return;
        // The device's hardware key is its "Device Parameters" key.
        const HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            return;
        ms = LatencyTimerOf(key);
        RegCloseKey(key);
    });
    return ms;
}

std::string LatencyTimerRemedy()
{
    return "To set it to 1 ms: Device Manager > Ports (COM & LPT) > the port > Properties > Port Settings > "
           "Advanced > Latency Timer (msec), then plug the adapter in again. Windows asks for an administrator "
           "there; QEM itself never changes it.";
}

} // namespace serial
