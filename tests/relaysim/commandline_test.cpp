// The relaysim program's options map onto the device's options.

#include "tools/relaysim/commandline.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace relaysim {
namespace {

using namespace std::chrono_literals;

CommandLine Parse(std::vector<std::string> arguments)
{
    return ParseCommandLine(arguments);
}

TEST(RelaySimCommandLine, noArgumentsIsAnUnpacedFaultlessDevice)
{
    const CommandLine line = Parse({});
    EXPECT_EQ(line.options, Options{});
    EXPECT_TRUE(line.linkPath.empty());
    EXPECT_TRUE(line.transcriptPath.empty());
    EXPECT_FALSE(line.help);
}

TEST(RelaySimCommandLine, eachOptionSetsItsField)
{
    struct Case {
        std::vector<std::string> arguments;
        std::function<void(CommandLine&)> expect;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"--link", "/tmp/port"}, [](CommandLine& l) { l.linkPath = "/tmp/port"; }},
        {{"--link=/tmp/port"}, [](CommandLine& l) { l.linkPath = "/tmp/port"; }},
        {{"--image", "a.kalc"}, [](CommandLine& l) { l.options.imagePath = "a.kalc"; }},
        {{"--transcript", "t.bin"}, [](CommandLine& l) { l.transcriptPath = "t.bin"; }},
        {{"--baud", "2400"}, [](CommandLine& l) { l.options.baud = 2400; }},
        {{"--latency-timer", "16"}, [](CommandLine& l) { l.options.latencyTimer = 16ms; }},
        {{"--store-time", "0"}, [](CommandLine& l) { l.options.storeTime = 0ms; }},
        {{"--silent-hello", "3"}, [](CommandLine& l) { l.options.faults.silentHello = 3; }},
        {{"--write-start-delay=70"}, [](CommandLine& l) { l.options.faults.writeStartAckDelay = 70ms; }},
        {{"--hello-delay", "2:9500"}, [](CommandLine& l) { l.options.faults.lateHello = LateAnswer{2, 9500ms}; }},
        {{"--frame-delay=470:0"}, [](CommandLine& l) { l.options.faults.lateFrameAck = LateAnswer{470, 0ms}; }},
        {{"--dump-delay", "1400"}, [](CommandLine& l) { l.options.faults.dumpDelay = 1400ms; }},
        {{"--stop-acking-after", "0"}, [](CommandLine& l) { l.options.faults.stopAckingAfterFrame = 0; }},
        {{"--hang-up-at", "12"}, [](CommandLine& l) { l.options.faults.hangUpAtFrame = 12; }},
        {{"--dump-pause-after", "100", "--dump-pause", "600"},
         [](CommandLine& l) { l.options.faults.dumpPause = DumpPause{100, 600ms}; }},
        {{"--dump-length", "7000"}, [](CommandLine& l) { l.options.faults.dumpLength = 7000; }},
        {{"--garbage", "01fe"}, [](CommandLine& l) { l.options.faults.garbage = "\x01\xFE"; }},
        {{"--garbage", "00, FF:7e"},
         [](CommandLine& l) { l.options.faults.garbage = std::string("\x00\xFF\x7E", 3); }},
        {{"--silent-on-bad-check"}, [](CommandLine& l) { l.options.faults.silentOnBadCheckValue = true; }},
        {{"-h"}, [](CommandLine& l) { l.help = true; }},
        {{"--help"}, [](CommandLine& l) { l.help = true; }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        CommandLine expected;
        c.expect(expected);
        const CommandLine line = Parse(c.arguments);
        EXPECT_EQ(line.options, expected.options);
        EXPECT_EQ(line.linkPath, expected.linkPath);
        EXPECT_EQ(line.transcriptPath, expected.transcriptPath);
        EXPECT_EQ(line.help, expected.help);
    }
}

TEST(RelaySimCommandLine, dumpFileContentIsSentAsTheDump)
{
    const auto path = std::filesystem::temp_directory_path() / ("relaysim-dump-" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::binary) << std::string("\x00\x31\x32", 3);
    const CommandLine line = Parse({"--dump-file", path.string()});
    std::filesystem::remove(path);
    EXPECT_EQ(line.options.faults.dumpContent, std::string("\x00\x31\x32", 3));
    EXPECT_THROW(Parse({"--dump-file", path.string()}), std::runtime_error);
}

TEST(RelaySimCommandLine, wrongArgumentsAreRefused)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--baud"},
        {"--baud", "fast"},
        {"--baud", "-1"},
        {"--baud", "2400x"},
        {"--baud", "99999999999"},
        {"--silent-hello", "0"},
        {"--hang-up-at", "0"},
        {"--latency-timer", "256"},
        {"--write-start-delay", ""},
        {"--hello-delay", "2"},
        {"--hello-delay", "0:100"},
        {"--frame-delay", "3:"},
        {"--dump-pause", "100"},
        {"--dump-pause-after", "5"},
        {"--garbage", "1"},
        {"--garbage", "zz"},
        {"--frobnicate", "1"},
        {"stray"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        EXPECT_THROW(Parse(arguments), std::invalid_argument);
    }
}

} // namespace
} // namespace relaysim
