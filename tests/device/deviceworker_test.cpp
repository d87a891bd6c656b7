#include "device/deviceworker.h"

#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"
#include "tests/support/ptypair.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A device on the pty's master that answers every byte it receives at once,
// as the answer function says (an empty answer: silence). It wakes the
// window thread's loop after each byte, so tests can wait for what it got.
class Responder {
public:
    Responder(serialtest::PtyPair& pty, platform::WindowThread& window, std::function<std::string(char)> answer)
        : thread_([this, &pty, &window, answer = std::move(answer)] {
            while (!stop_) {
                const std::string got = pty.ReadFromPort(1, 20ms);
                if (got.empty())
                    continue;
                {
                    std::lock_guard lock(mutex_);
                    received_ += got;
                }
                const std::string reply = answer(got[0]);
                if (!reply.empty())
                    pty.WriteToPort(reply);
                window.Wake();
            }
        })
    {
    }
    ~Responder()
    {
        stop_ = true;
        thread_.join();
    }
    std::string Received() const
    {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    mutable std::mutex mutex_;
    std::string received_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Waits for what the device got while the window thread stands still.
bool ReceivedWithoutTheWindowThread(const Responder& device, const std::string& bytes)
{
    const platform::Deadline deadline(5s);
    while (device.Received() != bytes && !deadline.Expired())
        std::this_thread::sleep_for(1ms);
    return device.Received() == bytes;
}

struct Call {
    std::string name;
    std::string reply;
    engine::Outcome outcome;
};

// Each request names its own owner, so the log tells the requests apart.
struct Tag {
    std::string name;
    std::vector<Call>* log;
    std::function<void(device::DeviceWorker*)> then;
};

device::RequestHandler Record(Tag& tag)
{
    return [&tag](device::DeviceWorker& worker, const std::string& reply, engine::Outcome outcome) {
        tag.log->push_back({tag.name, reply, outcome});
        if (tag.then)
            tag.then(&worker);
    };
}

engine::MatchRule Ack()
{
    engine::MatchRule ats;
    ats.Mode = engine::AtsMatch;
    ats.MatchText = "\x81";
    return ats;
}

class Worker : public ::testing::Test {
protected:
    void Build(const std::string& portName)
    {
        worker = std::make_unique<device::DeviceWorker>(window, portName, 115200, serial::dbEight, parity,
            serial::sbOneStopBit, flowControl);
    }
    void Connect()
    {
        Build(pty.SlavePath());
        ASSERT_TRUE(worker->Connect("", 0));
        worker->BeginOperation();
    }
    Tag& NewTag(const std::string& name, std::function<void(device::DeviceWorker*)> then = {})
    {
        tags.push_back(std::make_unique<Tag>(Tag{name, &log, std::move(then)}));
        return *tags.back();
    }
    void Post(char command, std::int8_t priority, Tag* tag, int timeout = 2000)
    {
        const device::RequestHandler handler = tag ? Record(*tag) : nullptr;
        worker->PostRequest(std::string(1, command), Ack(), timeout, handler, handler, handler, priority);
    }
    bool RunUntilLogged(size_t calls, std::chrono::milliseconds limit = 10s)
    {
        return window.RunUntil([&] { return log.size() >= calls; }, limit);
    }
    // For state of the worker's thread, which does not wake the window
    // thread's loop: keeps serving it in short slices until pred holds.
    bool Eventually(const std::function<bool()>& pred, std::chrono::milliseconds limit = 5s)
    {
        const platform::Deadline deadline(limit);
        while (!pred() && !deadline.Expired())
            window.RunFor(10ms);
        return pred();
    }
    std::string LoggedNames() const
    {
        std::string names;
        for (const auto& call : log)
            names += call.name;
        return names;
    }

    platform::PlainWindowThread window;
    serialtest::PtyPair pty;
    serial::ParitySettings parity;
    serial::FlowControlSettings flowControl;
    std::vector<Call> log;
    std::vector<std::unique_ptr<Tag>> tags;
    std::unique_ptr<device::DeviceWorker> worker;
};

struct OrderCase {
    const char* name;
    std::vector<std::int8_t> priorities; // of requests 'A', 'B', ... in posting order
    std::string sent;
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << c.name;
}

class WorkerOrder : public Worker, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(WorkerOrder, sendsByPriorityBehindAFrontThatNeverMoves)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Build(pty.SlavePath());
    ASSERT_TRUE(worker->Connect("", 0));
    const auto& priorities = GetParam().priorities;
    for (size_t i = 0; i < priorities.size(); ++i) {
        const char name = static_cast<char>('A' + i);
        Post(name, priorities[i], &NewTag(std::string(1, name)));
    }
    worker->BeginOperation();
    ASSERT_TRUE(RunUntilLogged(priorities.size()));
    EXPECT_EQ(LoggedNames(), GetParam().sent);
    EXPECT_EQ(device.Received(), GetParam().sent);
    for (const auto& call : log) {
        EXPECT_EQ(call.outcome, engine::Outcome::Reply);
        EXPECT_EQ(call.reply, "\x81");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, WorkerOrder,
    ::testing::Values(
        OrderCase{"priorityFiveWaitsBehindPriorityOne", {1, 5, 1}, "ACB"},
        OrderCase{"frontKeepsItsPlace", {9, 1, -3}, "ACB"},
        OrderCase{"equalPrioritiesInPostingOrder", {1, 1, 1, 1, 1}, "ABCDE"},
        OrderCase{"stableAmongEquals", {1, 2, 1, 2, 1}, "ACEBD"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Nothing answers: X, without a handler, goes without a call, and Y's time-out
// is reported once, as no reply, with nothing received.
TEST_F(Worker, unansweredRequestsAreReportedOnceAndOnlyToTheirHandlers)
{
    Responder device(pty, window, [](char) { return std::string(); });
    Connect();
    Post('X', 1, nullptr, 50);
    Post('Y', 1, &NewTag("Y"), 100);
    ASSERT_TRUE(RunUntilLogged(1));
    EXPECT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
    ASSERT_EQ(LoggedNames(), "Y");
    EXPECT_EQ(log[0].outcome, engine::Outcome::Timeout);
    EXPECT_EQ(log[0].reply, "");
    EXPECT_EQ(device.Received(), "XY");
}

TEST_F(Worker, requestLostToAPortThatCannotOpenIsReportedAsUnanswered)
{
    Build("/dev/qem-no-such-port");
    worker->BeginOperation();
    Post('A', 1, &NewTag("A"));
    Post('B', 1, &NewTag("B"));
    ASSERT_TRUE(RunUntilLogged(2));
    EXPECT_EQ(LoggedNames(), "AB");
    EXPECT_EQ(log[0].outcome, engine::Outcome::Timeout);
    EXPECT_EQ(log[1].outcome, engine::Outcome::Timeout);
}

// A request in flight that no answer will end (a dump still arriving when
// the read was given up, a silent device): the next operation's reopen ends
// it unanswered, reported only if it was not given up, and the next
// request goes out at once.
struct ReopenCase {
    const char* name;
    bool cancelFirst;
    std::string reported;
};

class WorkerReopen : public Worker, public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(WorkerReopen, endsTheRequestInFlightAndSendsTheNext)
{
    Responder device(pty, window, [](char c) { return c == 'B' ? std::string("\x81") : std::string(); });
    Connect();
    Post('A', 1, &NewTag("A"), 600000);
    ASSERT_TRUE(window.RunUntil([&] { return !device.Received().empty(); }, 5s));
    if (GetParam().cancelFirst)
        worker->CancelAll();
    ASSERT_TRUE(worker->Connect("", 0));
    Post('B', 1, &NewTag("B"));
    ASSERT_TRUE(window.RunUntil([&] { return LoggedNames().find('B') != std::string::npos; }, 10s));
    EXPECT_EQ(LoggedNames(), GetParam().reported);
    EXPECT_EQ(log.front().outcome, LoggedNames() == "B" ? engine::Outcome::Reply : engine::Outcome::Timeout);
    EXPECT_EQ(log.back().outcome, engine::Outcome::Reply);
    EXPECT_EQ(device.Received(), "AB");
    EXPECT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, WorkerReopen,
    ::testing::Values(
        ReopenCase{"givenUpIsNotReported", true, "B"}, ReopenCase{"currentIsReportedUnanswered", false, "AB"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A cancel decided before the engine takes the command for writing keeps it
// off the line; one after the write lets it finish unreported. Either way the
// next request gets its own outcome: here none, as the device answers only A.
struct CancelCase {
    const char* name;
    bool beforeTheWrite;
    std::string received;
};

class WorkerCancel : public Worker, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(WorkerCancel, theCancelledCommandNeverAnswersTheNext)
{
    Responder device(pty, window, [](char c) { return c == 'A' ? std::string("\x81") : std::string(); });
    platform::Event woken, release;
    std::atomic<int> wakes{0};
    Build(pty.SlavePath());
    if (GetParam().beforeTheWrite)
        worker->Engine().SetBeforeWriteHook([&] {
            if (++wakes == 1) {
                woken.Set();
                release.Wait(5s);
            }
        });
    ASSERT_TRUE(worker->Connect("", 0));
    worker->BeginOperation();
    Post('A', 1, &NewTag("A"));
    if (GetParam().beforeTheWrite)
        ASSERT_TRUE(woken.Wait(5s));
    else // the write needs no window thread, and A's answer waits for it
        ASSERT_TRUE(ReceivedWithoutTheWindowThread(device, "A"));
    worker->CancelAll();
    release.Set();
    Post('B', 1, &NewTag("B"), 300);
    ASSERT_TRUE(RunUntilLogged(1));
    EXPECT_EQ(LoggedNames(), "B");
    EXPECT_EQ(log[0].outcome, engine::Outcome::Timeout);
    EXPECT_EQ(device.Received(), GetParam().received);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkerCancel,
    ::testing::Values(CancelCase{"beforeTheWriteKeepsItOffTheLine", true, "B"},
        CancelCase{"afterTheWriteLetsItFinishUnreported", false, "AB"}),
    [](const auto& info) { return std::string(info.param.name); });

// A late answer to A (its time-out has run out) reaches the engine after B
// has been prepared and before B is written, whether the worker's thread
// sends B (the queue was idle) or the window thread does (right after A's
// report): B still goes on the line, and only B's own answer completes it.
class WorkerLateByte : public Worker, public ::testing::WithParamInterface<bool> {};

TEST_P(WorkerLateByte, aByteBeforeTheWriteDoesNotAnswerTheCommand)
{
    const bool sentByTheWindowThread = GetParam();
    Responder device(pty, window, [](char c) { return c == 'B' ? std::string("\x81") : std::string(); });
    platform::Event received;
    serial::PortLink link;
    link.OnRxBuf = [&](serial::SerialPort&, const char*, int) { received.Set(); };
    std::atomic<int> wakes{0};
    Build(pty.SlavePath());
    worker->Engine().SetBeforeWriteHook([&] {
        if (++wakes == 2) {
            pty.WriteToPort("\x81");
            received.Wait(5s);
        }
    });
    worker->Engine().Port().RegisterLink(&link);
    ASSERT_TRUE(worker->Connect("", 0));
    worker->BeginOperation();
    Post('A', 1, &NewTag("A"), 50);
    if (sentByTheWindowThread)
        Post('B', 1, &NewTag("B"));
    ASSERT_TRUE(RunUntilLogged(1));
    if (!sentByTheWindowThread) {
        ASSERT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
        Post('B', 1, &NewTag("B"));
    }
    ASSERT_TRUE(RunUntilLogged(2));
    EXPECT_EQ(LoggedNames(), "AB");
    EXPECT_EQ(log[0].outcome, engine::Outcome::Timeout);
    EXPECT_EQ(log[1].outcome, engine::Outcome::Reply);
    EXPECT_EQ(log[1].reply, "\x81");
    EXPECT_EQ(device.Received(), "AB");
    worker->Engine().Port().UnRegisterLink(&link);
}

INSTANTIATE_TEST_SUITE_P(Paths, WorkerLateByte, ::testing::Bool(),
    [](const auto& info) { return info.param ? "sentByTheWindowThread" : "sentByTheWorkersThread"; });

TEST_F(Worker, cancelWhileTheHandlerCallWaitsForTheWindowThreadRunsNoHandler)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Connect();
    // A listener behind the engine's framer sees the batch that completes
    // the answer. It holds the window thread long enough for the worker to
    // queue its handler call, then cancels, as a click on "Cancel" handled
    // just before that call would. The pause only makes the order likely;
    // no handler may run whichever order it is.
    serial::PortLink link;
    link.OnRxBuf = [&](serial::SerialPort&, const char*, int) {
        platform::SleepMs(50);
        worker->CancelAll();
    };
    worker->Engine().Port().RegisterLink(&link);
    Post('A', 1, &NewTag("A"));
    Post('B', 1, &NewTag("B"));
    EXPECT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
    worker->Engine().Port().UnRegisterLink(&link);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(device.Received(), "A");
}

TEST_F(Worker, cancelWhileRequestsWaitEmptiesTheQueueWithoutSending)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Build(pty.SlavePath());
    ASSERT_TRUE(worker->Connect("", 0));
    Post('A', 1, &NewTag("A"));
    Post('B', 1, &NewTag("B"));
    worker->CancelAll();
    worker->BeginOperation();
    EXPECT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
    window.RunFor(300ms);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(device.Received(), "");
}

TEST_F(Worker, cancelFromInsideAHandlerDropsWhatTheHandlerPosted)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Connect();
    Tag& b = NewTag("B");
    Tag& c = NewTag("C");
    Post('A', 1, &NewTag("A", [&](device::DeviceWorker* w) {
        w->PostRequest("B", Ack(), 2000, Record(b), Record(b), Record(b), 1);
        w->PostRequest("C", Ack(), 2000, Record(c), Record(c), Record(c), 1);
        w->CancelAll();
    }));
    ASSERT_TRUE(RunUntilLogged(1));
    EXPECT_TRUE(Eventually([&] { return worker->QueuedCount() == 0; }));
    window.RunFor(300ms);
    EXPECT_EQ(LoggedNames(), "A");
    EXPECT_EQ(device.Received(), "A");
}

TEST_F(Worker, aChainPostedFromHandlersRunsToTheEnd)
{
    Responder device(pty, window, [](char c) { return c == 'U' ? std::string("\xAA") : std::string(); });
    Connect();
    int remaining = 50;
    std::function<void(device::DeviceWorker*)> next;
    engine::MatchRule hello;
    hello.Mode = engine::AtsMatch;
    hello.MatchText = "\xAA";
    next = [&](device::DeviceWorker* w) {
        if (--remaining > 0) {
            const device::RequestHandler handler = Record(NewTag("u", next));
            w->PostRequest("U", hello, 2000, handler, handler, handler, 1);
        }
    };
    const device::RequestHandler first = Record(NewTag("u", next));
    worker->PostRequest("U", hello, 2000, first, first, first, 1);
    ASSERT_TRUE(RunUntilLogged(50));
    EXPECT_EQ(device.Received(), std::string(50, 'U'));
    for (const auto& call : log)
        EXPECT_EQ(call.outcome, engine::Outcome::Reply);
}

TEST_F(Worker, destroyingWithARequestInFlightCallsNoHandlerAndReturnsPromptly)
{
    Responder device(pty, window, [](char) { return std::string(); });
    Connect();
    Post('A', 1, &NewTag("A"), 10000);
    ASSERT_TRUE(window.RunUntil([&] { return !device.Received().empty(); }, 5s));
    const auto start = platform::Clock::now();
    worker.reset();
    EXPECT_LT(platform::Clock::now() - start, 5s);
    EXPECT_TRUE(log.empty());
}

TEST_F(Worker, destroyingWhileAHandlerCallWaitsRunsNoHandler)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Connect();
    Post('A', 1, &NewTag("A"));
    // The answer arrives and the worker queues the handler call while this
    // thread is busy elsewhere; teardown must skip it.
    ASSERT_TRUE(window.RunUntil([&] { return !device.Received().empty(); }, 5s));
    worker.reset();
    // What the worker left in the window thread's queue finds it gone.
    window.RunFor(100ms);
    EXPECT_TRUE(log.empty());
}

TEST_F(Worker, aHandlerServingTheWindowThreadSeesNoOtherHandlerInside)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Connect();
    Tag& b = NewTag("B");
    std::string receivedInside;
    Post('A', 1, &NewTag("A", [&](device::DeviceWorker* w) {
        w->PostRequest("B", Ack(), 2000, Record(b), Record(b), Record(b), 1);
        // A nested loop, as a message window's: B must wait for its end.
        window.RunFor(300ms);
        receivedInside = device.Received();
        log.push_back({"a", "", engine::Outcome::Timeout});
    }));
    ASSERT_TRUE(RunUntilLogged(3));
    EXPECT_EQ(LoggedNames(), "AaB");
    EXPECT_EQ(receivedInside, "A");
    EXPECT_EQ(device.Received(), "AB");
}

TEST_F(Worker, repeatedConstructionAndDestructionNeverDeadlocks)
{
    for (int i = 0; i < 1000; ++i) {
        Build("/dev/qem-no-such-port");
        Post('A', 1, &NewTag("A"));
        worker.reset();
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(Worker, stopClosesThePortAndKeepsRequestsFromBeingSent)
{
    Responder device(pty, window, [](char) { return std::string("\x81"); });
    Connect();
    EXPECT_TRUE(worker->Stop(false));
    EXPECT_FALSE(worker->Engine().IsPortOpen());
    Post('A', 1, &NewTag("A"));
    window.RunFor(500ms);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(device.Received(), "");
}

TEST_F(Worker, portSettingsReadBackFromThePort)
{
    parity.SetBits(serial::prEven);
    flowControl.SetFlowControl(serial::fcHardware);
    worker = std::make_unique<device::DeviceWorker>(window, "COM3", 230400, serial::dbSeven, parity,
        serial::sbOne5StopBits, flowControl);
    const serial::PortSettings settings = worker->GetPortSettings();
    EXPECT_EQ(settings.BaudRate, 230400u);
    EXPECT_EQ(settings.Port, "COM3");
    EXPECT_EQ(settings.DataBits, serial::dbSeven);
    EXPECT_EQ(settings.StopBits, serial::sbOne5StopBits);
    EXPECT_EQ(settings.Parity, serial::prEven);
    EXPECT_EQ(settings.FlowControl, serial::fcHardware);

    worker = std::make_unique<device::DeviceWorker>(window, "COM1", 57600, serial::dbEight, parity,
        serial::sbOneStopBit, flowControl);
    EXPECT_EQ(worker->GetPortSettings().BaudRate, 57600u);
}

} // namespace
