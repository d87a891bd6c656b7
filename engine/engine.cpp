#include "engine/engine.h"

#include "platform/deadline.h"
#include "serial/comconvert.h"
#include "serial/comportlist.h"

#include <vector>

namespace engine {

using namespace std::chrono_literals;

namespace {
constexpr auto SendWaitTurn = 200ms;
constexpr int OpenPauseMs = 300;
} // namespace

Engine::Engine(platform::WindowThread& window, const std::string& portName, int baudRate, Events events)
    : window_(window)
    , events_(events)
    , port_(std::make_unique<serial::SerialPort>(window))
    , framer_(std::make_unique<serial::PacketFramer>())
    , replyTimer_(window, [this] { OnReplyTimer(); })
    , matcher_(*this)
    , thread_(window)
{
    // A system whose port list cannot be read fails here (ComError::RegError).
    std::vector<std::string> ports;
    serial::EnumComPorts(ports);

    port_->SetPort(portName);
    port_->SetBaudRate(serial::ValueToBaudRate(static_cast<std::uint32_t>(baudRate)));
    port_->SetCustomBaudRate(baudRate);

    // The hooks run inside a batch, which holds the lock already.
    framer_->OnDiscard = [](const std::string&) {};
    framer_->OnPacket = [this](const std::string& text) { matcher_.OnPacketReceived(text); };
    framer_->OnCustomStart = [this](const std::string& buffer, int& pos) { matcher_.OnPacketStart(buffer, pos); };
    framer_->OnCustomStop = [this](const std::string& buffer, int& pos) { matcher_.OnPacketStop(buffer, pos); };
    link_.OnRxBuf = [this](serial::SerialPort&, const char* bytes, int count) {
        Locked([&] { framer_->AddData(std::string(bytes, static_cast<std::size_t>(count))); });
    };
    port_->RegisterLink(&link_);

    thread_.Start([this] { SendLoop(); });
}

Engine::~Engine()
{
    // Waking the send loop ends it at once instead of after its turn.
    thread_.Terminate();
    events_.send.Set();
    thread_.Join();
    ClosePort();
    port_->UnRegisterLink(&link_);
}

bool Engine::AdvanceLocked(std::uint64_t number, CommandEvent event)
{
    Command& command = command_;
    if (number == 0 || number != command.number || command.state == CommandState::Ended)
        return false;
    switch (event) {
    case CommandEvent::Write:
        if (command.state != CommandState::Prepared)
            return false;
        command.state = CommandState::Written;
        // From here on the received bytes are the answer's candidates.
        matcher_.Prepare(command.ats);
        matching_ = number;
        framer_->SetBuffer({});
        return true;
    case CommandEvent::Withdrawn:
        // Once on the line it waits for its outcome like any other.
        if (command.state != CommandState::Prepared)
            return false;
        command.result = {Outcome::Timeout, {}};
        break;
    case CommandEvent::Answer:
    case CommandEvent::ErrorAnswer:
    case CommandEvent::TimedOut:
        if (command.state != CommandState::Written)
            return false;
        command.result.outcome = event == CommandEvent::Answer ? Outcome::Reply
            : event == CommandEvent::ErrorAnswer               ? Outcome::ErrorReply
                                                               : Outcome::Timeout;
        command.result.reply = event == CommandEvent::TimedOut ? std::string() : matcher_.Reply();
        break;
    case CommandEvent::LineChanged:
        command.result = {Outcome::Timeout, {}};
        break;
    }
    command.state = CommandState::Ended;
    return true;
}

void Engine::Locked(const std::function<void()>& step)
{
    std::vector<platform::Event*> raised;
    {
        std::lock_guard lock(lock_);
        step();
        raised.swap(pendingSignals_);
    }
    if (raised.empty())
        return;
    if (!outcomeListener_ || !window_.IsCurrentThread()) {
        // The listener first: a thread the events wake finds it already told.
        if (outcomeListener_)
            outcomeListener_();
        SetEvents(raised);
        return;
    }
    // Decided on the window thread: what the listener posts there runs
    // first, so the window thread serves the outcome (and hands the next
    // command over) before it pays for waking the threads that wait for the
    // events.
    outcomeListener_();
    window_.Post([this, alive = std::weak_ptr<int>(alive_), raised] {
        if (!alive.expired())
            SetEvents(raised);
    });
}

void Engine::SetEvents(const std::vector<platform::Event*>& raised)
{
    for (platform::Event* event : raised)
        event->Set();
}

void Engine::EndUnansweredLocked(std::uint64_t number, CommandEvent event)
{
    if (AdvanceLocked(number, event))
        pendingSignals_.push_back(&events_.timeout);
}

std::uint64_t Engine::PrepareCommand(const std::string& command, const MatchRule& ats, int replyTimeout)
{
    std::uint64_t number = 0;
    Locked([&] {
        EndUnansweredLocked(command_.number, CommandEvent::LineChanged);
        number = ++lastNumber_;
        command_ = Command{number, command, ats, replyTimeout, CommandState::Prepared, {}};
    });
    return number;
}

std::optional<Engine::Result> Engine::OutcomeOf(std::uint64_t command) const
{
    std::lock_guard lock(lock_);
    if (command == 0 || command != command_.number || command_.state != CommandState::Ended)
        return std::nullopt;
    return command_.result;
}

bool Engine::AwaitsAnswer(std::uint64_t command) const
{
    std::lock_guard lock(lock_);
    return command != 0 && command == command_.number && command_.state == CommandState::Written;
}

std::string Engine::Reply() const
{
    std::lock_guard lock(lock_);
    return matcher_.Reply();
}

void Engine::Withdraw(std::uint64_t command)
{
    Locked([&] { EndUnansweredLocked(command, CommandEvent::Withdrawn); });
}

std::optional<std::string> Engine::TakeForWriting(std::uint64_t& number)
{
    std::optional<std::string> bytes;
    Locked([&] {
        number = command_.number;
        if (!IsPortOpen()) {
            // No outcome could ever come for it on a closed line.
            EndUnansweredLocked(number, CommandEvent::LineChanged);
            return;
        }
        if (AdvanceLocked(number, CommandEvent::Write))
            bytes = command_.bytes;
    });
    return bytes;
}

void Engine::SendLoop()
{
    while (!thread_.Terminated()) {
        if (!events_.send.Wait(SendWaitTurn) || thread_.Terminated())
            continue;
        if (beforeWrite_)
            beforeWrite_();
        std::uint64_t number = 0;
        const std::optional<std::string> bytes = TakeForWriting(number);
        if (!bytes)
            continue;
        try {
            port_->WriteStr(*bytes);
        } catch (const serial::PortError&) {
            // A failed write is left to the time-out.
        }
        window_.Post([this, alive = std::weak_ptr<int>(alive_), number] {
            if (!alive.expired())
                ArmReplyTimer(number);
        });
    }
}

void Engine::ArmReplyTimer(std::uint64_t number)
{
    std::lock_guard lock(lock_);
    // An answer faster than this step needs no timer.
    if (number != command_.number || command_.state != CommandState::Written)
        return;
    // A collection that has started already runs on its quiet time.
    if (!matcher_.Collecting()) {
        replyTimer_.SetEnabled(false);
        replyTimer_.SetInterval(command_.replyTimeout);
    }
    replyTimer_.SetEnabled(true);
}

void Engine::OnReplyTimer()
{
    Locked([this] {
        // Only the command the matcher answers for can run out of time.
        if (matching_ != command_.number || command_.state != CommandState::Written) {
            replyTimer_.SetEnabled(false);
            return;
        }
        matcher_.OnReplyTimer();
    });
}

void Engine::ForgetReplyState()
{
    window_.RunAndWait([this] {
        Locked([this] {
            matcher_.Forget();
            replyTimer_.SetEnabled(false);
            framer_->EmptyBuffer();
            EndUnansweredLocked(command_.number, CommandEvent::LineChanged);
        });
    });
}

bool Engine::OpenPort()
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
    } catch (const serial::PortError& e) {
        if (e.Code() == static_cast<int>(serial::ComError::OpenFailed))
            lastOpenError_ = e.OsError();
        return false;
    }
}

bool Engine::ClosePort()
{
    try {
        if (!port_->Connected())
            return true;
        port_->Close();
        ForgetReplyState();
        return !port_->Connected();
    } catch (const serial::PortError&) {
        return false;
    }
}

bool Engine::ConfigurePort(const std::string& portName, int baudRate)
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
    } catch (const serial::PortError&) {
        return false;
    }
}

bool Engine::IsPortOpen() const
{
    return port_->Connected();
}

// The matcher's host: window thread, under lock_.

void Engine::EmptyFramerBuffer()
{
    framer_->SetBuffer({});
}

void Engine::Deliver(const std::string& text)
{
    framer_->DoPacket(text);
}

void Engine::SetTimerInterval(int milliseconds)
{
    replyTimer_.SetInterval(milliseconds);
}

void Engine::RestartTimer(int milliseconds)
{
    replyTimer_.SetEnabled(false);
    replyTimer_.SetInterval(milliseconds);
    replyTimer_.SetEnabled(true);
}

void Engine::DisableTimer()
{
    replyTimer_.SetEnabled(false);
}

void Engine::Conclude(CommandEvent event, platform::Event& signal)
{
    // The matcher answers for the last command written; a late error text
    // after its outcome raises the event again but changes nothing.
    AdvanceLocked(matching_, event);
    pendingSignals_.push_back(&signal);
}

void Engine::SignalReply()
{
    Conclude(CommandEvent::Answer, events_.reply);
}

void Engine::SignalErrorReply()
{
    Conclude(CommandEvent::ErrorAnswer, events_.errorReply);
}

void Engine::SignalTimeout()
{
    Conclude(CommandEvent::TimedOut, events_.timeout);
}

} // namespace engine
