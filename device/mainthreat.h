#pragma once
// TMainThreat: the device worker. It queues the window's requests and hands
// them to the engine strictly one at a time; each outcome goes to the
// request's handler on the window thread, which may post further requests.
//
// A request goes queued -> in flight -> answered -> reported, one state at a
// time, changed in one place. A cancel starts a new generation: requests
// carry the generation they were posted under, and anything of an older one
// is dropped unsent and unreported, whatever comes next (a reopen, a new
// operation). Requests posted by a handler belong to that handler's
// generation, so a cancel that runs inside a handler (its nested event loop)
// also drops what the handler posts afterwards. The worker is busy exactly
// while one of its requests is in flight.
//
// Thread safety:
// - Every public member but the loop runs on the window thread.
// - The worker thread runs the serve loop: it records outcomes, reports
//   answered requests in order and sends the next. It calls handlers
//   through WindowThread::RunAndWait and waits for them; the queue lock is
//   never held while a handler runs (handlers post, and posting takes it).
// - An outcome raised on the window thread (a reply received, the reply
//   timer) is reported from there, in a call the engine's listener posts
//   to the window thread's own queue: the answer reaches its handler, and
//   the handler's next command the engine, without a round trip through
//   the worker's thread. Only one side reports at a time (a claim under
//   the queue lock); the other takes no step meanwhile, so the worker
//   still waits while any handler runs, and the claimant goes on with
//   whatever was answered in between.
// - The cancel generation, Enabled and Stopped are atomics written on the
//   window thread and read by both.
// - Destruction (window thread) stops the loop while serving its pending
//   hand-overs; once teardown has begun no handler is called, and queued
//   requests are dropped.

#include "device/packet.h"
#include "engine/engine.h"
#include "platform/event.h"
#include "platform/thread.h"
#include "platform/windowthread.h"
#include "serial/comenums.h"
#include "serial/portsettings.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class TComParity;
class TComFlowControl;

class TMainThreat {
public:
    // Builds the engine (which may fail with EComPort code 23 when the port
    // list cannot be read) and starts the worker's thread. The port is not
    // opened and nothing is dispatched before BeginOperation.
    TMainThreat(platform::WindowThread& window, const std::string& portName, int baudRate, TDataBits dataBits,
        const TComParity& parity, TStopBits stopBits, const TComFlowControl& flowControl, void* owner);
    ~TMainThreat();
    TMainThreat(const TMainThreat&) = delete;
    TMainThreat& operator=(const TMainThreat&) = delete;

    // Queues a request under the current generation, or under the
    // generation of the handler that is running, when called from one.
    void PostRequest(std::string command, const TAts& ats, int timeout, TRequestHandler onReply,
        TRequestHandler onErrorReply, TRequestHandler onTimeout, void* owner, std::int8_t priority);
    void BeginOperation();
    bool Connect(const std::string& portName, int baudRate);
    // Drops every request posted so far, the one in flight included: none is
    // sent or reported any more.
    void CancelAll();
    bool Stop(bool clear);
    void ShowPortSetup();
    TPortSettings GetPortSettings();

    TTestEngine& Engine() { return *engine_; }
    void* Owner() const { return owner_; }
    // Number of queued requests, for tests and diagnostics.
    size_t QueuedCount();

private:
    enum class RequestState { Queued, InFlight, Answered, Reported };

    struct Request {
        TPacket packet;
        std::uint64_t id = 0;
        std::uint64_t generation = 0;
        // The engine's number for the command once it is in flight.
        std::uint64_t command = 0;
        RequestState state = RequestState::Queued;
    };

    // A handler call taken off the queue, run without the lock.
    struct HandlerCall {
        TRequestHandler handler = nullptr;
        void* owner = nullptr;
        std::string reply;
        std::uint8_t outcome = 0;
        std::uint64_t generation = 0;
    };

    // The one place where a request's state, and the packet's flags that
    // mirror it, change.
    static void Advance(Request& request, RequestState state);

    // Held by the side that reports, while it reports.
    class ReportClaim;

    void Execute();
    // Records the in-flight request's outcome once the engine has one.
    void TakeOutcomeLocked();
    // Reports answered requests and sends the next until the worker has to
    // wait for the line, a post or a click.
    void Serve();
    // The window thread's side: reports what was answered, which sends the next.
    void ReportOnWindowThread();
    // Marks the first answered request reported and returns its call.
    std::optional<HandlerCall> NextReportLocked();
    // Worker thread: the call on the window thread, waited for.
    void RunHandler(const HandlerCall& call);
    // Window thread: the handler, then the next command.
    void CallHandler(const HandlerCall& call);
    enum class Sender { Worker, WindowThread };
    // Hands the first queued request to the engine, unless one is in flight
    // or awaits its report; false when there is none to send or the worker
    // is stopped. From the window thread (after a handler, while the worker
    // waits for it) only onto an open port.
    bool SendNext(Sender sender);
    bool InFlightLocked() const;
    void DropCancelledLocked();

    platform::WindowThread& window_;
    void* owner_;
    platform::Event sendEvent_;
    platform::Event replyEvent_;
    platform::Event errorReplyEvent_;
    platform::Event timeoutEvent_;
    // Wakes the loop before its turn is over: for teardown, a cancel, and to
    // serve a queue that has work now (a post, the start of an operation)
    // instead of at the end of the turn.
    platform::Event wakeEvent_;
    std::unique_ptr<TTestEngine> engine_;

    std::mutex lock_;
    std::deque<Request> requests_;
    std::uint64_t nextId_ = 0;
    // A side is reporting (see ReportClaim).
    bool reporting_ = false;
    // A report is posted to the window thread; the worker leaves it that side.
    bool windowReportPosted_ = false;

    std::atomic<std::uint64_t> generation_{0};
    // The generation of the handler running on the window thread, if any;
    // window thread only.
    std::optional<std::uint64_t> handlerGeneration_;
    std::atomic<bool> enabled_{false};
    std::atomic<bool> stopped_{false};
    std::atomic<bool> tearingDown_{false};
    // Calls posted to the window thread hold it weakly: one that runs after
    // the worker has gone does nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    platform::ServedThread thread_;
};
