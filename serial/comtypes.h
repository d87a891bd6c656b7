#pragma once
// The port's remaining enumerations: handshake modes of the DTR and RTS
// lines, and the line events the event thread can report; the handshake.
//
// Thread safety: plain values, usable on any thread.

#include <cstdint>
#include <initializer_list>

namespace serial {

enum DtrControl : std::uint8_t { dtrDisable, dtrEnable, dtrHandshake };

enum RtsControl : std::uint8_t { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };

// The handshake of a line, as the flow control settings hold it and as the
// driver is told it, with the defaults of both.
struct Handshake {
    bool outCtsFlow = false;
    bool outDsrFlow = false;
    DtrControl dtrControl = dtrDisable;
    RtsControl rtsControl = rtsDisable;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    std::uint8_t xonChar = 17;
    std::uint8_t xoffChar = 19;

    bool operator==(const Handshake&) const = default;
};

enum PortEvent : std::uint8_t {
    evRxChar,
    evTxEmpty,
    evRxFlag,
    evRing,
    evBreak,
    evCTS,
    evDSR,
    evError,
    evRLSD,
    evRx80Full
};

// A set of PortEvent values.
class PortEvents {
public:
    constexpr PortEvents() = default;
    constexpr PortEvents(std::initializer_list<PortEvent> events)
    {
        for (PortEvent e : events)
            bits_ |= Bit(e);
    }
    static constexpr PortEvents All()
    {
        return {evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full};
    }

    constexpr bool Contains(PortEvent e) const { return (bits_ & Bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const PortEvents&) const = default;

private:
    static constexpr std::uint16_t Bit(PortEvent e) { return static_cast<std::uint16_t>(1u << e); }
    std::uint16_t bits_ = 0;
};

} // namespace serial
