// The Windows backend of the port under Wine, on COM ports that Wine maps
// onto pseudo-terminals (tests/support/winelines.h).
#include "serial/comportlist.h"
#include "serial/packetframer.h"
#include "serial/serialport.h"

#include "platform/plainwindowthread.h"
#include "tests/serial/linesettingscases.h"
#include "tests/support/linestatewire.h"
#include "tests/support/winelines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

namespace {

using namespace std::chrono_literals;
using serialtest::LineState;
using serialtest::SettingsCase;

// A port and the bytes its framer delivered, in order.
class PortOnLine {
public:
    explicit PortOnLine(const std::string& name)
    {
        port.SetPort(name);
        framer.OnPacket = [this](const std::string& text) { received += text; };
        framer.SetComPort(&port);
    }

    // Runs the window thread until count bytes have arrived (or 5 s passed).
    std::string Await(std::size_t count)
    {
        window.RunUntil([&] { return received.size() >= count; }, 5s);
        return std::exchange(received, {});
    }

    // The line settings the pseudo-terminal holds now.
    LineState State()
    {
        port.WriteStr("?");
        return serialtest::DecodeLineState(Await(serialtest::LineStateWireSize));
    }

    platform::PlainWindowThread window;
    serial::SerialPort port{window};
    serial::PacketFramer framer;
    std::string received;
};

// Settings Wine 8 cannot hand to a pseudo-terminal.
const char* const kNoCustomSpeed = "Wine 8 sets a speed without a termios code as 38400 and a custom divisor, "
                                   "which a pseudo-terminal does not have";
const std::map<std::string, const char*> kBeyondWine = {
    {"listedSpeedWithoutKernelCode", kNoCustomSpeed},
    {"customSpeed", kNoCustomSpeed},
    {"oddParityChecked", "Wine 8's tcsetattr fails (EINVAL) on a pseudo-terminal that already has odd parity"},
};

class LineSettingsUnderWine : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LineSettingsUnderWine, reachThePseudoTerminal)
{
    QEM_WINE_LINE("QEM_TEST_STATE_PORT", name);
    if (const auto beyond = kBeyondWine.find(GetParam().name); beyond != kBeyondWine.end())
        GTEST_SKIP() << beyond->second;
    PortOnLine line(name);
    // Settings stored while closed reach the line at Open ...
    GetParam().set(line.port);
    line.port.Open();
    const LineState atOpen = line.State();
    EXPECT_TRUE(atOpen.raw);
    GetParam().check(atOpen);
    line.port.Close();

    // ... and settings changed while open reach it at once.
    PortOnLine other(name);
    other.port.Open();
    GetParam().set(other.port);
    GetParam().check(other.State());
}

INSTANTIATE_TEST_SUITE_P(Table, LineSettingsUnderWine, ::testing::ValuesIn(serialtest::LineSettingsCases()),
    [](const auto& info) { return std::string(info.param.name); });

std::string AllByteValues()
{
    std::string bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(i);
    return bytes;
}

TEST(ComPortUnderWine, writesExactlyTheBytesAndReceivesThemInOrder)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    const std::string writes[] = {
        std::string("\0", 1),
        std::string("\x55\0\0\xAA\0", 5),
        AllByteValues(),
        // More than the driver's 1024-byte queues hold at once.
        std::string(3000, '\x81') + AllByteValues(),
    };
    PortOnLine line(name);
    line.port.Open();
    for (const std::string& bytes : writes) {
        EXPECT_EQ(line.port.WriteStr(bytes), static_cast<int>(bytes.size()));
        const std::string echoed = line.Await(bytes.size());
        EXPECT_EQ(echoed.size(), bytes.size());
        EXPECT_TRUE(echoed == bytes) << "first difference at "
                                     << std::mismatch(echoed.begin(), echoed.end(), bytes.begin(), bytes.end()).first
                - echoed.begin();
    }
}

TEST(ComPortUnderWine, discardNullDropsZeroBytes)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    PortOnLine line(name);
    line.port.SetDiscardNull(true);
    line.port.Open();
    line.port.WriteStr(std::string("a\0b\0\0c", 6));
    EXPECT_EQ(line.Await(3), "abc");
}

TEST(ComPortUnderWine, modemLinesOfALineWithoutThemChangeNothing)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    PortOnLine line(name);
    line.port.Open();
    line.port.SetDTR(true);
    line.port.SetRTS(false);
    EXPECT_TRUE(line.port.Connected());
    line.port.WriteStr("k");
    EXPECT_EQ(line.Await(1), "k");
}

TEST(ComPortUnderWine, aMissingPortFailsWithTheWindowsErrorNumber)
{
    platform::PlainWindowThread window;
    serial::SerialPort missing(window);
    missing.SetPort("COM250");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            missing.Open();
            ADD_FAILURE() << "a missing port opened";
        } catch (const serial::PortError& e) {
            EXPECT_EQ(e.Code(), 1);
            EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 2)");
        }
        EXPECT_FALSE(missing.Connected());
    }
}

TEST(ComPortUnderWine, aSecondOpenerIsRefused)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    PortOnLine first(name);
    first.port.Open();
    serial::SerialPort second(first.window);
    second.SetPort(name);
    try {
        second.Open();
        GTEST_SKIP() << "Wine does not refuse a second opener of a serial device (share mode 0)";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 1);
        // Access denied or sharing violation.
        EXPECT_TRUE(e.OsError() == 5 || e.OsError() == 32) << e.what();
    }
}

TEST(ComPortUnderWine, portListComesFromTheRegistry)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", echo);
    QEM_WINE_LINE("QEM_TEST_STATE_PORT", state);
    std::vector<std::string> ports = {"left over"};
    serial::EnumComPorts(ports);
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end()));
    EXPECT_NE(std::find(ports.begin(), ports.end(), echo), ports.end());
    EXPECT_NE(std::find(ports.begin(), ports.end(), state), ports.end());
    EXPECT_EQ(std::find(ports.begin(), ports.end(), "left over"), ports.end());
}

} // namespace
