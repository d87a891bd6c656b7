#pragma once
// DeviceWorker: the device worker. The window posts requests; the worker
// hands them to the engine strictly one at a time, in queue order, and each
// outcome goes to the request's handler on the window thread, which may post
// further requests.
//
// Only the front request is ever past queued. It goes queued -> in flight
// (prepared, the engine told to write it) -> answered (the engine's outcome
// taken) -> reported (its handler running) -> removed, and Serve decides
// every one of these steps, on either thread:
// - the worker thread, woken by a post (not a handler's: the window
//   thread's serve decides those), a cancel, an outcome or its 200 ms
//   turn, sends (opening a closed port first) and leaves reports to
// - the window thread, where a call posted for each outcome reports it and
//   sends the next request at once. The worker takes no step meanwhile.
// The queue lock is never held while a handler runs (handlers post).
//
// A cancel starts a new generation: requests of an older one are dropped
// unsent and unreported, and the engine withdraws such a command it has not
// written yet. Requests posted by a handler belong to its generation.
//
// Thread safety: every public member runs on the window thread.

#include "device/request.h"
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

namespace serial {
class FlowControlSettings;
class ParitySettings;
} // namespace serial

namespace device {

class DeviceWorker {
public:
    // Builds the engine (which fails with ComError::RegError when the port
    // list cannot be read) and starts the worker's thread. The port is not
    // opened and nothing is dispatched before BeginOperation.
    DeviceWorker(platform::WindowThread& window, const std::string& portName, int baudRate,
        serial::DataBitsChoice dataBits, const serial::ParitySettings& parity, serial::StopBitsChoice stopBits,
        const serial::FlowControlSettings& flowControl);
    ~DeviceWorker();
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    // Queues a request under the current generation, or under the
    // generation of the handler that is running, when called from one.
    void PostRequest(std::string command, const engine::MatchRule& ats, int timeout, RequestHandler onReply,
        RequestHandler onErrorReply, RequestHandler onTimeout, std::int8_t priority);
    void BeginOperation();
    // Closes and reopens the port; the request in flight ends unanswered.
    bool Connect(const std::string& portName, int baudRate);
    // Drops every request posted so far, the one in flight included: none is
    // sent or reported any more.
    void CancelAll();
    bool Stop(bool clear);
    void ShowPortSetup();
    serial::PortSettings GetPortSettings();

    engine::Engine& Engine() { return *engine_; }
    // Number of queued requests, for tests and diagnostics.
    size_t QueuedCount();

private:
    enum class RequestState { Queued, InFlight, Answered, Reported };
    struct QueueEntry {
        Request request;
        std::uint64_t generation = 0;
        // The engine's number for the command once it is in flight.
        std::uint64_t command = 0;
        RequestState state = RequestState::Queued;
        bool openTried = false;
    };
    enum class Side { Worker, WindowThread };
    // What Serve does next.
    struct Step {
        enum class Kind { Wait, OpenPort, Send, Report } kind = Kind::Wait;
        // Report: the front's handler call.
        RequestHandler handler;
        std::string reply;
        engine::Outcome outcome = engine::Outcome::Timeout;
        std::uint64_t generation = 0;

        static Step Of(Kind kind)
        {
            Step step;
            step.kind = kind;
            return step;
        }
    };

    // The one place that decides what happens to the front request (its
    // report is marked by ReportLocked); under lock_.
    Step DecideLocked(Side side);
    // Marks the front request reported and hands its handler over.
    Step ReportLocked(QueueEntry& front);
    void Serve(Side side);
    void PostWindowServe();
    // Window thread. Handlers do not throw: the operations catch what their
    // steps throw.
    void CallHandler(const Step& report) noexcept;

    platform::WindowThread& window_;
    platform::Event sendEvent_;
    platform::Event replyEvent_;
    platform::Event errorReplyEvent_;
    platform::Event timeoutEvent_;
    // Wakes the loop before its turn is over: teardown, a cancel, a post.
    platform::Event wakeEvent_;
    std::unique_ptr<engine::Engine> engine_;

    std::mutex lock_;
    std::deque<QueueEntry> queue_;
    // A serve is posted to the window thread and has not run yet.
    std::atomic<bool> windowServePosted_{false};

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

// The worker for stored port settings, as the window and qem-cli make it.
std::unique_ptr<DeviceWorker> MakeDeviceWorker(platform::WindowThread& window, const serial::PortSettings& settings);

} // namespace device
