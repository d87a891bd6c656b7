// The port list read from a fake sysfs tree.
#include "serial/comportlist.h"

#include "serial/comerror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ComPortListTest : public ::testing::Test {
protected:
    ComPortListTest()
    {
        char name[] = "/tmp/qem-sysfs-XXXXXX";
        root_ = mkdtemp(name);
        serial::SetComPortListRoots(root_ + "/class/tty", "/dev");
    }
    ~ComPortListTest() override
    {
        serial::SetComPortListRoots("/sys/class/tty", "/dev");
        fs::remove_all(root_);
    }

    // One tty entry: with a driver bound (driver non-empty) and, for serial
    // core ports, the UART type.
    void AddTty(const std::string& name, const std::string& driver, const std::string& type = "")
    {
        const fs::path entry = fs::path(root_) / "class/tty" / name;
        fs::create_directories(entry);
        if (!driver.empty()) {
            fs::create_directories(entry / "device");
            fs::create_symlink("../../../../bus/drivers/" + driver, entry / "device/driver");
        }
        if (!type.empty())
            std::ofstream(entry / "type") << type << "\n";
    }

    std::string root_;
};

TEST_F(ComPortListTest, listsPortsWithHardwareSortedAsTexts)
{
    AddTty("ttyS0", "serial8250", "0");
    AddTty("ttyS1", "serial8250", "4");
    AddTty("ttyS10", "port", "4");
    AddTty("ttyS2", "port", "0");
    AddTty("ttyUSB0", "ftdi_sio");
    AddTty("ttyACM0", "cdc_acm");
    AddTty("tty0", "");
    AddTty("console", "");

    std::vector<std::string> list = {"stale entry"};
    EnumComPorts(list);
    EXPECT_EQ(list, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS10", "/dev/ttyUSB0"}));
}

TEST_F(ComPortListTest, emptyTreeGivesAnEmptyList)
{
    fs::create_directories(fs::path(root_) / "class/tty");
    std::vector<std::string> list = {"stale entry"};
    EnumComPorts(list);
    EXPECT_TRUE(list.empty());
}

TEST_F(ComPortListTest, unreadableListIsARegistryError)
{
    // Missing, and a file where the folder should be.
    std::ofstream(fs::path(root_) / "file") << "x";
    for (const std::string& dir : {root_ + "/class/tty", root_ + "/file"}) {
        serial::SetComPortListRoots(dir, "/dev");
        std::vector<std::string> list = {"kept"};
        try {
            EnumComPorts(list);
            ADD_FAILURE() << "no error for " << dir;
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), 23);
            EXPECT_NE(e.OsError(), -1);
        }
        EXPECT_EQ(list, std::vector<std::string>{"kept"});
    }
}

} // namespace
