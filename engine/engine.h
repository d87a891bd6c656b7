#pragma once
// Engine: writes one command at a time to the serial port and decides
// from the received bytes, by the command's matching record and a time-out,
// when its answer is complete; it reports the outcome through three events.
//
// A command's life, decided in one place (AdvanceLocked):
//   prepared --written--> written --answer/error/time-out--> ended
//   prepared --withdrawn, line changed, port closed-------> ended, unanswered
//   written  --line changed (close, reopen, reconfigure)--> ended, unanswered
// Its matching rule takes effect when it is written, under the lock, and the
// framer's buffer is emptied in the same step: bytes the engine received
// before that are not an answer to it (they belong to the command before, or
// to nobody). An unwritten command can only end unanswered. Only the first
// outcome counts.
//
// Threads:
// - Construction and destruction on the window thread.
// - PrepareCommand, Withdraw, OutcomeOf, Reply and the port operations on the
//   worker or the window thread.
// - The engine's own thread writes the prepared command when SendEvent is
//   set; it never touches the reply timer.
// - The window thread runs every receive batch, the reply timer and its
//   arming after each write.
// - One plain lock guards the commands, the matching rule and the framer;
//   each entry point takes it once. It is never held across a port call, and
//   the outcome listener and events are signalled after it is let go.

#include "engine/matchrule.h"
#include "engine/replymatcher.h"
#include "engine/replytimer.h"
#include "platform/event.h"
#include "platform/thread.h"
#include "platform/windowthread.h"
#include "serial/packetframer.h"
#include "serial/serialport.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace engine {

class Engine : private ReplyMatcher::Host {
public:
    struct Events {
        platform::Event& send;
        platform::Event& reply;
        platform::Event& errorReply;
        platform::Event& timeout;
    };

    // Reads the system's port list, so that a system whose list cannot be
    // read fails construction with ComError::RegError; the port is not opened.
    Engine(platform::WindowThread& window, const std::string& portName, int baudRate, Events events);
    ~Engine() override;

    struct Result {
        Outcome outcome = Outcome::Timeout;
        std::string reply; // the reply of an answer or an error answer
    };

    // Takes the next command (one that never got its outcome ends
    // unanswered). Returns the command's number.
    std::uint64_t PrepareCommand(const std::string& command, const MatchRule& ats, int replyTimeout);
    std::string Reply() const;
    // Ends the numbered command unanswered if it has not been written yet:
    // it never reaches the line.
    void Withdraw(std::uint64_t command);
    // The outcome of the numbered command, once it has one.
    std::optional<Result> OutcomeOf(std::uint64_t command) const;
    // Whether the numbered command is waiting for its answer on the line:
    // written, no outcome yet. Bytes received from then on may answer it.
    bool AwaitsAnswer(std::uint64_t command) const;
    // Called outside the engine's lock, on whichever thread decided it,
    // whenever a command gets its outcome, before the outcome event is set.
    // On the window thread the events are then set from a call posted there,
    // after whatever the listener itself posted. Set it before the first
    // command is prepared.
    void SetOutcomeListener(std::function<void()> listener) { outcomeListener_ = std::move(listener); }
    // Tests only: runs on the engine's thread each time it wakes to write,
    // before it takes the command; what the receive side handles meanwhile
    // reached the engine before the write.
    void SetBeforeWriteHook(std::function<void()> hook) { beforeWrite_ = std::move(hook); }

    bool OpenPort();
    bool ClosePort();
    bool ConfigurePort(const std::string& portName, int baudRate);
    bool IsPortOpen() const;
    // The operating system's error number of the last OpenPort that could
    // not open the line; 0 after one that could, or that failed otherwise.
    int LastOpenError() const { return lastOpenError_; }

    serial::SerialPort& Port() { return *port_; }

private:
    enum class CommandState { Prepared, Written, Ended };
    // What can happen to a command.
    enum class CommandEvent { Write, Answer, ErrorAnswer, TimedOut, LineChanged, Withdrawn };
    struct Command {
        std::uint64_t number = 0;
        std::string bytes;
        MatchRule ats;
        int replyTimeout = 0;
        CommandState state = CommandState::Ended;
        Result result;
    };

    // The one place where a command's state changes; under lock_. Returns
    // whether the event moved the numbered command on.
    bool AdvanceLocked(std::uint64_t number, CommandEvent event);
    // Runs a step under lock_, then tells the listener and sets the events
    // that the step raised.
    void Locked(const std::function<void()>& step);
    void EndUnansweredLocked(std::uint64_t number, CommandEvent event);
    static void SetEvents(const std::vector<platform::Event*>& raised);

    void SendLoop();
    // Takes the current command for writing: its bytes, or nothing when it
    // is not (or no longer) waiting to be written.
    std::optional<std::string> TakeForWriting(std::uint64_t& number);
    // Window thread, after the write: the reply time-out counts from here.
    void ArmReplyTimer(std::uint64_t number);
    void OnReplyTimer();
    // The line was closed or changed: the collection, the framer's buffer
    // and the timer are dropped, and the current command ends unanswered.
    void ForgetReplyState();

    // ReplyMatcher::Host, under lock_ on the window thread.
    void EmptyFramerBuffer() override;
    void Deliver(const std::string& text) override;
    void SetTimerInterval(int milliseconds) override;
    void RestartTimer(int milliseconds) override;
    void DisableTimer() override;
    void SignalReply() override;
    void SignalErrorReply() override;
    void SignalTimeout() override;
    void Conclude(CommandEvent event, platform::Event& signal);

    platform::WindowThread& window_;
    Events events_;
    std::unique_ptr<serial::SerialPort> port_;
    std::unique_ptr<serial::PacketFramer> framer_;
    // The engine's own listener on the port: each batch reaches the framer
    // under lock_.
    serial::PortLink link_;
    ReplyTimer replyTimer_;

    mutable std::mutex lock_;
    ReplyMatcher matcher_;
    Command command_;
    // The command whose rule the matcher holds: the last one written.
    std::uint64_t matching_ = 0;
    std::uint64_t lastNumber_ = 0;
    std::vector<platform::Event*> pendingSignals_;
    std::function<void()> outcomeListener_;
    std::function<void()> beforeWrite_;
    // Calls posted to the window thread hold it weakly: one that runs after
    // the engine has gone does nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    // OpenPort runs on the window or the worker thread.
    std::atomic<int> lastOpenError_{0};

    platform::ServedThread thread_;
};

} // namespace engine
