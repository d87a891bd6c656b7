#pragma once
// The registry reading behind AdapterLatencyTimerMs on Windows, apart so
// that tests give it keys of their own.
//
// Thread safety: any thread.

#include <windows.h>

#include <optional>

namespace serial {

// The LatencyTimer value (a DWORD, in milliseconds) that FTDI's driver keeps
// in a port's "Device Parameters" key; none when the key has no such DWORD.
std::optional<unsigned> LatencyTimerOf(HKEY deviceParameters);

} // namespace serial
