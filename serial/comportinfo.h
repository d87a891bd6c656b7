#pragma once
// What each serial port is, for people choosing one: the maker and product
// of a USB adapter with its stable /dev/serial/by-id name, or "built-in
// serial port" for a UART of the machine itself. The list is the one
// EnumComPorts gives (same roots, same order, same failure), described; on
// Linux it goes on with every port an operator can mean besides: each
// /dev/serial/by-id name of a listed port, described as that port, and the
// ports of running virtual devices (virtualports.h). On Windows the Plug
// and Play manager describes the ports it knows ("USB Serial Port (FTDI)",
// serial/pnpport.h); the others keep their COM name alone.
//
// Thread safety: any thread (the roots are read under the list's lock).

#include <string>
#include <vector>

namespace serial {

struct ComPortInfo {
    // The path as listed, stored and opened, such as /dev/ttyUSB0.
    std::string Path;
    // One line for a person: "FTDI FT232R USB UART", "built-in serial port",
    // ...; empty for a port nothing is known about.
    std::string Description;
    // The name under /dev/serial/by-id that follows this adapter from socket
    // to socket; empty when there is none.
    std::string StableName;
    // A USB adapter's own attributes, each empty when it does not give one.
    std::string Manufacturer, Product, SerialNumber, VendorId, ProductId;
    // False for a remembered port that is not on the machine now.
    bool Present = true;
};

// The descriptions the list words itself (the others are the devices' own
// or the system's); the setup dialog shows them in the operator's language.
inline constexpr char BuiltInPortDescription[] = "built-in serial port";
// Followed by " vendor:product", for an adapter that names neither its maker
// nor its product.
inline constexpr char UnnamedUsbAdapterDescription[] = "USB serial adapter";

// The ports EnumComPorts lists, described, sorted by path; then the by-id
// names and the virtual devices' ports, each sorted by path. PortError with
// ComError::RegError ("Registry error") when the list cannot be read.
std::vector<ComPortInfo> DescribeComPorts();

// Puts the port a setting names (currentPort, as stored) in front of the
// list when no entry has exactly that path, so that it stays selectable: a
// name for one of the listed devices (a by-id link, "COM1", "ttyUSB0")
// comes with that device's description; a device that does not exist now
// comes with Present false. Nothing is added for an empty name.
void AddCurrentComPort(std::vector<ComPortInfo>& ports, const std::string& currentPort);

} // namespace serial
