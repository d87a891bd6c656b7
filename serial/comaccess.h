#pragma once
// Why a port could not be opened, in one short line for the operator below
// the message of the step that failed: the port and the system's reason,
// and for a user who was refused, what fixes it.
//
// Thread safety: any thread.

#include <string>

namespace serial {

// For an open of portName that failed with osError: when the user was
// refused, the reason and the fix. Linux (EACCES, EPERM): the group that
// may use the device (the device's own group, else "dialout", the one
// Debian gives serial ports). Windows (access denied, sharing violation):
// another program holds the port. Empty for every other failure.
std::string AccessAdvice(const std::string& portName, int osError);

// "port: reason" for an open of portName that failed with osError, such as
// "/dev/ttyUSB0: No such file or directory" (Linux names the device path
// it opened) or "COM3: The system cannot find the file specified" (Windows
// names the port). A refused user gets the AccessAdvice, which names the
// refusal, as the reason. osError 0 or below (no system error came with the
// failure): "port: reason unknown".
std::string OpenFailureDetail(const std::string& portName, int osError);

} // namespace serial
