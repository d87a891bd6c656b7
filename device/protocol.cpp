#include "device/protocol.h"

#include <algorithm>

namespace device::protocol {

engine::MatchRule AnswerContaining(char answer)
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsMatch;
    ats.MatchText = std::string(1, answer);
    return ats;
}

engine::MatchRule DumpAts()
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsCollect;
    ats.QuietTime = DumpQuietTime;
    return ats;
}

std::optional<std::string> FrameReader::Next()
{
    if (exhausted_)
        return std::nullopt;
    const size_t got = image_.copy(buffer_, FrameSize);
    image_.remove_prefix(got);
    if (got < FrameSize)
        exhausted_ = true;
    if (got == 0)
        return std::nullopt;
    return std::string(buffer_, FrameSize);
}

namespace {

bool IsNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+';
}

} // namespace

Dump DecodeDump(const std::string& reply)
{
    Dump dump;
    const long length = static_cast<long>(reply.size());
    for (long p = 0; p < length - 4 && dump.numbers.size() < SlotCount; p += SlotSize) {
        const long end = std::min(p + SlotSize, length);
        long q = p;
        while (q < end && IsNumberChar(reply[static_cast<size_t>(q)]))
            ++q;
        dump.numbers.push_back(reply.substr(static_cast<size_t>(p), static_cast<size_t>(q - p)));
    }
    if (length >= 5) {
        const auto low = static_cast<unsigned char>(reply[static_cast<size_t>(length - 5)]);
        const auto high = static_cast<unsigned char>(reply[static_cast<size_t>(length - 4)]);
        dump.relayTimeout = static_cast<std::uint16_t>(low | (high << 8));
        dump.externalOff = reply[static_cast<size_t>(length - 3)] == 1;
    }
    return dump;
}

} // namespace device::protocol
