// Receiving on a pseudo-terminal: the event thread, the hand-over to the
// window thread, the framer as listener, hang-up, idling and closing while
// bytes arrive.
#include "serial/packetframer.h"
#include "serial/serialport.h"

#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "tests/support/ptypair.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using serialtest::PtyPair;

// A process that waits does not burn the processor: over an idle interval
// it uses well under a third of it.
constexpr auto kIdleInterval = 300ms;
constexpr auto kIdleCpuBound = 100ms;

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// Feeds the far end of the line until stopped, never blocking for long.
class Flood {
public:
    explicit Flood(const PtyPair& pty)
        : thread_([this, fd = pty.Master()] {
            const std::string chunk = Pattern(97);
            while (!stop_) {
                if (write(fd, chunk.data(), chunk.size()) < 0) {
                    pollfd room{fd, POLLOUT, 0};
                    poll(&room, 1, 10);
                }
            }
        })
    {
    }
    ~Flood()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class ComReceiveTest : public ::testing::Test {
protected:
    ComReceiveTest()
    {
        port.SetPort(pty.SlavePath());
        framer.OnPacket = [this](const std::string& text) {
            EXPECT_TRUE(window.IsCurrentThread());
            received += text;
        };
    }

    void WaitForThreadCount(int count)
    {
        const platform::Deadline deadline(5s);
        while (serialtest::ThreadCount() != count && !deadline.Expired())
            window.RunFor(10ms);
    }

    std::chrono::microseconds CpuOverIdleInterval()
    {
        const auto before = serialtest::ProcessCpuTime();
        window.RunFor(kIdleInterval);
        return serialtest::ProcessCpuTime() - before;
    }

    platform::PlainWindowThread window;
    PtyPair pty;
    serial::SerialPort port{window};
    serial::PacketFramer framer;
    std::string received;
};

TEST_F(ComReceiveTest, bytesReachTheFramerOnTheWindowThreadInArrivalOrder)
{
    framer.SetComPort(&port);
    port.Open();
    const std::string sent = Pattern(200000);
    std::thread writer([&] {
        for (std::size_t at = 0; at < sent.size(); at += 1 + at % 4093)
            pty.WriteToPort(sent.substr(at, 1 + at % 4093));
    });
    EXPECT_TRUE(window.RunUntil([&] { return received.size() >= sent.size(); }, 30s));
    writer.join();
    EXPECT_EQ(received.size(), sent.size());
    EXPECT_TRUE(received == sent) << "bytes lost, changed or reordered";
}

TEST_F(ComReceiveTest, zeroBytesAreDroppedOnlyWhenAskedTo)
{
    framer.SetComPort(&port);
    port.Open();
    pty.WriteToPort(std::string("a\0b", 3));
    EXPECT_TRUE(window.RunUntil([&] { return received.size() >= 3; }, 5s));
    EXPECT_EQ(received, std::string("a\0b", 3));

    received.clear();
    port.SetDiscardNull(true);
    pty.WriteToPort(std::string("\0c\0\0d", 5));
    EXPECT_TRUE(window.RunUntil([&] { return received.size() >= 2; }, 5s));
    window.RunFor(50ms);
    EXPECT_EQ(received, "cd");
}

TEST_F(ComReceiveTest, withoutListenerBytesStayQueuedUntilSomebodyReads)
{
    std::vector<int> counts;
    port.OnRxChar = [&](int count) { counts.push_back(count); };
    port.Open();
    pty.WriteToPort("abc");
    EXPECT_TRUE(window.RunUntil([&] { return !counts.empty(); }, 5s));
    EXPECT_EQ(counts.front(), 3);

    // Only new bytes wake the receive side again; then the listener gets
    // the old ones with them.
    framer.SetComPort(&port);
    pty.WriteToPort("d");
    EXPECT_TRUE(window.RunUntil([&] { return received.size() >= 4; }, 5s));
    EXPECT_EQ(received, "abcd");
}

TEST_F(ComReceiveTest, portHandlerReadsWhenNotWaitingForListeners)
{
    std::string got;
    port.OnRxBuf = [&](serial::SerialPort&, const char* buffer, int count) { got.append(buffer, count); };
    port.SetTriggersOnRxChar(false);
    port.Open();
    pty.WriteToPort("xyz");
    EXPECT_TRUE(window.RunUntil([&] { return got.size() >= 3; }, 5s));
    EXPECT_EQ(got, "xyz");
}

TEST_F(ComReceiveTest, idleLinesDoNotSpin)
{
    port.Open();
    EXPECT_LT(CpuOverIdleInterval(), kIdleCpuBound) << "open, nothing arriving";

    // Bytes nobody reads keep the line readable.
    pty.WriteToPort("unread");
    window.RunFor(50ms);
    EXPECT_LT(CpuOverIdleInterval(), kIdleCpuBound) << "bytes waiting unread";
}

TEST_F(ComReceiveTest, peerHangUpEndsTheEventThread)
{
    framer.SetComPort(&port);
    const int threadsClosed = serialtest::ThreadCount();
    port.Open();
    pty.WriteToPort("before");
    EXPECT_TRUE(window.RunUntil([&] { return received.size() >= 6; }, 5s));

    pty.HangUp();
    WaitForThreadCount(threadsClosed);
    EXPECT_EQ(serialtest::ThreadCount(), threadsClosed);
    EXPECT_LT(CpuOverIdleInterval(), kIdleCpuBound);

    try {
        port.WriteStr("after");
        ADD_FAILURE() << "a write on a lost line succeeded";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 2);
    }
    EXPECT_TRUE(port.Connected());
    port.Close();
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComReceiveTest, closeOnTheWindowThreadWhileBytesArrive)
{
    framer.SetComPort(&port);
    Flood flood(pty);
    for (int round = 0; round < 20; ++round) {
        port.Open();
        window.RunFor(std::chrono::milliseconds(round % 5));
        port.Close();
    }
    EXPECT_FALSE(received.empty());
}

TEST_F(ComReceiveTest, closeOnAnotherThreadWhileTheWindowThreadWaitsForThePort)
{
    framer.SetComPort(&port);
    Flood flood(pty);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int round = 0; round < 20; ++round) {
            port.Open();
            std::this_thread::sleep_for(2ms);
            port.Close();
        }
        done = true;
        window.Wake();
    });
    // The window thread keeps asking the port for its settings: each call
    // may have to wait for a Close that waits for the event thread, which
    // waits for the window thread.
    while (!done) {
        EXPECT_EQ(port.BaudRate(), serial::br9600);
        window.RunFor(1ms);
    }
    worker.join();
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComReceiveTest, writesSettingsAndReceivingFromThreeThreads)
{
    framer.SetComPort(&port);
    port.Open();
    std::atomic<bool> stop{false};
    std::thread drain([&] {
        while (!stop)
            pty.ReadFromPort(4096, 10ms);
    });
    std::thread engine([&] {
        for (int i = 0; i < 200; ++i)
            port.WriteStr("command");
    });
    std::thread peer([&] {
        for (int i = 0; i < 200; ++i)
            pty.WriteToPort("reply");
    });
    const platform::Deadline deadline(30s);
    while (received.size() < 1000 && !deadline.Expired()) {
        port.SetBaudRate(received.size() % 2 ? serial::br19200 : serial::br38400);
        window.RunFor(1ms);
    }
    engine.join();
    peer.join();
    stop = true;
    drain.join();
    EXPECT_EQ(received.size(), 1000u);
}

TEST_F(ComReceiveTest, framerDetachesFromADestroyedPort)
{
    auto doomed = std::make_unique<serial::SerialPort>(window);
    framer.SetComPort(doomed.get());
    doomed.reset();
    EXPECT_EQ(framer.ComPort(), nullptr);
    framer.SetComPort(&port);
    EXPECT_EQ(framer.ComPort(), &port);
}

} // namespace
