#pragma once
// The engine's matching-mode table, run against a scripted device on a
// pseudo-terminal (engine_test.cpp) and under Wine against a line that
// sends every byte back (engine_wine_test.cpp): each case is the answer's
// chunks and the reply the mode cuts from them.

#include "engine/matchrule.h"
#include "tests/engine/engineonline.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace enginetest {

inline engine::MatchRule MatchAts(const std::string& match)
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsMatch;
    ats.MatchText = match;
    return ats;
}

struct ModeCase {
    const char* name;
    engine::MatchRule ats;
    std::vector<Chunk> answer;
    std::string reply;
};

// Keeps the test names ctest shows short.
inline void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

inline engine::MatchRule CountAts(int count, const std::string& text)
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsCount;
    ats.Count = count;
    ats.CountText = text;
    return ats;
}

inline engine::MatchRule DelimitedAts(const std::string& start, const std::string& end)
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsDelimited;
    ats.StartText = start;
    ats.EndText = end;
    return ats;
}

inline std::vector<ModeCase> EngineModeCases()
{
    return {
        // Whole answer in one chunk: the reply starts at the first occurrence.
        ModeCase{"countInOneChunk", CountAts(2, "OK"), {{0ms, "xxOKyyOKzz"}}, "OKyyOK"},
        // Fewer occurrences in the first chunk: it starts at the first byte.
        ModeCase{"countAcrossChunks", CountAts(2, "OK"), {{0ms, "xxOKyy"}, {80ms, "OKzz"}}, "xxOKyyOK"},
        ModeCase{"delimitedEndingInEndText", DelimitedAts("<", ">"), {{0ms, "ab<cd>"}}, "<cd>"},
        // One byte after the end text, in the same buffer, ends the reply.
        ModeCase{"delimitedWithTrailingByte", DelimitedAts("<", ">"), {{0ms, "ab<cd>ef"}}, "<cd>e"},
        ModeCase{"matchWithZeroBytes", MatchAts(std::string("\0\x81", 2)), {{0ms, std::string("\0\0\x81", 3)}},
            std::string("\0\0\x81", 3)},
    };
}

// Every mode ends a command at the error text: the answer kErrorAnswer
// gives the error reply "ERR" with ErrorTextAts of each mode.
inline constexpr std::array<int, 5> kAllModes = {
    engine::AtsCount, engine::AtsCollect, engine::AtsMatch, engine::AtsDelimited, engine::AtsIdle};
inline const std::string kErrorAnswer = "<xERRy";

inline engine::MatchRule ErrorTextAts(int mode)
{
    engine::MatchRule ats;
    ats.Mode = static_cast<std::uint8_t>(mode);
    ats.Count = 1;
    ats.CountText = ats.MatchText = ats.EndText = "OK";
    ats.StartText = "<";
    ats.QuietTime = 200;
    ats.ErrorText = "ERR";
    return ats;
}

} // namespace enginetest
