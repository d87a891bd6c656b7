#pragma once
// TTestEngine: writes one command at a time to the serial port and decides
// from the received bytes, by the command's matching record and a time-out,
// when its answer is complete; it reports the outcome through three events.
//
// Thread safety:
// - Construction and destruction on the window thread.
// - PrepareCommand and Reply on the worker thread, or on the window thread
//   while the worker waits for it (ordered by the send and outcome events);
//   the port operations on the worker or window thread (the
//   port serialises them).
// - The engine's own thread writes the prepared command when SendEvent is
//   set. Its steps on the reply timer and the framer are handed to the
//   window thread (unless ReadyReceiveSide has done them there already),
//   where the receive handlers and the timer's expiry run, so the framer
//   and the timer are only ever touched there.
// - The matching state is shared between PrepareCommand (worker thread) and
//   the receive side (window thread) and guarded by one lock.
//
// Every prepared command has a number. A command's reply timer is started
// only while that command is still unanswered (on a fast line the answer can
// be complete before the write returns), and a timer armed for an earlier
// command never ends a later one. The first outcome of each command is kept
// with its number, so the worker attributes an outcome event to the command
// it belongs to and to no other; a listener hears of it first, on the
// window thread. Closing or reconfiguring the port forgets
// the current command's collection and timer: nothing of it reaches the next.

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
    // read fails construction with EComPort code 23; the port is not opened.
    TTestEngine(platform::WindowThread& window, const std::string& portName, int baudRate, Events events);
    ~TTestEngine() override;

    struct Outcome {
        std::uint8_t code = 0; // OutcomeReply, OutcomeErrorReply or OutcomeTimeout
        std::string reply;     // the reply for codes 1 and 2
    };

    // Takes the next command; it starts with an empty collection. Returns
    // the command's number.
    std::uint64_t PrepareCommand(const std::string& command, const TAts& ats, int replyTimeout);
    std::string Reply() const;
    // Window thread, after PrepareCommand: the receive side's steps that
    // must come before the command is written (the reply timer stopped and
    // given the command's time-out, the framer's buffer emptied). The send
    // loop then writes without handing them to the window thread itself.
    void ReadyReceiveSide();
    // The first outcome of the numbered command, once it has one.
    std::optional<Outcome> OutcomeOf(std::uint64_t command) const;
    // Called on the window thread, outside the engine's locks, when a
    // receive step or the reply timer raises an outcome event, just before
    // the event is set. Set it on the window thread before the port is opened.
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
    // Drops the current command's collection, framer buffer and timer.
    void ForgetReplyState();
    void RecordOutcome(std::uint8_t code, platform::Event& event);
    // Runs a matching step under the matching lock. The outcome events it
    // raises are set once the outermost step has let go of the lock: the
    // worker reads the outcome under that lock and would otherwise wake
    // only to wait for it.
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
    bool answered_ = false;
    // The command the reply timer was last armed for.
    std::uint64_t timerCommand_ = 0;
    std::uint64_t outcomeCommand_ = 0;
    Outcome outcome_;
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
