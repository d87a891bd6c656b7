#pragma once
// PacketFramer: the packet framer. It keeps the received bytes in a buffer,
// decides where packets begin and end (start text, stop text, fixed size, or
// the owner's own decisions through OnCustomStart/OnCustomStop), and hands
// out packets (OnPacket) and the bytes it throws away (OnDiscard).
//
// Positions given to and taken from the custom hooks are 1-based. A hook
// receives the whole buffer and a position that arrives as -1: leaving it at
// -1 lets the framer apply its own rule, a value above 0 is the position of
// the start (or the length of the packet), anything else means "not yet".
//
// Thread safety: none of its own. Everything, the handlers included, runs on
// the window thread, where the port delivers received bytes; the owner must
// not touch the framer from another thread.

#include "serial/serialport.h"

#include <functional>
#include <string>

namespace serial {

class PacketFramer {
public:
    using TextHandler = std::function<void(const std::string& text)>;
    using BoundaryHandler = std::function<void(const std::string& buffer, int& pos)>;

    PacketFramer();
    PacketFramer(const PacketFramer&) = delete;
    PacketFramer& operator=(const PacketFramer&) = delete;
    // Detaches from the port.
    ~PacketFramer();

    // Moves the framer's listener from the current port (if any) to this one
    // (nullptr: to none). PortError with ComError::RegFailed from the port's registration.
    void SetComPort(SerialPort* port);
    SerialPort* ComPort() const { return port_; }

    // Feeds bytes as if they had been received.
    void AddData(const std::string& text);
    // Call OnPacket / OnDiscard with the text when assigned.
    void DoPacket(const std::string& text);
    void DoDiscard(const std::string& text);
    // Hands a non-empty buffer to OnDiscard; empties it and leaves the
    // packet, also when the handler raises.
    void EmptyBuffer();

    // The bytes not yet delivered or thrown away. Replacing them leaves the
    // in-packet state as it is.
    const std::string& Buffer() const { return buffer_; }
    void SetBuffer(std::string bytes) { buffer_ = std::move(bytes); }
    // A packet has started and its end is awaited.
    bool InPacket() const { return inPacket_; }

    // Changing one of these four empties the buffer.
    const std::string& StartString() const { return startString_; }
    void SetStartString(const std::string& value);
    const std::string& StopString() const { return stopString_; }
    void SetStopString(const std::string& value);
    // Fixed packet length; 0 = not used.
    int Size() const { return size_; }
    void SetSize(int value);
    bool CaseInsensitive() const { return caseInsensitive_; }
    void SetCaseInsensitive(bool value);
    // Buffer length at which the buffer is thrown away; 0 or less = no limit.
    int MaxBufferSize() const { return maxBufferSize_; }
    void SetMaxBufferSize(int value) { maxBufferSize_ = value; }
    // Keep the start and stop texts inside delivered packets.
    bool IncludeStrings() const { return includeStrings_; }
    void SetIncludeStrings(bool value) { includeStrings_ = value; }

    TextHandler OnPacket;
    TextHandler OnDiscard;
    BoundaryHandler OnCustomStart;
    BoundaryHandler OnCustomStop;

private:
    bool CanEndPackets() const;
    void HandleBuffer();
    void LookForStart();
    // True when a packet ended and was delivered.
    bool LookForEnd();
    std::string WithoutStrings(std::string packet) const;
    // 1-based position of the first occurrence of pattern in text at or
    // after index from (0-based), by the case rule; 0 when absent or empty.
    std::size_t Find(const std::string& text, const std::string& pattern, std::size_t from = 0) const;
    void EmptyBufferAtLimit();

    PortLink link_;
    SerialPort* port_ = nullptr;
    std::string buffer_;
    bool inPacket_ = false;
    std::string startString_;
    std::string stopString_;
    int size_ = 0;
    int maxBufferSize_ = 1024;
    bool includeStrings_ = false;
    bool caseInsensitive_ = false;
};

} // namespace serial
