// The port list and the port descriptions read from a fake sysfs tree.
#include "serial/comportinfo.h"
#include "serial/comportlist.h"

#include "serial/comerror.h"
#include "tests/support/fakesysfs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ComPortListTest : public ::testing::Test {
protected:
    FakeSysfs sysfs;
};

TEST_F(ComPortListTest, listsPortsWithHardwareSortedAsTexts)
{
    sysfs.AddTty("ttyS0", "serial8250", "0");
    sysfs.AddTty("ttyS1", "serial8250", "4");
    sysfs.AddTty("ttyS10", "port", "4");
    sysfs.AddTty("ttyS2", "port", "0");
    sysfs.AddTty("ttyUSB0", "ftdi_sio");
    sysfs.AddTty("ttyACM0", "cdc_acm");
    sysfs.AddTty("tty0", "");
    sysfs.AddTty("console", "");

    std::vector<std::string> list = {"stale entry"};
    serial::EnumComPorts(list);
    const std::string dev = sysfs.DevDir() + "/";
    EXPECT_EQ(list, (std::vector<std::string>{dev + "ttyACM0", dev + "ttyS1", dev + "ttyS10", dev + "ttyUSB0"}));
}

TEST_F(ComPortListTest, emptyTreeGivesAnEmptyList)
{
    fs::create_directories(sysfs.ClassDir());
    std::vector<std::string> list = {"stale entry"};
    serial::EnumComPorts(list);
    EXPECT_TRUE(list.empty());
}

TEST_F(ComPortListTest, unreadableListIsARegistryError)
{
    // Missing, and a file where the folder should be.
    std::ofstream(sysfs.Root() + "/file") << "x";
    for (const std::string& dir : {sysfs.ClassDir(), sysfs.Root() + "/file"}) {
        serial::SetComPortListRoots(dir, "/dev");
        std::vector<std::string> list = {"kept"};
        try {
            serial::EnumComPorts(list);
            ADD_FAILURE() << "no error for " << dir;
        } catch (const serial::PortError& e) {
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
        sysfs.AddUsbTty("ttyUSB0", "ftdi_sio", true,
            {{"manufacturer", "FTDI"}, {"product", "FT232R USB UART"}, {"serial", "A50285BI"}, {"idVendor", "0403"},
                {"idProduct", "6001"}});
        sysfs.AddStableName("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");
        // A CDC modem without a serial number, whose product repeats the maker.
        sysfs.AddUsbTty("ttyACM0", "cdc_acm", false,
            {{"manufacturer", "Arduino"}, {"product", "Arduino Uno"}, {"idVendor", "2341"}, {"idProduct", "0043"}});
        // An adapter that names nothing but its ids.
        sysfs.AddUsbTty("ttyUSB1", "pl2303", true, {{"idVendor", "067b"}, {"idProduct", "2303"}});
        sysfs.AddTty("ttyS0", "serial8250", "4");
        sysfs.AddTty("ttyS1", "serial8250", "0");
    }

    std::string Dev(const std::string& name) const { return sysfs.DevDir() + "/" + name; }
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
        // After the listed ports, each by-id name as its own entry.
        {Dev("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"), "FTDI FT232R USB UART",
            Dev("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"), "FTDI", "FT232R USB UART", "A50285BI",
            "0403", "6001"},
    };
    const std::vector<serial::ComPortInfo> ports = serial::DescribeComPorts();
    ASSERT_EQ(ports.size(), expected.size());
    std::vector<std::string> listed;
    serial::EnumComPorts(listed);
    ASSERT_EQ(listed.size(), 4u);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(expected[i].path);
        if (i < listed.size()) {
            EXPECT_EQ(ports[i].Path, listed[i]);
        }
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
        {Dev("ttyUSB0"), 5, true, "Arduino Uno"}, // listed: nothing added, first entry unchanged
        {"", 5, true, "Arduino Uno"},             // no port chosen yet
        {byId, 5, true, "Arduino Uno"},           // a by-id name is listed as well
        {Dev("ttyUSB7"), 6, false, ""},           // unplugged since it was chosen
        {Dev("serial/by-id/usb-gone-if00-port0"), 6, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        std::vector<serial::ComPortInfo> ports = serial::DescribeComPorts();
        serial::AddCurrentComPort(ports, c.current);
        ASSERT_EQ(ports.size(), c.size);
        EXPECT_EQ(ports.front().Present, c.present);
        EXPECT_EQ(ports.front().Description, c.description);
        if (c.size == 6) {
            EXPECT_EQ(ports.front().Path, c.current) << "the stored name is kept as written";
        }
    }
}

TEST_F(ComPortInfoTest, vanishedAdapterLeavesTheListAndItsStableNameDangles)
{
    const std::string current = Dev("ttyUSB0");
    fs::remove_all(sysfs.ClassDir() + "/ttyUSB0");
    fs::remove(current);

    std::vector<serial::ComPortInfo> ports = serial::DescribeComPorts();
    EXPECT_EQ(ports.size(), 3u);
    serial::AddCurrentComPort(ports, current);
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports.front().Path, current);
    EXPECT_FALSE(ports.front().Present);
}

TEST_F(ComPortInfoTest, unreadableListIsARegistryErrorToo)
{
    serial::SetComPortListRoots(sysfs.Root() + "/missing", sysfs.DevDir());
    try {
        serial::DescribeComPorts();
        ADD_FAILURE() << "no error";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 23);
    }
}

} // namespace
