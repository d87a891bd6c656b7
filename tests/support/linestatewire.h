#pragma once
// Test support: a LineState as text on a serial line, from the peer that
// reads a pseudo-terminal's settings on Linux (linepeer.cpp) to a test that
// runs under Wine and cannot read them itself: 16 hexadecimal digits for the
// speed (4 bytes, least significant first), two bytes of flags, XON and
// XOFF. Digits, because a line with XON/XOFF handshake swallows those
// characters.

#include "tests/support/linestate.h"

#include <string>

namespace serialtest {

inline constexpr std::size_t LineStateWireSize = 16;

inline std::string EncodeLineState(const LineState& s)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((s.speed >> shift) & 0xFF));
    const bool flags[9] = {s.customSpeed, s.parityOdd, s.parityStick, s.parityCheck, s.twoStopBits, s.rtsCts,
        s.xonXoffOut, s.xonXoffIn, s.raw};
    unsigned packed = 0;
    for (unsigned i = 0; i < 9; ++i)
        packed |= static_cast<unsigned>(flags[i]) << i;
    bytes.push_back(static_cast<char>(packed & 0xFF));
    bytes.push_back(static_cast<char>(packed >> 8));
    bytes.push_back(static_cast<char>(s.xonChar));
    bytes.push_back(static_cast<char>(s.xoffChar));
    std::string text;
    for (const char byte : bytes) {
        text.push_back("0123456789abcdef"[(byte >> 4) & 0xF]);
        text.push_back("0123456789abcdef"[byte & 0xF]);
    }
    return text;
}

inline LineState DecodeLineState(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
    LineState s;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes.at(i)); };
    s.speed = at(0) | at(1) << 8 | at(2) << 16 | static_cast<std::uint32_t>(at(3)) << 24;
    const unsigned packed = at(4) | at(5) << 8;
    s.customSpeed = packed & 1;
    s.parityOdd = packed & 2;
    s.parityStick = packed & 4;
    s.parityCheck = packed & 8;
    s.twoStopBits = packed & 16;
    s.rtsCts = packed & 32;
    s.xonXoffOut = packed & 64;
    s.xonXoffIn = packed & 128;
    s.raw = packed & 256;
    s.xonChar = at(6);
    s.xoffChar = at(7);
    return s;
}

} // namespace serialtest
