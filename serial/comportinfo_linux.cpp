#include "serial/comportinfo.h"

#include "serial/comline.h"
#include "serial/sysfstty_linux.h"
#include "serial/virtualports.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace serial {

namespace {

namespace fs = std::filesystem;

// A sysfs attribute's first line; empty when the attribute is missing.
std::string Attribute(const fs::path& folder, const char* name)
{
    std::ifstream in(folder / name);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.pop_back();
    return line;
}

// The USB device a tty hangs off: a usb-serial port sits below its
// interface, an ACM tty is the interface itself, and the device with the
// vendor id is the interface's parent. Empty for a port not on USB.
fs::path UsbDeviceOf(const std::string& sysfsEntry)
{
    std::error_code error;
    fs::path folder = fs::canonical(fs::path(sysfsEntry) / "device", error);
    if (error)
        return {};
    for (int level = 0; level < 3 && folder.has_relative_path(); ++level, folder = folder.parent_path())
        if (fs::exists(folder / "idVendor", error))
            return folder;
    return {};
}

void DescribeUsb(ComPortInfo& port, const fs::path& usb)
{
    port.Manufacturer = Attribute(usb, "manufacturer");
    port.Product = Attribute(usb, "product");
    port.SerialNumber = Attribute(usb, "serial");
    port.VendorId = Attribute(usb, "idVendor");
    port.ProductId = Attribute(usb, "idProduct");
    // Many products repeat their maker's name; say it once.
    if (port.Product.empty())
        port.Description = port.Manufacturer;
    else if (port.Product.starts_with(port.Manufacturer))
        port.Description = port.Product;
    else
        port.Description = port.Manufacturer + " " + port.Product;
    if (port.Description.empty())
        port.Description = std::string(UnnamedUsbAdapterDescription) + " " + port.VendorId + ":" + port.ProductId;
}

void Describe(ComPortInfo& port, const std::string& sysfsEntry)
{
    if (const fs::path usb = UsbDeviceOf(sysfsEntry); !usb.empty())
        DescribeUsb(port, usb);
    else if (fs::exists(fs::path(sysfsEntry) / "type"))
        // Only serial-core UARTs publish a type.
        port.Description = BuiltInPortDescription;
}

// The by-id links, each to be matched against the listed devices.
std::vector<fs::path> StableNames(const std::string& deviceDir)
{
    std::vector<fs::path> names;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(deviceDir) / "serial/by-id", error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path());
    std::sort(names.begin(), names.end());
    return names;
}

bool SameDevice(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace

std::vector<ComPortInfo> DescribeComPorts()
{
    const serial::SerialTtys listed = serial::ListSerialTtys();
    const std::vector<fs::path> stableNames = StableNames(listed.DeviceDir);
    std::vector<ComPortInfo> ports;
    for (const serial::SerialTty& tty : listed.Ttys) {
        ComPortInfo& port = ports.emplace_back();
        port.Path = tty.DevicePath;
        Describe(port, tty.SysfsEntry);
        const auto stable = std::find_if(stableNames.begin(), stableNames.end(),
            [&](const fs::path& name) { return SameDevice(name, port.Path); });
        if (stable != stableNames.end())
            port.StableName = stable->string();
    }
    // Each by-id name as an entry of its own, described as its device.
    const std::size_t found = ports.size();
    for (const fs::path& name : stableNames)
        for (std::size_t i = 0; i < found; ++i)
            if (SameDevice(name, ports[i].Path)) {
                ComPortInfo byId = ports[i];
                byId.Path = name.string();
                ports.push_back(std::move(byId));
                break;
            }
    for (serial::VirtualPort& virtualPort : serial::ListVirtualPorts()) {
        ComPortInfo& port = ports.emplace_back();
        port.Path = std::move(virtualPort.Path);
        port.Description = std::move(virtualPort.Description);
    }
    return ports;
}

void AddCurrentComPort(std::vector<ComPortInfo>& ports, const std::string& currentPort)
{
    if (currentPort.empty())
        return;
    if (std::any_of(ports.begin(), ports.end(), [&](const ComPortInfo& p) { return p.Path == currentPort; }))
        return;
    const std::string device = serial::DevicePathOf(currentPort);
    ComPortInfo current;
    const auto same = std::find_if(ports.begin(), ports.end(),
        [&](const ComPortInfo& p) { return SameDevice(device, p.Path); });
    if (same != ports.end()) {
        current = *same;
    } else {
        struct stat info {};
        current.Present = stat(device.c_str(), &info) == 0;
    }
    current.Path = currentPort;
    ports.insert(ports.begin(), std::move(current));
}

} // namespace serial
