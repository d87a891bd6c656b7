// The port list and the port descriptions read from a fake sysfs tree.
#include "serial/comportinfo.h"
#include "serial/comportlist.h"

#include "serial/comerror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
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

    // A tty on a USB adapter, laid out as the kernel does: the device with
    // the attributes, its interface, and for usb-serial drivers (serialPort)
    // a port device below the interface, which is what the tty's device
    // link points at. The device node is a plain file under dev/.
    void AddUsbTty(const std::string& name, const std::string& driver, bool serialPort,
        const std::map<std::string, std::string>& attributes)
    {
        const fs::path usb = fs::path(root_) / "devices/pci0000:00/usb1" / ("1-" + name);
        fs::path device = usb / (usb.filename().string() + ":1.0");
        if (serialPort)
            device /= name;
        fs::create_directories(device);
        fs::create_symlink(fs::path(root_) / "bus/drivers" / driver, device / "driver");
        for (const auto& [attribute, value] : attributes)
            std::ofstream(usb / attribute) << value << "\n";
        const fs::path entry = fs::path(root_) / "class/tty" / name;
        fs::create_directories(entry);
        fs::create_symlink(device, entry / "device");
        fs::create_directories(fs::path(root_) / "dev");
        std::ofstream(fs::path(root_) / "dev" / name);
    }

    void AddStableName(const std::string& link, const std::string& name)
    {
        fs::create_directories(fs::path(root_) / "dev/serial/by-id");
        fs::create_symlink("../../" + name, fs::path(root_) / "dev/serial/by-id" / link);
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

class ComPortInfoTest : public ComPortListTest {
protected:
    ComPortInfoTest()
    {
        serial::SetComPortListRoots(root_ + "/class/tty", root_ + "/dev");
        AddUsbTty("ttyUSB0", "ftdi_sio", true,
            {{"manufacturer", "FTDI"}, {"product", "FT232R USB UART"}, {"serial", "A50285BI"},
                {"idVendor", "0403"}, {"idProduct", "6001"}});
        AddStableName("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");
        // A CDC modem without a serial number, whose product repeats the maker.
        AddUsbTty("ttyACM0", "cdc_acm", false,
            {{"manufacturer", "Arduino"}, {"product", "Arduino Uno"}, {"idVendor", "2341"}, {"idProduct", "0043"}});
        // An adapter that names nothing but its ids.
        AddUsbTty("ttyUSB1", "pl2303", true, {{"idVendor", "067b"}, {"idProduct", "2303"}});
        AddTty("ttyS0", "serial8250", "4");
        AddTty("ttyS1", "serial8250", "0");
    }

    std::string Dev(const std::string& name) const { return root_ + "/dev/" + name; }
};

TEST_F(ComPortInfoTest, describesUsbAdaptersAndBuiltInPortsInListOrder)
{
    struct Expected {
        std::string path, description, stableName, manufacturer, product, serial, vendor, productId;
    };
    const std::vector<Expected> expected = {
        {Dev("ttyACM0"), "Arduino Uno", "", "Arduino", "Arduino Uno", "", "2341", "0043"},
        {Dev("ttyS0"), "built-in serial port", "", "", "", "", "", ""},
        {Dev("ttyUSB0"), "FTDI FT232R USB UART", Dev("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"),
            "FTDI", "FT232R USB UART", "A50285BI", "0403", "6001"},
        {Dev("ttyUSB1"), "USB serial adapter 067b:2303", "", "", "", "", "067b", "2303"},
    };
    const std::vector<ComPortInfo> ports = DescribeComPorts();
    ASSERT_EQ(ports.size(), expected.size());
    std::vector<std::string> listed;
    EnumComPorts(listed);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(expected[i].path);
        EXPECT_EQ(ports[i].Path, listed[i]);
        EXPECT_EQ(ports[i].Path, expected[i].path);
        EXPECT_EQ(ports[i].Description, expected[i].description);
        EXPECT_EQ(ports[i].StableName, expected[i].stableName);
        EXPECT_EQ(ports[i].Manufacturer, expected[i].manufacturer);
        EXPECT_EQ(ports[i].Product, expected[i].product);
        EXPECT_EQ(ports[i].SerialNumber, expected[i].serial);
        EXPECT_EQ(ports[i].VendorId, expected[i].vendor);
        EXPECT_EQ(ports[i].ProductId, expected[i].productId);
        EXPECT_TRUE(ports[i].Present);
    }
}

TEST_F(ComPortInfoTest, currentPortStaysInTheListPresentOrNot)
{
    const std::string byId = Dev("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    struct Case {
        std::string current;
        std::size_t size;
        bool present;
        std::string description;
    };
    const Case cases[] = {
        {Dev("ttyUSB0"), 4, true, "Arduino Uno"},        // listed: nothing added, first entry unchanged
        {"", 4, true, "Arduino Uno"},                    // no port chosen yet
        {byId, 5, true, "FTDI FT232R USB UART"},         // another name for a listed adapter
        {Dev("ttyUSB7"), 5, false, ""},                  // unplugged since it was chosen
        {Dev("serial/by-id/usb-gone-if00-port0"), 5, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        std::vector<ComPortInfo> ports = DescribeComPorts();
        AddCurrentComPort(ports, c.current);
        ASSERT_EQ(ports.size(), c.size);
        EXPECT_EQ(ports.front().Present, c.present);
        EXPECT_EQ(ports.front().Description, c.description);
        if (c.size == 5) {
            EXPECT_EQ(ports.front().Path, c.current) << "the stored name is kept as written";
        }
    }
}

TEST_F(ComPortInfoTest, vanishedAdapterLeavesTheListAndItsStableNameDangles)
{
    const std::string current = Dev("ttyUSB0");
    fs::remove_all(fs::path(root_) / "class/tty/ttyUSB0");
    fs::remove(current);

    std::vector<ComPortInfo> ports = DescribeComPorts();
    EXPECT_EQ(ports.size(), 3u);
    AddCurrentComPort(ports, current);
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports.front().Path, current);
    EXPECT_FALSE(ports.front().Present);
}

TEST_F(ComPortInfoTest, unreadableListIsARegistryErrorToo)
{
    serial::SetComPortListRoots(root_ + "/missing", root_ + "/dev");
    try {
        DescribeComPorts();
        ADD_FAILURE() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 23);
    }
}

} // namespace
