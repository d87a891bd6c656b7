#pragma once
// TTestEngine: writes one command at a time to the serial port and decides
// from the received bytes, by the command's matching record and a time-out,
// when its answer is complete; it reports the outcome through three events.
//
// Thread safety:
// - Construction and destruction on the window thread.
// - PrepareCommand, OutcomeOf and Reply on the worker or the window thread;
//   the port operations too (the port serialises them).
// - The engine's own thread writes the prepared command when SendEvent is
//   set. The reply timer and the framer are only ever touched on the window
//   thread, where the receive handlers and the timer's expiry run: the send
//   loop hands its steps on them there, unless ReadyReceiveSide has done them.
// - The matching state and each command's bookkeeping are guarded by one lock.
//
// Every prepared command has a number and gets exactly one outcome, kept
// with that number: its answer, an error answer, or none (its time-out ran
// out, the port was closed, reopened or reconfigured under it, or it was
// withdrawn before it was written). A command is written only while it is
// the current one, with no outcome yet, decided under the lock; a reply
// timer armed for one command never ends another.

#include "engine/ats.h"
#include "engine/replymatcher.h"
#include "engine/replytimer.h"
#include "platform/event.h"
#include "platform/thread.h"
#include "platform/windowthread.h"
#include "serial/comport.h"
#include "serial/comdatapacket.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class TTestEngine : private ReplyMatcher::Host {
public:
    struct Events {
        platform::Event& send;
        platform::Event& reply;
        platform::Event& errorReply;
        platform::Event& timeout;
    };

    // Reads the system's port list, so that a system whose list cannot be
    // read fails construction with ComError::RegError; the port is not opened.
    TTestEngine(platform::WindowThread& window, const std::string& portName, int baudRate, Events events);
    ~TTestEngine() override;

    struct Result {
        TOutcome outcome = TOutcome::Timeout;
        std::string reply; // the reply of an answer or an error answer
    };

    // Takes the next command; it starts with an empty collection. Returns
    // the command's number.
    std::uint64_t PrepareCommand(const std::string& command, const TAts& ats, int replyTimeout);
    std::string Reply() const;
    // Window thread, after PrepareCommand: the receive side's steps that
    // must come before the numbered command is written (the reply timer
    // stopped and given its time-out, the framer's buffer emptied), unless
    // another command has been prepared since. The send loop then writes
    // without handing them to the window thread itself.
    void ReadyReceiveSide(std::uint64_t command);
    // Ends the numbered command without an answer if it has not been
    // written yet: it never reaches the line.
    void Withdraw(std::uint64_t command);
    // The outcome of the numbered command, once it has one.
    std::optional<Result> OutcomeOf(std::uint64_t command) const;
    // Called, outside the engine's locks and on whichever thread decided
    // it, whenever a command gets its outcome, just before the outcome
    // event is set. Set it before the first command is prepared.
    void SetOutcomeListener(std::function<void()> listener) { outcomeListener_ = std::move(listener); }

    bool OpenPort();
    bool ClosePort();
    bool ConfigurePort(const std::string& portName, int baudRate);
    bool IsPortOpen() const;
    // The operating system's error number of the last OpenPort that could
    // not open the line; 0 after one that could, or that failed otherwise.
    int LastOpenError() const { return lastOpenError_; }

    TComPort& Port() { return *port_; }

private:
    void SendLoop();
    void OnReplyTimer();
    // The line was closed or changed: the current command's collection,
    // framer buffer and timer are dropped, and the command ends unanswered.
    void ForgetReplyState();
    void RecordOutcome(TOutcome outcome, platform::Event& event);
    // The current command, if it is the numbered one and has no outcome
    // yet, ends unanswered. Under the matching lock.
    void EndUnansweredLocked(std::uint64_t command);
    // Runs a step under the matching lock. The outcome events it raises are
    // set once the outermost step has let go of the lock: the worker reads
    // the outcome under that lock and would otherwise wake only to wait.
    void Match(const std::function<void()>& step);

    // ReplyMatcher::Host, window thread.
    void EmptyFramerBuffer() override;
    void Deliver(const std::string& text) override;
    void SetTimerInterval(int milliseconds) override;
    void RestartTimer(int milliseconds) override;
    void DisableTimer() override;
    void SignalReply() override;
    void SignalErrorReply() override;
    void SignalTimeout() override;

    platform::WindowThread& window_;
    Events events_;
    std::unique_ptr<TComPort> port_;
    std::unique_ptr<TComDataPacket> framer_;
    ReplyTimer replyTimer_;

    // Guards the matching state, the prepared command and its bookkeeping.
    // Recursive: a delivery from inside a framer hook comes straight back in.
    mutable std::recursive_mutex matchLock_;
    ReplyMatcher matcher_;
    std::string command_;
    int replyTimeout_ = 0;
    std::uint64_t commandNumber_ = 0;
    // The command the send loop has taken for writing.
    std::uint64_t writtenCommand_ = 0;
    // The command the reply timer was last armed for.
    std::uint64_t timerCommand_ = 0;
    std::uint64_t outcomeCommand_ = 0;
    Result outcome_;
    int matchDepth_ = 0;
    std::vector<platform::Event*> pendingSignals_;
    std::function<void()> outcomeListener_;
    // The command whose receive side is ready for its write.
    std::uint64_t readiedCommand_ = 0;
    // Calls posted to the window thread hold it weakly: one that runs after
    // the engine has gone does nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    // OpenPort runs on the window or the worker thread.
    std::atomic<int> lastOpenError_{0};

    platform::ServedThread thread_;
};
