#pragma once
// Why a port that exists could not be opened by this user, and what fixes
// it, in one short line for the operator.
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

} // namespace serial
