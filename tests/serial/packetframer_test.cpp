// The packet framer's rules, as one table of inputs and what comes out.
#include "serial/packetframer.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct Framed {
    std::vector<std::string> packets;
    std::vector<std::string> discards;
    std::string buffer;
    bool inPacket = false;
};

struct FramerCase {
    const char* name;
    std::function<void(serial::PacketFramer&)> setup;
    std::vector<std::string> chunks;
    Framed expected;
};

Framed Feed(const FramerCase& c)
{
    serial::PacketFramer framer;
    Framed out;
    framer.OnPacket = [&](const std::string& text) { out.packets.push_back(text); };
    framer.OnDiscard = [&](const std::string& text) { out.discards.push_back(text); };
    c.setup(framer);
    for (const std::string& chunk : c.chunks)
        framer.AddData(chunk);
    out.buffer = framer.Buffer();
    out.inPacket = framer.InPacket();
    return out;
}

class Framer : public ::testing::TestWithParam<FramerCase> {};

TEST_P(Framer, cutsPacketsByItsRules)
{
    const Framed got = Feed(GetParam());
    const Framed& want = GetParam().expected;
    EXPECT_EQ(got.packets, want.packets);
    EXPECT_EQ(got.discards, want.discards);
    EXPECT_EQ(got.buffer, want.buffer);
    EXPECT_EQ(got.inPacket, want.inPacket);
}

auto StartStop(std::string start, std::string stop, bool include = false)
{
    return [=](serial::PacketFramer& f) {
        f.SetStartString(start);
        f.SetStopString(stop);
        f.SetIncludeStrings(include);
    };
}

// A custom stop hook that answers a fixed position.
auto CustomStopAt(int position)
{
    return [=](serial::PacketFramer& f) { f.OnCustomStop = [=](const std::string&, int& pos) { pos = position; }; };
}

const std::string k1023(1023, 'a');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, Framer,
    ::testing::Values(
        FramerCase{"noStopCriterionDeliversChunksAsTheyCome", [](serial::PacketFramer&) {}, {"ab", "c\0d"s},
            {{"ab", "c\0d"s}, {}, "", false}},
        FramerCase{"startAndStopTexts", StartStop("X", "Y"), {"aaXbbYccXd"}, {{"bb"}, {"aa", "cc"}, "Xd", true}},
        FramerCase{"laterStopEndsTheOpenPacket", StartStop("X", "Y"), {"aaXbbYccXd", "Y"},
            {{"bb", "d"}, {"aa", "cc"}, "", false}},
        FramerCase{"includeStringsKeepsThem", StartStop("X", "Y", true), {"aaXbbYccXd"},
            {{"XbbY"}, {"aa", "cc"}, "Xd", true}},
        FramerCase{"fixedSize", [](serial::PacketFramer& f) { f.SetSize(4); }, {"abcdefghij"},
            {{"abcd", "efgh"}, {}, "ij", true}},
        FramerCase{"caseInsensitiveTexts",
            [](serial::PacketFramer& f) {
                f.SetCaseInsensitive(true);
                StartStop("ok", "Z")(f);
            },
            {"xxOKyyZ"}, {{"yy"}, {"xx"}, "", false}},
        FramerCase{"caseSensitiveByDefault", StartStop("ok", "Z"), {"xxOKyyZ"}, {{}, {}, "xxOKyyZ", false}},
        FramerCase{"startTextAloneHasNoEffect", [](serial::PacketFramer& f) { f.SetStartString("X"); }, {"aX", "b"},
            {{"aX", "b"}, {}, "", false}},
        FramerCase{"equalStartAndStopTexts", StartStop("X", "X"), {"XabX"}, {{"ab"}, {}, "", false}},
        FramerCase{"stopTextSplitAcrossChunks", StartStop("<", ">>"), {"<ab>", ">"}, {{"ab"}, {}, "", false}},
        FramerCase{"stopTextWithoutStartText", StartStop("", "YZ"), {"aYZb"}, {{"a"}, {}, "b", true}},
        FramerCase{"stopKeptWhenItsFirstOccurrenceIsNotAtTheEnd",
            [](serial::PacketFramer& f) {
                f.SetSize(3);
                f.SetStopString("Y");
            },
            {"YaYb"}, {{"YaY"}, {}, "b", true}},
        FramerCase{"customStopBeyondTheEndTakesAll", CustomStopAt(100), {"abc"}, {{"abc"}, {}, "", false}},
        FramerCase{"customStopZeroWaits", CustomStopAt(0), {"abc"}, {{}, {}, "abc", true}},
        FramerCase{"customStopCutsUntilNothingIsLeft", CustomStopAt(1), {"ab"}, {{"a", "b"}, {}, "", false}},
        FramerCase{"customStartCutsBeforeIt",
            [](serial::PacketFramer& f) {
                f.OnCustomStart = [](const std::string& b, int& pos) { pos = b.find('!') == std::string::npos
                                                                         ? 0 : static_cast<int>(b.find('!')) + 1; };
                f.SetStopString(";");
            },
            {"xy", "z!ab;c"}, {{"!ab"}, {"xyz"}, "c", false}},
        FramerCase{"customStartMinusOneUsesOwnRule",
            [](serial::PacketFramer& f) {
                f.OnCustomStart = [](const std::string&, int&) {};
                f.SetSize(2);
            },
            {"abc"}, {{"ab"}, {}, "c", true}},
        FramerCase{"stopNotFoundKeepsBufferBelowLimit", StartStop("", "Y"), {k1023}, {{}, {}, k1023, true}},
        FramerCase{"bufferAtLimitIsDiscardedInOneCall", StartStop("", "Y"), {k1023, "b"},
            {{}, {k1023 + "b"}, "", false}},
        FramerCase{"noLimitKeepsEverything",
            [](serial::PacketFramer& f) {
                f.SetStopString("Y");
                f.SetMaxBufferSize(0);
            },
            {k1023, k1023}, {{}, {}, k1023 + k1023, true}},
        FramerCase{"zeroBytesAreCharacters", StartStop("\0"s, "\0\0"s), {"a\0b\0\0c"s}, {{"b"}, {"a"}, "c", false}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FramerBuffer, replacingItKeepsTheInPacketState)
{
    serial::PacketFramer framer;
    std::vector<std::string> packets;
    framer.OnPacket = [&](const std::string& p) { packets.push_back(p); };
    framer.SetStartString("X");
    framer.SetStopString("Y");
    framer.AddData("Xab");
    ASSERT_TRUE(framer.InPacket());
    framer.SetBuffer("");
    EXPECT_TRUE(framer.InPacket());
    // Still in the packet: no start is looked for, the stop text ends it.
    framer.AddData("cY");
    EXPECT_EQ(packets, std::vector<std::string>{"c"});
}

TEST(FramerBuffer, emptyBufferDiscardsAndLeavesThePacketEvenWhenTheHandlerRaises)
{
    serial::PacketFramer framer;
    framer.SetStopString("Y");
    framer.AddData("abc");
    framer.OnDiscard = [](const std::string& text) {
        EXPECT_EQ(text, "abc");
        throw std::runtime_error("discard handler failed");
    };
    EXPECT_THROW(framer.EmptyBuffer(), std::runtime_error);
    EXPECT_EQ(framer.Buffer(), "");
    EXPECT_FALSE(framer.InPacket());
}

TEST(FramerBuffer, changingACriterionEmptiesTheBuffer)
{
    const std::vector<std::function<void(serial::PacketFramer&)>> changes = {
        [](serial::PacketFramer& f) { f.SetStartString("S"); },
        [](serial::PacketFramer& f) { f.SetStopString("Z"); },
        [](serial::PacketFramer& f) { f.SetSize(9); },
        [](serial::PacketFramer& f) { f.SetCaseInsensitive(true); },
    };
    for (const auto& change : changes) {
        serial::PacketFramer framer;
        std::vector<std::string> discards;
        framer.OnDiscard = [&](const std::string& t) { discards.push_back(t); };
        framer.SetStopString("Y");
        framer.AddData("abc");
        change(framer);
        EXPECT_EQ(discards, std::vector<std::string>{"abc"});
        EXPECT_FALSE(framer.InPacket());
    }
    // The same value again changes nothing.
    serial::PacketFramer framer;
    framer.SetStopString("Y");
    framer.AddData("abc");
    framer.SetStopString("Y");
    EXPECT_EQ(framer.Buffer(), "abc");
}

TEST(FramerBuffer, limitAppliesEvenWhenAPacketHandlerRaises)
{
    serial::PacketFramer framer;
    framer.SetStopString(";");
    framer.SetMaxBufferSize(4);
    std::vector<std::string> discards;
    framer.OnDiscard = [&](const std::string& t) { discards.push_back(t); };
    framer.OnPacket = [](const std::string&) { throw std::runtime_error("packet handler failed"); };
    EXPECT_THROW(framer.AddData("a;bcde"), std::runtime_error);
    EXPECT_EQ(discards, std::vector<std::string>{"bcde"});
    EXPECT_EQ(framer.Buffer(), "");
}

TEST(FramerBuffer, hooksSeeTheWholeBufferAndMayReplaceIt)
{
    // The engine's way: deliver from inside the hook, then empty the buffer.
    serial::PacketFramer framer;
    std::vector<std::string> packets;
    framer.OnPacket = [&](const std::string& p) { packets.push_back(p); };
    framer.OnCustomStop = [&](const std::string& buffer, int& pos) {
        if (buffer.find('!') == std::string::npos) {
            pos = 0;
            return;
        }
        framer.DoPacket(buffer);
        framer.SetBuffer("");
    };
    framer.AddData("ab");
    framer.AddData("c!d");
    EXPECT_EQ(packets, std::vector<std::string>{"abc!d"});
    EXPECT_EQ(framer.Buffer(), "");
}

} // namespace
