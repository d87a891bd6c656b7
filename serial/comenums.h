#pragma once
// The serial line settings as one-byte enumerations. The order is part of
// the contract: ordinals are stored and compared, and the text forms
// (serial/comconvert.h) follow the same order.
//
// Thread safety: plain values, usable on any thread.

#include <cstdint>

namespace serial {

enum BaudRateChoice : std::uint8_t {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};

enum DataBitsChoice : std::uint8_t { dbFive, dbSix, dbSeven, dbEight };

enum StopBitsChoice : std::uint8_t { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };

enum ParityChoice : std::uint8_t { prNone, prOdd, prEven, prMark, prSpace };

enum FlowControlChoice : std::uint8_t { fcHardware, fcSoftware, fcNone, fcCustom };

} // namespace serial
