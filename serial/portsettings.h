#pragma once
// The serial port settings as one record: what start-up reads from the
// settings file, the device worker opens its port with, and the port
// configuration stores.

#include "serial/comenums.h"

#include <cstdint>
#include <string>

namespace serial {

struct PortSettings {
    std::uint32_t BaudRate = 2400; // bits per second, standard or custom
    std::string Port = "COM1";
    DataBitsChoice DataBits = dbEight;
    StopBitsChoice StopBits = sbOneStopBit;
    ParityChoice Parity = prNone;
    FlowControlChoice FlowControl = fcNone;
};

} // namespace serial
