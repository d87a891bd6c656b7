#pragma once
// How the engine recognises the answer to one command.

#include <cstdint>
#include <string>

namespace engine {

// How a command ended: its reply, an error reply, or no reply (in time, or
// at all: a command the line closed under, or one withdrawn unwritten).
// The values are the outcome codes handlers have always been given.
enum class Outcome : std::uint8_t {
    Reply = 1,
    ErrorReply = 2,
    Timeout = 3,
};

// Matching modes.
enum : std::uint8_t {
    AtsCount = 0,     // CountText occurring Count times completes the answer
    AtsCollect = 1,   // collect from StartText (or the first byte) until QuietTime of silence
    AtsMatch = 2,     // the answer is complete once the received text contains MatchText
    AtsDelimited = 3, // from StartText to EndText (plus one byte when one follows)
    AtsIdle = 4,      // nothing is an answer
};

struct MatchRule {
    std::uint8_t Mode = 0;
    std::int32_t Count = 0;
    std::string MatchText;
    std::string CountText;
    std::string StartText;
    std::string EndText;
    std::string ErrorText;
    std::int32_t Unused = 0; // carried in the record, never read by the engine
    std::int32_t QuietTime = 0;
};

} // namespace engine
