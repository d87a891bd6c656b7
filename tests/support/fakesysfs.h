#pragma once
// A fake sysfs tty class and /dev folder in a temporary folder, installed
// as the port list's roots for the fixture's lifetime, with a folder of
// virtual port registrations of its own (none from the user's session).

#include "serial/comportlist.h"
#include "serial/virtualports.h"
#include "tests/support/tempdir.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

class FakeSysfs {
public:
    FakeSysfs()
    {
        serial::SetComPortListRoots(ClassDir(), DevDir());
        serial::SetVirtualPortFolder(VirtualPortDir());
    }
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;
    ~FakeSysfs()
    {
        serial::SetComPortListRoots("/sys/class/tty", "/dev");
        serial::SetVirtualPortFolder("");
    }

    std::string ClassDir() const { return dir_ / "class/tty"; }
    std::string DevDir() const { return dir_ / "dev"; }
    std::string Root() const { return dir_.Path(); }
    std::string VirtualPortDir() const { return dir_ / "run/qem/ports"; }

    // One tty entry: with a driver bound (driver non-empty) and, for serial
    // core ports, the UART type.
    void AddTty(const std::string& name, const std::string& driver, const std::string& type = "") const
    {
        const std::filesystem::path entry = std::filesystem::path(ClassDir()) / name;
        std::filesystem::create_directories(entry);
        if (!driver.empty()) {
            std::filesystem::create_directories(entry / "device");
            std::filesystem::create_symlink("../../../../bus/drivers/" + driver, entry / "device/driver");
        }
        if (!type.empty())
            std::ofstream(entry / "type") << type << "\n";
    }

    // A tty on a USB adapter, laid out as the kernel does: the device with
    // the attributes, its interface, and for usb-serial drivers (serialPort)
    // a port device below the interface, which is what the tty's device
    // link points at. The device node is a plain file under dev/.
    void AddUsbTty(const std::string& name, const std::string& driver, bool serialPort,
        const std::map<std::string, std::string>& attributes) const
    {
        namespace fs = std::filesystem;
        const fs::path usb = fs::path(Root()) / "devices/pci0000:00/usb1" / ("1-" + name);
        fs::path device = usb / (usb.filename().string() + ":1.0");
        if (serialPort)
            device /= name;
        fs::create_directories(device);
        fs::create_symlink(fs::path(Root()) / "bus/drivers" / driver, device / "driver");
        for (const auto& [attribute, value] : attributes)
            std::ofstream(usb / attribute) << value << "\n";
        const fs::path entry = fs::path(ClassDir()) / name;
        fs::create_directories(entry);
        fs::create_symlink(device, entry / "device");
        fs::create_directories(DevDir());
        std::ofstream(fs::path(DevDir()) / name);
    }

    // The latency_timer attribute a USB adapter's driver publishes for the
    // tty, with this text.
    void SetLatencyTimer(const std::string& name, const std::string& text) const
    {
        const std::filesystem::path device = std::filesystem::path(ClassDir()) / name / "device";
        std::filesystem::create_directories(device);
        std::ofstream(device / "latency_timer") << text;
    }

    // A /dev/serial/by-id link to the device node name.
    void AddStableName(const std::string& link, const std::string& name) const
    {
        const std::filesystem::path byId = std::filesystem::path(DevDir()) / "serial/by-id";
        std::filesystem::create_directories(byId);
        std::filesystem::create_symlink("../../" + name, byId / link);
    }

private:
    TempDir dir_;
};
