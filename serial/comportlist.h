#pragma once
// The list of the serial ports the system knows.
//
// On Linux it comes from sysfs: every entry of /sys/class/tty whose device
// has a driver bound to it, except serial-core ports whose UART type is
// unknown (0): the legacy ttyS placeholders that have no hardware behind
// them. Names are listed as device paths (/dev/ttyUSB0), which is what the
// port opens, and sorted as texts.
//
// On Windows it is the data of the values under the registry key
// HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM ("COM3"), sorted as
// texts; the registry's error number goes with ComError::RegError.
//
// Thread safety: any thread; SetComPortListRoots belongs to start-up (and
// to tests) but is guarded all the same.

#include <string>
#include <vector>

namespace serial {

// Replaces the list's contents with the port names. PortError with ComError::RegError when
// the list cannot be read; the list is then left as it was.
void EnumComPorts(std::vector<std::string>& list);

// Linux only: where the list comes from (default /sys/class/tty) and the
// folder the listed names live in (default /dev).
void SetComPortListRoots(const std::string& ttyClassDir, const std::string& deviceDir);

} // namespace serial
