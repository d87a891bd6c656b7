#include "engine/engine.h"

#include "platform/deadline.h"
#include "serial/comconvert.h"
#include "serial/comportlist.h"

#include <vector>

using namespace std::chrono_literals;

namespace {
constexpr auto SendWaitTurn = 200ms;
constexpr int OpenPauseMs = 300;
} // namespace

TTestEngine::TTestEngine(platform::WindowThread& window, const std::string& portName, int baudRate, Events events)
    : window_(window)
    , events_(events)
    , port_(std::make_unique<TComPort>(window))
    , framer_(std::make_unique<TComDataPacket>())
    , replyTimer_(window, [this] { OnReplyTimer(); })
    , matcher_(*this)
    , thread_(window)
{
    // A system whose port list cannot be read fails here (ComError::RegError).
    std::vector<std::string> ports;
    EnumComPorts(ports);

    port_->SetPort(portName);
    port_->SetBaudRate(ValueToBaudRate(static_cast<std::uint32_t>(baudRate)));
    port_->SetCustomBaudRate(baudRate);

    framer_->OnDiscard = [](const std::string&) {};
    framer_->OnPacket = [this](const std::string& text) { Match([&] { matcher_.OnPacketReceived(text); }); };
    framer_->OnCustomStart = [this](const std::string& buffer, int& pos) {
        Match([&] { matcher_.OnPacketStart(buffer, pos); });
    };
    framer_->OnCustomStop = [this](const std::string& buffer, int& pos) {
        Match([&] { matcher_.OnPacketStop(buffer, pos); });
    };
    framer_->SetComPort(port_.get());

    thread_.Start([this] { SendLoop(); });
}

TTestEngine::~TTestEngine()
{
    // Waking the send loop ends it at once instead of after its turn.
    thread_.Terminate();
    events_.send.Set();
    thread_.Join();
    ClosePort();
}

std::uint64_t TTestEngine::PrepareCommand(const std::string& command, const TAts& ats, int replyTimeout)
{
    std::lock_guard lock(matchLock_);
    command_ = command;
    replyTimeout_ = replyTimeout;
    matcher_.Prepare(ats);
    return ++commandNumber_;
}

std::optional<TTestEngine::Result> TTestEngine::OutcomeOf(std::uint64_t command) const
{
    std::lock_guard lock(matchLock_);
    if (command == 0 || command != outcomeCommand_)
        return std::nullopt;
    return outcome_;
}

std::string TTestEngine::Reply() const
{
    std::lock_guard lock(matchLock_);
    return matcher_.Reply();
}

void TTestEngine::ReadyReceiveSide(std::uint64_t command)
{
    std::lock_guard lock(matchLock_);
    if (command != commandNumber_)
        return;
    replyTimer_.SetEnabled(false);
    replyTimer_.SetInterval(replyTimeout_);
    framer_->SetBuffer({});
    readiedCommand_ = command;
}

void TTestEngine::Withdraw(std::uint64_t command)
{
    Match([&] {
        if (writtenCommand_ != command)
            EndUnansweredLocked(command);
    });
}

void TTestEngine::EndUnansweredLocked(std::uint64_t command)
{
    if (command != 0 && command == commandNumber_ && outcomeCommand_ != command)
        RecordOutcome(TOutcome::Timeout, events_.timeout);
}

void TTestEngine::SendLoop()
{
    while (!thread_.Terminated()) {
        if (!events_.send.Wait(SendWaitTurn) || thread_.Terminated())
            continue;
        std::uint64_t number = 0;
        bool readied = false;
        {
            std::lock_guard lock(matchLock_);
            number = commandNumber_;
            readied = readiedCommand_ == number;
        }
        if (!IsPortOpen()) {
            // No outcome could ever come for it on a closed line.
            Match([&] { EndUnansweredLocked(number); });
            continue;
        }
        if (!readied)
            window_.RunAndWait([this, number] { ReadyReceiveSide(number); });
        // The hand-over gave a click on the window thread its chance to
        // cancel, and the worker its chance to prepare another command:
        // only a command still current and unanswered goes on the line.
        std::string command;
        {
            std::lock_guard lock(matchLock_);
            if (number != commandNumber_ || outcomeCommand_ == number)
                continue;
            writtenCommand_ = number;
            command = command_;
        }
        try {
            port_->WriteStr(command);
        } catch (const EComPort&) {
            // A failed write is left to the time-out.
        }
        // The time-out counts from the end of the write, unless the answer
        // is already complete. Nothing here needs to wait for it.
        window_.Post([this, alive = std::weak_ptr<int>(alive_), number] {
            if (alive.expired())
                return;
            std::lock_guard lock(matchLock_);
            if (number == commandNumber_ && outcomeCommand_ != number) {
                timerCommand_ = number;
                replyTimer_.SetEnabled(true);
            }
        });
    }
}

void TTestEngine::OnReplyTimer()
{
    Match([this] {
        // Armed for a command that has been replaced since: it ends nothing.
        if (timerCommand_ != commandNumber_) {
            replyTimer_.SetEnabled(false);
            return;
        }
        matcher_.OnReplyTimer();
    });
}

void TTestEngine::Match(const std::function<void()>& step)
{
    std::vector<platform::Event*> signals;
    {
        std::lock_guard lock(matchLock_);
        ++matchDepth_;
        try {
            step();
        } catch (...) {
            --matchDepth_;
            throw;
        }
        if (--matchDepth_ == 0)
            signals.swap(pendingSignals_);
    }
    // The listener first: a thread the events wake finds it already told.
    if (!signals.empty() && outcomeListener_)
        outcomeListener_();
    for (platform::Event* event : signals)
        event->Set();
}

void TTestEngine::ForgetReplyState()
{
    window_.RunAndWait([this] {
        Match([this] {
            matcher_.Forget();
            replyTimer_.SetEnabled(false);
            framer_->EmptyBuffer();
            EndUnansweredLocked(commandNumber_);
        });
    });
}

bool TTestEngine::OpenPort()
{
    lastOpenError_ = 0;
    try {
        if (port_->Connected())
            port_->Close();
        ForgetReplyState();
        platform::SleepMs(OpenPauseMs);
        port_->Open();
        platform::SleepMs(OpenPauseMs);
        port_->SetRTS(true);
        port_->SetDTR(true);
        return port_->Connected();
    } catch (const EComPort& e) {
        if (e.Code() == static_cast<int>(ComError::OpenFailed))
            lastOpenError_ = e.OsError();
        return false;
    }
}

bool TTestEngine::ClosePort()
{
    try {
        if (!port_->Connected())
            return true;
        port_->Close();
        ForgetReplyState();
        return !port_->Connected();
    } catch (const EComPort&) {
        return false;
    }
}

bool TTestEngine::ConfigurePort(const std::string& portName, int baudRate)
{
    try {
        if (port_->Connected())
            port_->Close();
        ForgetReplyState();
        if (baudRate > 0)
            port_->SetCustomBaudRate(baudRate);
        if (!portName.empty())
            port_->SetPort(portName);
        return true;
    } catch (const EComPort&) {
        return false;
    }
}

bool TTestEngine::IsPortOpen() const
{
    return port_->Connected();
}

// The matcher's host: window thread, under matchLock_.

void TTestEngine::EmptyFramerBuffer()
{
    framer_->SetBuffer({});
}

void TTestEngine::Deliver(const std::string& text)
{
    framer_->DoPacket(text);
}

void TTestEngine::SetTimerInterval(int milliseconds)
{
    replyTimer_.SetInterval(milliseconds);
}

void TTestEngine::RestartTimer(int milliseconds)
{
    timerCommand_ = commandNumber_;
    replyTimer_.SetEnabled(false);
    replyTimer_.SetInterval(milliseconds);
    replyTimer_.SetEnabled(true);
}

void TTestEngine::DisableTimer()
{
    replyTimer_.SetEnabled(false);
}

void TTestEngine::RecordOutcome(TOutcome outcome, platform::Event& event)
{
    // Only the first outcome counts: a late error text after a reply, say,
    // must not change what the command got.
    if (outcomeCommand_ != commandNumber_) {
        outcomeCommand_ = commandNumber_;
        outcome_.outcome = outcome;
        outcome_.reply = outcome == TOutcome::Timeout ? std::string() : matcher_.Reply();
    }
    pendingSignals_.push_back(&event);
}

void TTestEngine::SignalReply()
{
    RecordOutcome(TOutcome::Reply, events_.reply);
}

void TTestEngine::SignalErrorReply()
{
    RecordOutcome(TOutcome::ErrorReply, events_.errorReply);
}

void TTestEngine::SignalTimeout()
{
    RecordOutcome(TOutcome::Timeout, events_.timeout);
}
