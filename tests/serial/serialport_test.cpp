// The port on a pseudo-terminal: opening, line settings as the kernel holds
// them, writing, modem lines and failures.
#include "serial/serialport.h"

#include "platform/plainwindowthread.h"
#include "tests/serial/linesettingscases.h"
#include "tests/support/ptypair.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using namespace std::chrono_literals;
using serialtest::LineState;
using serialtest::PtyPair;
using serialtest::ReadLineState;
using serialtest::SettingsCase;

int OpenErrorCode(serial::SerialPort& port)
{
    try {
        port.Open();
    } catch (const serial::PortError& e) {
        return e.Code();
    }
    return 0;
}

class ComPortTest : public ::testing::Test {
protected:
    ComPortTest() { port.SetPort(pty.SlavePath()); }

    platform::PlainWindowThread window;
    PtyPair pty;
    serial::SerialPort port{window};
};

TEST_F(ComPortTest, defaultsOfAFreshPort)
{
    serial::SerialPort fresh(window);
    EXPECT_EQ(fresh.Port(), "COM1");
    EXPECT_EQ(fresh.BaudRate(), serial::br9600);
    EXPECT_EQ(fresh.CustomBaudRate(), 9600);
    EXPECT_EQ(fresh.DataBits(), serial::dbEight);
    EXPECT_EQ(fresh.StopBits(), serial::sbOneStopBit);
    EXPECT_EQ(fresh.Parity().Bits(), serial::prNone);
    EXPECT_EQ(fresh.FlowControl().GetFlowControl(), serial::fcNone);
    EXPECT_EQ(fresh.Timeouts().ReadInterval(), -1);
    EXPECT_EQ(fresh.Timeouts().WriteTotalMultiplier(), 100);
    EXPECT_EQ(fresh.Timeouts().WriteTotalConstant(), 1000);
    EXPECT_EQ(fresh.Buffer().InputSize(), 1024);
    EXPECT_EQ(fresh.Events(), serial::PortEvents::All());
    EXPECT_TRUE(fresh.TriggersOnRxChar());
    EXPECT_FALSE(fresh.DiscardNull());
    EXPECT_FALSE(fresh.Connected());
}

class LineSettingsApplied : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LineSettingsApplied, asTheKernelHoldsThem)
{
    platform::PlainWindowThread window;
    PtyPair pty;
    serial::SerialPort port(window);
    port.SetPort(pty.SlavePath());
    // Settings stored while closed reach the line at Open ...
    GetParam().set(port);
    port.Open();
    const LineState atOpen = ReadLineState(pty.Slave());
    EXPECT_TRUE(atOpen.raw);
    GetParam().check(atOpen);
    port.Close();

    // ... and settings changed while open reach it at once.
    serial::SerialPort other(window);
    other.SetPort(pty.SlavePath());
    other.Open();
    GetParam().set(other);
    GetParam().check(ReadLineState(pty.Slave()));
}

INSTANTIATE_TEST_SUITE_P(Table, LineSettingsApplied, ::testing::ValuesIn(serialtest::LineSettingsCases()),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComPortTest, unchangedValueDoesNotTouchTheLineButFlowControlAlwaysDoes)
{
    port.SetBaudRate(serial::br38400);
    port.Open();
    serialtest::SetLineSpeedBehindPort(pty.Slave(), 300);
    port.SetBaudRate(serial::br38400);
    port.Parity().SetBits(serial::prNone);
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 300u);
    port.FlowControl().SetFlowControl(serial::fcNone);
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 38400u);
}

TEST_F(ComPortTest, updateBracketDefersSettingsUntilItsEnd)
{
    port.Open();
    port.BeginUpdate();
    port.BeginUpdate();
    port.SetBaudRate(serial::br57600);
    port.SetStopBits(serial::sbTwoStopBits);
    port.EndUpdate();
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 9600u) << "the inner end leaves the bracket open";
    port.EndUpdate();
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 57600u);
    EXPECT_TRUE(ReadLineState(pty.Slave()).twoStopBits);
    // An extra end neither underflows nor fails.
    port.EndUpdate();
    port.SetBaudRate(serial::br1200);
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 1200u);
}

TEST_F(ComPortTest, openAndCloseAreIdempotent)
{
    const int threadsClosed = serialtest::ThreadCount();
    port.Open();
    const int threadsOpen = serialtest::ThreadCount();
    EXPECT_EQ(threadsOpen, threadsClosed + 1) << "one event thread per open period";
    port.Open();
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(serialtest::ThreadCount(), threadsOpen);
    port.Close();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(serialtest::ThreadCount(), threadsClosed);
    port.Close();
    EXPECT_FALSE(port.Connected());
    port.Open();
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, noEventsNoEventThread)
{
    port.SetEvents({});
    const int threads = serialtest::ThreadCount();
    port.Open();
    EXPECT_EQ(serialtest::ThreadCount(), threads);
    EXPECT_EQ(port.WriteStr("x"), 1);
}

TEST_F(ComPortTest, closeRestoresTheOriginalLineSettings)
{
    const LineState before = ReadLineState(pty.Slave());
    ASSERT_FALSE(before.raw);
    port.SetBaudRate(serial::br115200);
    port.Open();
    port.Close();
    const LineState after = ReadLineState(pty.Slave());
    EXPECT_EQ(after.speed, before.speed);
    EXPECT_FALSE(after.raw);
}

TEST_F(ComPortTest, refusesWhatItCannotOpen)
{
    char fileName[] = "/tmp/qem-serial-test-XXXXXX";
    const int file = mkstemp(fileName);
    ASSERT_GE(file, 0);
    close(file);
    char dirName[] = "/tmp/qem-serial-test-XXXXXX";
    ASSERT_NE(mkdtemp(dirName), nullptr);

    for (const std::string& name :
        {std::string("/dev/qem-no-such-port"), std::string(fileName), std::string(dirName), std::string()}) {
        serial::SerialPort other(window);
        other.SetPort(name);
        EXPECT_EQ(OpenErrorCode(other), 1) << name;
        EXPECT_FALSE(other.Connected());
        // A second attempt starts from scratch and fails the same way.
        EXPECT_EQ(OpenErrorCode(other), 1) << name;
    }
    struct stat info {};
    ASSERT_EQ(stat(fileName, &info), 0);
    EXPECT_EQ(info.st_size, 0) << "nothing was written into the regular file";
    unlink(fileName);
    rmdir(dirName);
}

TEST_F(ComPortTest, missingPortNamesTheOperatingSystemError)
{
    port.SetPort("/dev/qem-no-such-port");
    try {
        port.Open();
        FAIL() << "opened a missing port";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.OsError(), ENOENT);
        EXPECT_EQ(std::string(e.what()), "Unable to open com port (win error code: 2)");
    }
}

TEST_F(ComPortTest, secondOpenerIsRefusedUntilTheFirstCloses)
{
    port.Open();
    serial::SerialPort second(window);
    second.SetPort(pty.SlavePath());
    EXPECT_EQ(OpenErrorCode(second), 1);
    EXPECT_EQ(port.WriteStr("still mine"), 10);
    EXPECT_EQ(pty.ReadFromPort(10, 2s), "still mine");
    port.Close();
    EXPECT_EQ(OpenErrorCode(second), 0);
}

TEST_F(ComPortTest, failedSettingAtOpenLeavesThePortClosedAndFree)
{
    port.SetBaudRate(serial::brCustom);
    port.SetCustomBaudRate(0);
    EXPECT_EQ(OpenErrorCode(port), 7);
    EXPECT_FALSE(port.Connected());
    port.SetCustomBaudRate(4800);
    EXPECT_EQ(OpenErrorCode(port), 0);
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 4800u);
}

TEST_F(ComPortTest, writesExactlyTheBytesGiven)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    all += std::string("\0\0\r\n\x11\x13", 6);
    port.Open();
    EXPECT_EQ(port.WriteStr(all), static_cast<int>(all.size()));
    EXPECT_EQ(pty.ReadFromPort(all.size(), 2s), all);
    EXPECT_EQ(port.WriteStr(""), 0);
    EXPECT_EQ(pty.ReadFromPort(1, 100ms), "") << "an empty text writes nothing";
}

TEST_F(ComPortTest, writeEndsAtTheWriteTimeoutWhenNobodyReads)
{
    port.Timeouts().SetWriteTotalMultiplier(0);
    port.Timeouts().SetWriteTotalConstant(200);
    port.Open();
    const std::string block(4 << 20, 'x');
    const int written = port.WriteStr(block);
    EXPECT_GT(written, 0);
    EXPECT_LT(written, static_cast<int>(block.size()));
}

TEST_F(ComPortTest, closedPortRefusesLineOperations)
{
    EXPECT_EQ(port.WriteStr(""), 0);
    const struct {
        const char* name;
        std::function<void()> call;
        int code;
    } cases[] = {
        {"write", [&] { port.WriteStr("x"); }, 2},
        {"dtr", [&] { port.SetDTR(true); }, 12},
        {"rts", [&] { port.SetRTS(false); }, 12},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << " raised nothing";
        } catch (const serial::PortError& e) {
            EXPECT_EQ(e.Code(), c.code) << c.name;
        }
    }
}

TEST_F(ComPortTest, modemLinesOnAPseudoTerminalChangeNothingAndRaiseNothing)
{
    port.Open();
    EXPECT_NO_THROW(port.SetDTR(true));
    EXPECT_NO_THROW(port.SetRTS(true));
    EXPECT_NO_THROW(port.SetDTR(false));
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, newNameReopensAnOpenPort)
{
    PtyPair second;
    port.Open();
    port.SetPort(second.SlavePath());
    EXPECT_TRUE(port.Connected());
    port.WriteStr("here");
    EXPECT_EQ(second.ReadFromPort(4, 2s), "here");
    // The first line is free again.
    serial::SerialPort other(window);
    other.SetPort(pty.SlavePath());
    EXPECT_EQ(OpenErrorCode(other), 0);
}

TEST_F(ComPortTest, newNameOnAClosedPortIsOnlyStored)
{
    port.SetPort("/dev/qem-no-such-port");
    EXPECT_EQ(port.Port(), "/dev/qem-no-such-port");
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComPortTest, linkRegistrationIsChecked)
{
    serial::PortLink link;
    port.RegisterLink(&link);
    const std::function<void()> misuses[] = {
        [&] { port.RegisterLink(&link); },
        [&] {
            serial::PortLink stranger;
            port.UnRegisterLink(&stranger);
        },
    };
    for (const auto& misuse : misuses) {
        try {
            misuse();
            ADD_FAILURE() << "raised nothing";
        } catch (const serial::PortError& e) {
            EXPECT_EQ(e.Code(), 18);
        }
    }
    port.UnRegisterLink(&link);
    EXPECT_THROW(port.UnRegisterLink(&link), serial::PortError);
}

TEST_F(ComPortTest, destroyedPortDetachesItsLinks)
{
    auto doomed = std::make_unique<serial::SerialPort>(window);
    bool detached = false;
    serial::PortLink link;
    link.OnDetach = [&] { detached = true; };
    doomed->RegisterLink(&link);
    doomed.reset();
    EXPECT_TRUE(detached);
}

TEST(ComSetupDialogHook, withoutADialogShowingItFails)
{
    platform::PlainWindowThread window;
    serial::SerialPort port(window);
    serial::SetComSetupDialog({});
    EXPECT_THROW(port.ShowSetupDialog(), std::logic_error);
    serial::SerialPort* shownOn = nullptr;
    serial::SetComSetupDialog([&](serial::SerialPort& p) { shownOn = &p; });
    port.ShowSetupDialog();
    EXPECT_EQ(shownOn, &port);
    serial::SetComSetupDialog({});
}

} // namespace
