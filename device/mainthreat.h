#pragma once
// TMainThreat: the device worker. It queues the window's requests and hands
// them to the engine strictly one at a time; each outcome goes to the
// request's handler on the window thread, which may post further requests.
//
// Thread safety:
// - Every public member but the loop runs on the window thread.
// - The worker thread runs the loop, dispatch and report. It calls handlers
//   through WindowThread::RunAndWait and waits for them; the queue lock is
//   never held while a handler runs (handlers post, and posting takes it).
// - Busy, Enabled, Stopped and ClearRequested are single atomic flags read
//   and written by both threads.
// - Destruction (window thread) stops the loop while serving its pending
//   hand-overs; once teardown has begun no handler is called, and queued
//   requests are dropped.
// - After CancelAll no handler is called until the next Connect, not even
//   one whose call was already waiting for the window thread.

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

    void PostRequest(std::string command, const TAts& ats, int timeout, TRequestHandler onReply,
        TRequestHandler onErrorReply, TRequestHandler onTimeout, void* owner, std::int8_t priority);
    void BeginOperation();
    bool Connect(const std::string& portName, int baudRate);
    void CancelAll();
    bool Stop(bool clear);
    void ShowPortSetup();
    TPortSettings GetPortSettings();

    TTestEngine& Engine() { return *engine_; }
    void* Owner() const { return owner_; }
    // Number of queued requests, for tests and diagnostics.
    size_t QueuedCount();

private:
    void Execute();
    // Both return true when the request just dispatched was lost to a closed
    // port and now awaits its report.
    bool Dispatch();
    void Report();
    void TakeOutcome(std::uint8_t outcome);
    void ClearQueue();
    bool QueueEmpty();

    platform::WindowThread& window_;
    void* owner_;
    platform::Event sendEvent_;
    platform::Event replyEvent_;
    platform::Event errorReplyEvent_;
    platform::Event timeoutEvent_;
    // Wakes the loop before its turn is over: for teardown, and to serve a
    // queue that has work now (a post, the start of an operation) instead
    // of at the end of the turn.
    platform::Event wakeEvent_;
    std::unique_ptr<TTestEngine> engine_;

    // A queued request and the number that identifies it while the window
    // thread inserts requests around it.
    struct Queued {
        TPacket packet;
        std::uint64_t id;
    };

    Queued* FindLocked(std::uint64_t id);

    std::mutex lock_;
    std::deque<Queued> requests_;
    std::uint64_t nextId_ = 0;

    std::atomic<bool> busy_{false};
    std::atomic<bool> enabled_{false};
    std::atomic<bool> stopped_{false};
    std::atomic<bool> clearRequested_{false};
    std::atomic<bool> tearingDown_{false};

    platform::ServedThread thread_;
};
