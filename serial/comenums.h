#pragma once
// The serial line settings of the port component, one byte each, in their
// fixed order. Header-only and free of any toolkit, so the settings file and
// the port settings record can use them without the port itself. They are
// plain values: any thread may hold and copy them.

#include <cstdint>

enum TBaudRate : std::uint8_t {
    brCustom, br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200,
    br38400, br56000, br57600, br115200, br128000, br256000
};

enum TDataBits : std::uint8_t { dbFive, dbSix, dbSeven, dbEight };

enum TStopBits : std::uint8_t { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };

enum TParityBits : std::uint8_t { prNone, prOdd, prEven, prMark, prSpace };

enum TFlowControl : std::uint8_t { fcHardware, fcSoftware, fcNone, fcCustom };
