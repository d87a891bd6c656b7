#pragma once
// What Windows' Plug and Play manager says about a serial port (SetupAPI's
// device properties), turned into the port list's description: portable
// text handling, so that every build tests it; serial/comportinfo_win32.cpp
// reads the properties.
//
// Thread safety: pure functions.

#include "serial/comportinfo.h"

#include <string>

namespace serial {

struct PnpPortProperties {
    // SPDRP_FRIENDLYNAME: "USB Serial Port (COM3)".
    std::string FriendlyName;
    // SPDRP_MFG: "FTDI"; Windows' own drivers say "(Standard port types)".
    std::string Maker;
    // The first of SPDRP_HARDWAREID: "USB\VID_0403&PID_6001&REV_0600".
    std::string HardwareId;
    // The device instance id: "USB\VID_2341&PID_0043\75735353038351B0".
    std::string InstanceId;
};

// Fills the port's description ("USB Serial Port (FTDI)"), maker, product,
// USB vendor and product ids (four lower-case hex digits, as Linux gives
// them) and serial number from the properties; what they do not tell stays
// as it was. The port's name is dropped from the friendly name: the list
// shows it already.
void DescribePnpPort(ComPortInfo& port, const PnpPortProperties& properties);

} // namespace serial
