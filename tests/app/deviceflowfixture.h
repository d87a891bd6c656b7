#pragma once
// The main window against a virtual relay device on a pseudo-terminal, both
// in this process: the window's settings name the device's line as the
// port, and the window's own worker, engine and serial component talk to it.

#include "device/deviceworker.h"
#include "serial/comportlist.h"
#include "tools/relaysim/device.h"

#include "tests/app/flowfixture.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class DeviceFlowTest : public MainWindowFlowTest {
protected:
    void TearDown() override
    {
        // The window and its worker go before the devices they talk to.
        form.reset();
        serial::SetComPortListRoots("/sys/class/tty", "/dev");
    }

    // A running virtual device; each call makes another one.
    relaysim::Device& StartDevice(relaysim::Options options = {})
    {
        devices.push_back(std::make_unique<relaysim::Device>(std::move(options)));
        devices.back()->Start();
        return *devices.back();
    }
    relaysim::Device& Device() { return *devices.front(); }

    // A device with default behaviour and the window started on it.
    void StartWithDevice(const std::string& bookBytes, relaysim::Options options = {})
    {
        PrepareSettings(StartDevice(std::move(options)).SlavePath(), bookBytes);
        Start();
    }

    std::vector<std::unique_ptr<relaysim::Device>> devices;
};

// The serial port list offers exactly these lines (pseudo-terminal paths
// under /dev/pts, or names there that do not exist), for the port setup
// dialog. The test's TearDown restores the system's list.
class FakePortList {
public:
    explicit FakePortList(const std::vector<std::string>& names)
    {
        namespace fs = std::filesystem;
        for (const std::string& name : names) {
            const fs::path entry = fs::path(root_.Path()) / fs::path(name).filename();
            fs::create_directories(entry / "device");
            fs::create_symlink("../../drivers/qem", entry / "device/driver");
        }
        serial::SetComPortListRoots(root_.Path(), "/dev/pts");
    }
    // The list cannot be read at all.
    static void MakeUnreadable() { serial::SetComPortListRoots("/nonexistent/qem-sys-class-tty", "/dev"); }

private:
    TempDir root_;
};
