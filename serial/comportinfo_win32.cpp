// Port descriptions on Windows: the registry's device map lists the ports;
// the Plug and Play manager (SetupAPI, the Ports class) describes the ones
// it knows, matched by the PortName value in each device's registry key.
// A port it does not know (Wine's mapped ports, a virtual port driver
// without Plug and Play) keeps its name alone.
#include "serial/comportinfo.h"

#include "platform/utf16_win32.h"
#include "serial/comportlist.h"
#include "serial/pnpdevices_win32.h"
#include "serial/pnpport.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace serial {

namespace {

// A device's text property; for a list of texts (REG_MULTI_SZ) the first.
std::string DeviceProperty(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property)
{
    DWORD bytes = 0;
    SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr, nullptr, 0, &bytes);
    if (bytes == 0)
        return {};
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr, reinterpret_cast<BYTE*>(text.data()),
            bytes, nullptr))
        return {};
    return platform::Utf8FromWide(text.data());
}

std::string InstanceId(HDEVINFO devices, SP_DEVINFO_DATA& device)
{
    DWORD length = 0;
    SetupDiGetDeviceInstanceIdW(devices, &device, nullptr, 0, &length);
    std::vector<wchar_t> id(length + 1, L'\0');
    if (length == 0 || !SetupDiGetDeviceInstanceIdW(devices, &device, id.data(), length, nullptr))
        return {};
    return platform::Utf8FromWide(id.data());
}

// The present devices of the Ports class, by COM name.
std::vector<std::pair<std::string, serial::PnpPortProperties>> PnpPorts()
{
    std::vector<std::pair<std::string, serial::PnpPortProperties>> ports;
    serial::ForEachComPortDevice([&](HDEVINFO devices, SP_DEVINFO_DATA& device, const std::string& name) {
        ports.emplace_back(name,
            serial::PnpPortProperties{DeviceProperty(devices, device, SPDRP_FRIENDLYNAME),
                DeviceProperty(devices, device, SPDRP_MFG), DeviceProperty(devices, device, SPDRP_HARDWAREID),
                InstanceId(devices, device)});
    });
    return ports;
}

} // namespace

std::vector<ComPortInfo> DescribeComPorts()
{
    std::vector<std::string> names;
    EnumComPorts(names);
    const auto pnpPorts = PnpPorts();
    std::vector<ComPortInfo> ports(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        ports[i].Path = names[i];
        const auto known = std::find_if(pnpPorts.begin(), pnpPorts.end(),
            [&](const auto& pnp) { return _stricmp(pnp.first.c_str(), names[i].c_str()) == 0; });
        if (known != pnpPorts.end())
            serial::DescribePnpPort(ports[i], known->second);
    }
    return ports;
}

void AddCurrentComPort(std::vector<ComPortInfo>& ports, const std::string& currentPort)
{
    if (currentPort.empty())
        return;
    // Port names are case-insensitive: com3 is COM3.
    const auto same = std::find_if(ports.begin(), ports.end(),
        [&](const ComPortInfo& p) { return _stricmp(p.Path.c_str(), currentPort.c_str()) == 0; });
    if (same != ports.end() && same->Path == currentPort)
        return;
    ComPortInfo current;
    if (same != ports.end())
        current = *same;
    else
        current.Present = false;
    current.Path = currentPort;
    ports.insert(ports.begin(), std::move(current));
}

} // namespace serial
