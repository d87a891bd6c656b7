// Port descriptions on Windows: the registry's port names; the device map
// tells nothing more about them.
#include "serial/comportinfo.h"

#include "serial/comline.h"
#include "serial/comportlist.h"

#include <algorithm>
#include <cstring>

std::vector<ComPortInfo> DescribeComPorts()
{
    std::vector<std::string> names;
    EnumComPorts(names);
    std::vector<ComPortInfo> ports(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        ports[i].Path = names[i];
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
