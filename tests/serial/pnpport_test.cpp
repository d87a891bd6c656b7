#include "serial/pnpport.h"

#include <gtest/gtest.h>

namespace {

struct PnpCase {
    const char* name;
    serial::PnpPortProperties properties;
    // Expected: description, manufacturer, product, vendor id, product id, serial number.
    std::string description, manufacturer, product, vendorId, productId, serialNumber;
};

// clang-format off
const PnpCase kCases[] = {
    { "ftdiAdapterNamesMakerOnceAndItsIds",
        { "USB Serial Port (COM3)", "FTDI", "FTDIBUS\\COMPORT&VID_0403&PID_6001", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000" },
        "USB Serial Port (FTDI)", "FTDI", "USB Serial Port", "0403", "6001", "" },
    { "usbDeviceSerialNumberFromInstanceIdAndHexInLowerCase",
        { "Arduino Uno (COM3)", "Arduino LLC (www.arduino.cc)", "USB\\VID_2341&PID_0043&REV_0001",
            "USB\\VID_2341&PID_0043\\75735353038351B0" },
        "Arduino Uno (Arduino LLC (www.arduino.cc))", "Arduino LLC (www.arduino.cc)", "Arduino Uno", "2341", "0043",
        "75735353038351B0" },
    { "madeUpInstanceIdIsNoSerialNumber",
        { "USB-SERIAL CH340 (COM3)", "wch.cn", "USB\\VID_1A86&PID_7523&REV_0254", "USB\\VID_1A86&PID_7523\\5&2B1A8E5&0&3" },
        "USB-SERIAL CH340 (wch.cn)", "wch.cn", "USB-SERIAL CH340", "1a86", "7523", "" },
    { "windowsPlaceholderMakerIsLeftOut",
        { "Communications Port (COM3)", "(Standard port types)", "ACPI\\PNP0501", "ACPI\\PNP0501\\1" },
        "Communications Port", "", "Communications Port", "", "", "" },
    { "makerInProductNameSaidOnce",
        { "Prolific USB-to-Serial Comm Port (COM3)", "Prolific", "USB\\VID_067B&PID_2303&REV_0300", "USB\\VID_067B&PID_2303\\6&1&2" },
        "Prolific USB-to-Serial Comm Port", "Prolific", "Prolific USB-to-Serial Comm Port", "067b", "2303", "" },
    { "portNameSuffixMatchedWhateverItsCase",
        { "Virtual Port (com3)", "", "", "" }, "Virtual Port", "", "Virtual Port", "", "", "" },
    { "otherPortsNameStaysInFriendlyName",
        { "Bluetooth Link (COM12)", "Microsoft", "BTHENUM\\{00001101-0000-1000-8000-00805f9b34fb}_LOCALMFG&0000", "" },
        "Bluetooth Link (COM12) (Microsoft)", "Microsoft", "Bluetooth Link (COM12)", "", "", "" },
    { "makerAloneWithoutFriendlyName", { "", "Acme", "", "" }, "Acme", "Acme", "", "", "", "" },
    { "idTagWithoutFourHexDigitsIsNoId",
        { "", "", "USB\\VID_12&PID_XYZ1", "USB\\" }, "", "", "", "", "", "" },
};
// clang-format on

TEST(PnpPort, describesFromPlugAndPlayProperties)
{
    for (const PnpCase& c : kCases) {
        SCOPED_TRACE(c.name);
        serial::ComPortInfo port;
        port.Path = "COM3";
        serial::DescribePnpPort(port, c.properties);
        EXPECT_EQ(port.Description, c.description);
        EXPECT_EQ(port.Manufacturer, c.manufacturer);
        EXPECT_EQ(port.Product, c.product);
        EXPECT_EQ(port.VendorId, c.vendorId);
        EXPECT_EQ(port.ProductId, c.productId);
        EXPECT_EQ(port.SerialNumber, c.serialNumber);
        EXPECT_EQ(port.Path, "COM3");
        EXPECT_TRUE(port.Present);
    }
}

} // namespace
