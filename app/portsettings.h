#pragma once
// The serial port settings as one record: what start-up reads from the
// settings file, the device worker opens its port with, and the port
// configuration stores.

#include "serial/comenums.h"

#include <cstdint>
#include <string>

struct TPortSettings {
    std::uint32_t BaudRate = 2400; // bits per second, standard or custom
    std::string Port = "COM1";
    TDataBits DataBits = dbEight;
    TStopBits StopBits = sbOneStopBit;
    TParityBits Parity = prNone;
    TFlowControl FlowControl = fcNone;
};
