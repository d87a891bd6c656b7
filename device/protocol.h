#pragma once
// The byte protocol spoken with the relay device: its messages and how each
// answer is recognised, the cutting of the configuration image into 16-byte
// frames, and the decoding of the configuration dump.
//
// Thread safety: plain values and functions; FrameReader belongs to one thread.

#include "engine/matchrule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace device::protocol {

inline constexpr char Hello = 0x55;
inline constexpr char HelloAck = static_cast<char>(0xAA);
inline constexpr char WriteStart = 0x7E;
inline constexpr char Ack = static_cast<char>(0x81);
inline constexpr char ReadRequest = 0x77;

inline constexpr int FrameSize = 16;
inline constexpr int SlotSize = 15;
inline constexpr int SlotCount = 500;
inline constexpr int DumpQuietTime = 500;

// Matching for the single-byte answers (hello acknowledgement, frame and
// write-start acknowledgement): complete as soon as the byte has arrived.
engine::MatchRule AnswerContaining(char answer);
// Matching for the dump: everything from the first byte until the line has
// been quiet for DumpQuietTime.
engine::MatchRule DumpAts();

// Cuts an image into frames, read as from its file. One 16-byte buffer is reused and never
// cleared, so a last, short read leaves the previous frame's tail in place:
// the last frame of a 7507-byte image carries image bytes 7504-7506 followed
// by 7491-7503. A read that delivers nothing ends the frames without one
// more frame, so every frame carries at least one byte of the image.
class FrameReader {
public:
    // The image must outlive the reader.
    explicit FrameReader(std::string_view image)
        : image_(image)
    {
    }
    // The next frame, or nothing when the image is exhausted.
    std::optional<std::string> Next();

private:
    std::string_view image_;
    char buffer_[FrameSize] = {};
    bool exhausted_ = false;
};

// The device's configuration dump, read from both ends of the reply.
struct Dump {
    // The numbers of the slots the reply holds, slot k at index k.
    std::vector<std::string> numbers;
    // Absent when the reply is too short to hold them (under 5 bytes). The
    // time-out is the field's 16 bits as a number, 0 to 65535.
    std::optional<std::uint16_t> relayTimeout;
    std::optional<bool> externalOff;
};
Dump DecodeDump(const std::string& reply);

} // namespace device::protocol
