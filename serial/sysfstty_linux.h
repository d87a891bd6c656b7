#pragma once
// The serial ttys sysfs lists, shared by the port list and the port
// descriptions so both see the same ports.

#include <string>
#include <vector>

namespace serial {

struct SerialTty {
    std::string SysfsEntry; // the tty's folder under the class folder
    std::string DevicePath; // the device node the port opens
};

struct SerialTtys {
    std::string DeviceDir;       // the folder the device nodes live in
    std::vector<SerialTty> Ttys; // sorted by DevicePath
};

// PortError with ComError::RegError when the class folder cannot be read.
SerialTtys ListSerialTtys();

// The class folder the list reads (SetComPortListRoots).
std::string TtyClassDir();

} // namespace serial
