#pragma once
// Test support: the line settings of a serial line as a pseudo-terminal
// keeps them (ReadLineState in ptypair.h reads them on Linux).

#include <cstdint>

namespace serialtest {

// What a pseudo-terminal keeps of the line settings: it forces 8 data bits
// and clears PARENB, so those two are checked on the record the backend
// builds (linetermios_test.cpp).
struct LineState {
    std::uint32_t speed = 0;
    bool customSpeed = false; // given as BOTHER
    bool parityOdd = false;
    bool parityStick = false; // CMSPAR: mark or space
    bool parityCheck = false;
    bool twoStopBits = false;
    bool rtsCts = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool raw = false; // no echo, no line editing, no output processing, CLOCAL|CREAD
    std::uint8_t xonChar = 0;
    std::uint8_t xoffChar = 0;
};

} // namespace serialtest
