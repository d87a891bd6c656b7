#include "serial/packetframer.h"

#include <algorithm>
#include <cctype>

namespace serial {

namespace {

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

PacketFramer::PacketFramer()
{
    link_.OnRxBuf = [this](SerialPort&, const char* buffer, int count) {
        AddData(std::string(buffer, static_cast<std::size_t>(std::max(count, 0))));
    };
    link_.OnDetach = [this] { port_ = nullptr; };
}

PacketFramer::~PacketFramer()
{
    if (port_) {
        try {
            port_->UnRegisterLink(&link_);
        } catch (const PortError&) {
            // Not registered any more: nothing to undo.
        }
    }
}

void PacketFramer::SetComPort(SerialPort* port)
{
    if (port_)
        port_->UnRegisterLink(&link_);
    port_ = nullptr;
    if (port) {
        port->RegisterLink(&link_);
        port_ = port;
    }
}

void PacketFramer::AddData(const std::string& text)
{
    if (!CanEndPackets()) {
        DoPacket(text);
        return;
    }
    buffer_ += text;
    HandleBuffer();
}

void PacketFramer::DoPacket(const std::string& text)
{
    if (OnPacket)
        OnPacket(text);
}

void PacketFramer::DoDiscard(const std::string& text)
{
    if (OnDiscard)
        OnDiscard(text);
}

void PacketFramer::EmptyBuffer()
{
    std::string discarded;
    discarded.swap(buffer_);
    inPacket_ = false;
    if (!discarded.empty())
        DoDiscard(discarded);
}

void PacketFramer::SetStartString(const std::string& value)
{
    if (value != startString_) {
        startString_ = value;
        EmptyBuffer();
    }
}

void PacketFramer::SetStopString(const std::string& value)
{
    if (value != stopString_) {
        stopString_ = value;
        EmptyBuffer();
    }
}

void PacketFramer::SetSize(int value)
{
    if (value != size_) {
        size_ = value;
        EmptyBuffer();
    }
}

void PacketFramer::SetCaseInsensitive(bool value)
{
    if (value != caseInsensitive_) {
        caseInsensitive_ = value;
        EmptyBuffer();
    }
}

bool PacketFramer::CanEndPackets() const
{
    return size_ > 0 || !stopString_.empty() || OnCustomStop;
}

void PacketFramer::HandleBuffer()
{
    try {
        for (;;) {
            if (!inPacket_)
                LookForStart();
            // Go on with what is left after a packet. Nothing left ends it
            // here: a hook that ends packets on an empty buffer would
            // otherwise deliver empty packets for ever.
            if (!inPacket_ || !LookForEnd() || buffer_.empty())
                break;
        }
    } catch (...) {
        EmptyBufferAtLimit();
        throw;
    }
    EmptyBufferAtLimit();
}

void PacketFramer::EmptyBufferAtLimit()
{
    if (maxBufferSize_ > 0 && buffer_.size() >= static_cast<std::size_t>(maxBufferSize_))
        EmptyBuffer();
}

void PacketFramer::LookForStart()
{
    int pos = -1;
    if (OnCustomStart) {
        const std::string snapshot = buffer_;
        OnCustomStart(snapshot, pos);
    }
    if (pos == -1) {
        if (startString_.empty()) {
            inPacket_ = true;
            return;
        }
        const std::size_t found = Find(buffer_, startString_);
        if (found == 0)
            return;
        pos = static_cast<int>(found);
    }
    if (pos <= 0)
        return;
    inPacket_ = true;
    if (pos > 1) {
        const std::size_t cut = std::min(static_cast<std::size_t>(pos - 1), buffer_.size());
        const std::string discarded = buffer_.substr(0, cut);
        buffer_.erase(0, cut);
        DoDiscard(discarded);
    }
}

bool PacketFramer::LookForEnd()
{
    int pos = -1;
    if (OnCustomStop) {
        const std::string snapshot = buffer_;
        OnCustomStop(snapshot, pos);
    }
    std::size_t length = 0;
    if (pos > 0) {
        length = static_cast<std::size_t>(pos);
    } else if (pos != -1) {
        return false;
    } else if (size_ > 0 && buffer_.size() >= static_cast<std::size_t>(size_)) {
        length = static_cast<std::size_t>(size_);
    } else {
        // The stop text is looked for behind the start text, so that equal
        // start and stop texts do not end the packet where it begins.
        const std::size_t skip = startString_.size();
        const std::size_t found = skip < buffer_.size() ? Find(buffer_, stopString_, skip) : 0;
        if (found == 0)
            return false;
        length = found + stopString_.size() - 1;
    }
    inPacket_ = false;
    length = std::min(length, buffer_.size());
    std::string packet = buffer_.substr(0, length);
    buffer_.erase(0, length);
    DoPacket(includeStrings_ ? packet : WithoutStrings(std::move(packet)));
    return true;
}

std::string PacketFramer::WithoutStrings(std::string packet) const
{
    if (Find(packet, startString_) == 1)
        packet.erase(0, startString_.size());
    const std::size_t stop = Find(packet, stopString_);
    if (stop != 0 && stop == packet.size() - stopString_.size() + 1)
        packet.erase(packet.size() - stopString_.size());
    return packet;
}

std::size_t PacketFramer::Find(const std::string& text, const std::string& pattern, std::size_t from) const
{
    if (pattern.empty() || from > text.size())
        return 0;
    const std::size_t at = caseInsensitive_ ? UpperCase(text).find(UpperCase(pattern), from) : text.find(pattern, from);
    return at == std::string::npos ? 0 : at + 1;
}

} // namespace serial
