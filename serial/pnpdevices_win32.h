#pragma once
// The COM ports that Windows' Plug and Play manager knows: the present
// devices of the Ports class, each with the COM name its driver took, for
// the port descriptions and the adapters' settings alike.
//
// Thread safety: any thread.

#include <windows.h>
#include <setupapi.h>

#include <functional>
#include <string>

namespace serial {

// Calls visit for every present device of the Ports class that is a COM
// port, with the name from its hardware key ("COM3"); a printer port of the
// class is left out. Nothing when the class cannot be listed.
void ForEachComPortDevice(
    const std::function<void(HDEVINFO devices, SP_DEVINFO_DATA& device, const std::string& portName)>& visit);

} // namespace serial
