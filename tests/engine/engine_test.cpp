#include "enginetestbench.h"

#include "tests/engine/enginemodecases.h"

#include "serial/comerror.h"
#include "serial/comportlist.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace enginetest;

TEST(Engine, matchInTheSecondChunkDeliversBothChunksOnce)
{
    EngineOnPty bench;
    ScriptedDevice device(bench.pty, 1, {{0ms, "\x01"}, {80ms, "\x02\xAA"}});
    bench.Send("U", MatchAts("\xAA"), 2000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    EXPECT_EQ(bench.engine.Reply(), "\x01\x02\xAA");
    device.Join();
    EXPECT_EQ(device.Command(), "U");
    bench.window.RunFor(100ms);
    EXPECT_EQ(bench.Take(), Signal::None);
}

TEST(Engine, missingMatchTimesOutAndLaterBytesAreIgnored)
{
    EngineOnPty bench;
    const auto sent = platform::Clock::now();
    ScriptedDevice device(bench.pty, 1, {{0ms, "\x55"}});
    bench.Send("U", MatchAts("\xAA"), 150);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Timeout);
    EXPECT_GE(platform::Clock::now() - sent, 150ms);
    device.Join();
    bench.pty.WriteToPort("\xAA");
    bench.window.RunFor(100ms);
    EXPECT_EQ(bench.Take(), Signal::None);
}

TEST(Engine, collectingKeepsGoingWhileChunksComeWithinTheQuietTime)
{
    EngineOnPty bench;
    engine::MatchRule ats;
    ats.Mode = engine::AtsCollect;
    ats.QuietTime = 500;
    ScriptedDevice device(bench.pty, 1, {{0ms, "one,"}, {300ms, "two,"}, {300ms, "three"}});
    const auto sent = platform::Clock::now();
    bench.Send("w", ats, 1500);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    // Chunks at about 0, 300 and 600 ms; the reply comes 500 ms after the last.
    EXPECT_GE(platform::Clock::now() - sent, 1100ms);
    EXPECT_EQ(bench.engine.Reply(), "one,two,three");
}

TEST(Engine, collectingWithoutAnyByteTimesOut)
{
    EngineOnPty bench;
    engine::MatchRule ats;
    ats.Mode = engine::AtsCollect;
    ats.QuietTime = 500;
    ScriptedDevice device(bench.pty, 1, {});
    const auto sent = platform::Clock::now();
    bench.Send("w", ats, 300);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Timeout);
    EXPECT_GE(platform::Clock::now() - sent, 300ms);
}

class EngineModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(EngineModes, cutTheReplyWhereTheModeSays)
{
    EngineOnPty bench;
    ScriptedDevice device(bench.pty, 1, GetParam().answer);
    bench.Send("?", GetParam().ats, 3000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    EXPECT_EQ(bench.engine.Reply(), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(Table, EngineModes, ::testing::ValuesIn(EngineModeCases()),
    [](const auto& info) { return std::string(info.param.name); });

class EngineErrorText : public ::testing::TestWithParam<int> {};

TEST_P(EngineErrorText, endsTheCommandWithTheErrorTextInEveryMode)
{
    EngineOnPty bench;
    ScriptedDevice device(bench.pty, 1, {{0ms, kErrorAnswer}});
    bench.Send("?", ErrorTextAts(GetParam()), 2000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::ErrorReply);
    EXPECT_EQ(bench.engine.Reply(), "ERR");
}

INSTANTIATE_TEST_SUITE_P(Modes, EngineErrorText, ::testing::ValuesIn(kAllModes),
    [](const auto& info) { return "mode" + std::to_string(info.param); });

TEST(Engine, errorTextArrivingAfterTheOutcomeIsReportedAgain)
{
    EngineOnPty bench;
    engine::MatchRule ats = MatchAts("\xAA");
    ats.ErrorText = "ERR";
    ScriptedDevice device(bench.pty, 1, {{0ms, "\xAA"}});
    bench.Send("U", ats, 2000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    device.Join();
    bench.pty.WriteToPort("ERR");
    EXPECT_EQ(bench.AwaitOutcome(), Signal::ErrorReply);
}

TEST(Engine, anAnswerFasterThanTheWriteRaisesNoLaterTimeout)
{
    // At unlimited speed the answer can be complete before the engine's
    // thread gets to start the reply timer; starting it then would raise a
    // time-out that belongs to no command.
    EngineOnPty bench;
    for (int i = 0; i < 50; ++i) {
        ScriptedDevice device(bench.pty, 1, {{0ms, "\x81"}});
        bench.Send("~", MatchAts("\x81"), 30);
        ASSERT_EQ(bench.AwaitOutcome(), Signal::Reply) << i;
    }
    bench.window.RunFor(100ms);
    EXPECT_EQ(bench.Take(), Signal::None);
}

TEST(Engine, outcomeOnTheWindowThreadSetsItsEventOnlyAfterWhatTheListenerPosted)
{
    // The listener's call serves the outcome; waking the event's waiter
    // before it would cost the next command that wake-up.
    EngineOnPty bench;
    bool served = false;
    Signal setBeforeServe = Signal::None;
    bench.engine.SetOutcomeListener([&] {
        bench.window.Post([&] {
            served = true;
            setBeforeServe = bench.Take();
        });
    });
    ScriptedDevice device(bench.pty, 1, {{0ms, "\xAA"}});
    bench.Send("U", MatchAts("\xAA"), 2000);
    ASSERT_TRUE(bench.window.RunUntil([&] { return served; }, 5s));
    EXPECT_EQ(setBeforeServe, Signal::None);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
}

TEST(Engine, writesTheCommandBytesExactly)
{
    EngineOnPty bench;
    const std::string frame("\x00\x01\xFF\x7E\x55\x00\x00\x81\x00\x00\x00\x00\x00\x00\x00\x09", 16);
    ScriptedDevice device(bench.pty, 16, {{0ms, "\x81"}});
    bench.Send(frame, MatchAts("\x81"), 2000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    device.Join();
    EXPECT_EQ(device.Command(), frame);
}

TEST(Engine, emptyCommandWritesNothingButAwaitsTheAnswer)
{
    EngineOnPty bench;
    const std::uint64_t command = bench.Send("", MatchAts("\x81"), 2000);
    // Only what arrives after the write answers a command, so the answer
    // goes out once the (empty) write is done.
    ASSERT_TRUE(bench.window.RunUntil([&] { return bench.engine.AwaitsAnswer(command); }, 5s));
    bench.pty.WriteToPort("\x81");
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    EXPECT_EQ(bench.pty.ReadFromPort(1, 50ms), "");
}

TEST(Engine, commandWhilePortClosedEndsUnanswered)
{
    EngineOnPty bench;
    bench.engine.ClosePort();
    bench.Send("U", MatchAts("\xAA"), 5000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Timeout);
}

TEST(Engine, openPortOnAMissingNameFailsAfterThePause)
{
    EngineOnPty bench;
    ASSERT_TRUE(bench.engine.ConfigurePort("/dev/qem-no-such-port", 0));
    EXPECT_FALSE(bench.engine.IsPortOpen());
    const auto start = platform::Clock::now();
    EXPECT_FALSE(bench.engine.OpenPort());
    EXPECT_GE(platform::Clock::now() - start, 300ms);
    EXPECT_FALSE(bench.engine.IsPortOpen());
}

TEST(Engine, openPortReopensAndRaisesTheLinesAfterBothPauses)
{
    EngineOnPty bench;
    const auto start = platform::Clock::now();
    EXPECT_TRUE(bench.engine.OpenPort());
    EXPECT_GE(platform::Clock::now() - start, 600ms);
    EXPECT_TRUE(bench.engine.IsPortOpen());
}

TEST(Engine, configurePortStoresTheRateAsCustomOnlyAndClosesThePort)
{
    EngineOnPty bench;
    EXPECT_TRUE(bench.engine.ConfigurePort("", 0));
    EXPECT_FALSE(bench.engine.IsPortOpen());
    EXPECT_EQ(bench.engine.Port().Port(), bench.pty.SlavePath());
    EXPECT_TRUE(bench.engine.ConfigurePort("/dev/ttyS7", 57600));
    EXPECT_EQ(bench.engine.Port().Port(), "/dev/ttyS7");
    EXPECT_EQ(bench.engine.Port().CustomBaudRate(), 57600);
    EXPECT_EQ(bench.engine.Port().BaudRate(), serial::br9600);
}

TEST(Engine, constructionMapsTheRateToItsListedValueOrCustom)
{
    platform::PlainWindowThread window;
    platform::Event send, reply, errorReply, timeout;
    const struct {
        int rate;
        serial::BaudRateChoice expected;
    } cases[] = {
        {9600, serial::br9600}, {230400, serial::brCustom}, {2400, serial::br2400}, {256000, serial::br256000}};
    for (const auto& c : cases) {
        engine::Engine engine(window, "COM1", c.rate, {send, reply, errorReply, timeout});
        EXPECT_EQ(engine.Port().BaudRate(), c.expected) << c.rate;
        EXPECT_EQ(engine.Port().CustomBaudRate(), c.rate) << c.rate;
        EXPECT_EQ(engine.Port().Port(), "COM1");
        EXPECT_FALSE(engine.IsPortOpen());
    }
}

TEST(Engine, unreadablePortListFailsConstructionWithRegistryError)
{
    platform::PlainWindowThread window;
    platform::Event send, reply, errorReply, timeout;
    serial::SetComPortListRoots("/nonexistent/qem-sys-class-tty", "/dev");
    try {
        engine::Engine engine(window, "COM1", 2400, {send, reply, errorReply, timeout});
        ADD_FAILURE() << "construction should fail";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 23);
    }
    serial::SetComPortListRoots("/sys/class/tty", "/dev");
}

// A read given up while its dump was still being collected, then a reopen
// for the next operation: the old collection ends unanswered, and neither it
// nor its quiet-time timer answers the next command or starts the next
// collection.
TEST(Engine, reopeningForgetsTheCollectionAndTheTimerOfTheCommandInProgress)
{
    EngineOnPty bench;
    bool received = false;
    serial::PortLink link;
    link.OnRxBuf = [&](serial::SerialPort&, const char*, int) { received = true; };
    bench.engine.Port().RegisterLink(&link);
    engine::MatchRule collect;
    collect.Mode = engine::AtsCollect;
    collect.QuietTime = 300;

    bench.Send("w", collect, 1500);
    bench.pty.ReadFromPort(1, 5s);
    bench.pty.WriteToPort("old");
    ASSERT_TRUE(bench.window.RunUntil([&] { return received; }, 5s));
    ASSERT_TRUE(bench.engine.ConfigurePort("", 0));
    // The collection in flight ends unanswered, so no request waits for it.
    EXPECT_EQ(bench.Take(), Signal::Timeout);
    ASSERT_TRUE(bench.engine.OpenPort());

    // A silent device: the hello is not answered by what came before.
    const std::uint64_t hello = bench.engine.PrepareCommand("U", MatchAts("\xAA"), 600);
    bench.send.Set();
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Timeout);
    ASSERT_TRUE(bench.engine.OutcomeOf(hello).has_value());
    EXPECT_EQ(bench.engine.OutcomeOf(hello)->outcome, engine::Outcome::Timeout);

    bench.Send("w", collect, 1500);
    bench.pty.ReadFromPort(2, 5s);
    bench.pty.WriteToPort("new");
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    EXPECT_EQ(bench.engine.Reply(), "new");
    bench.engine.Port().UnRegisterLink(&link);
}

} // namespace
