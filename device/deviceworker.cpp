#include "device/deviceworker.h"

#include "platform/deadline.h"
#include "serial/comconvert.h"
#include "serial/comsettings.h"

#include <algorithm>
#include <optional>

namespace device {

using namespace std::chrono_literals;

namespace {

constexpr auto LoopTurn = 200ms;

} // namespace

DeviceWorker::DeviceWorker(platform::WindowThread& window, const std::string& portName, int baudRate,
    serial::DataBitsChoice dataBits, const serial::ParitySettings& parity, serial::StopBitsChoice stopBits,
    const serial::FlowControlSettings& flowControl)
    : window_(window)
    , engine_(std::make_unique<engine::Engine>(window, portName, baudRate,
          engine::Engine::Events{sendEvent_, replyEvent_, errorReplyEvent_, timeoutEvent_}))
    , thread_(window)
{
    serial::SerialPort& port = engine_->Port();
    port.SetDataBits(dataBits);
    port.Parity().SetBits(parity.Bits());
    port.SetStopBits(stopBits);
    port.FlowControl().SetFields(flowControl.Fields());
    // Every outcome is reported from the window thread, where the answer
    // usually came in: its handler runs, and the next command goes out,
    // without a round trip through the worker's thread.
    // It takes no lock: a cancel withdraws the command in flight under the
    // queue's lock, and that outcome comes straight here.
    engine_->SetOutcomeListener([this] { PostWindowServe(); });
    thread_.Start([this] {
        while (!thread_.Terminated()) {
            platform::WaitAny({&replyEvent_, &timeoutEvent_, &errorReplyEvent_, &wakeEvent_}, LoopTurn);
            if (thread_.Terminated())
                break;
            try {
                Serve(Side::Worker);
            } catch (...) {
                // A step that fails (out of memory) leaves its request as it
                // was; the next turn tries again.
            }
        }
    });
}

DeviceWorker::~DeviceWorker()
{
    tearingDown_ = true;
    thread_.Terminate();
    wakeEvent_.Set();
    thread_.Join();
    engine_.reset();
}

void DeviceWorker::PostRequest(std::string command, const engine::MatchRule& ats, int timeout, RequestHandler onReply,
    RequestHandler onErrorReply, RequestHandler onTimeout, std::int8_t priority)
{
    QueueEntry entry;
    entry.request.Ats = ats;
    entry.request.CommandText = std::move(command);
    entry.request.Timeout = timeout;
    entry.request.OnReply = std::move(onReply);
    entry.request.OnErrorReply = std::move(onErrorReply);
    entry.request.OnTimeout = std::move(onTimeout);
    entry.request.Priority = priority;
    entry.generation = handlerGeneration_.value_or(generation_.load());

    std::lock_guard lock(lock_);
    // Everything behind the front stays ordered by priority, stable; the
    // front never moves. Inserting after the last request of equal or lower
    // priority keeps that order without sorting the whole queue: a write
    // posts several hundred requests in one handler.
    auto at = queue_.end();
    if (!queue_.empty())
        at = std::upper_bound(queue_.begin() + 1, queue_.end(), priority,
            [](std::int8_t p, const QueueEntry& r) { return p < r.request.Priority; });
    queue_.insert(at, std::move(entry));
    // A handler's posts are decided by the window thread's serve as soon as
    // the handler returns; waking the worker for them would only cost the
    // next command that wake-up.
    if (!handlerGeneration_)
        wakeEvent_.Set();
}

void DeviceWorker::BeginOperation()
{
    enabled_ = true;
    stopped_ = false;
    wakeEvent_.Set();
}

bool DeviceWorker::Connect(const std::string& portName, int baudRate)
{
    // A cancel is not undone here: what it dropped stays dropped.
    stopped_ = false;
    const bool configured = engine_->ConfigurePort(portName, baudRate);
    const bool opened = configured && engine_->OpenPort();
    return opened && engine_->IsPortOpen();
}

void DeviceWorker::CancelAll()
{
    // One step under the queue's lock: no decision of the worker's thread
    // sees the new generation while the command in flight could still be
    // taken for writing, nor the other way round. A command the engine has
    // already written stays in flight until its outcome, which ends it
    // unreported; one not yet written never will be.
    {
        std::lock_guard lock(lock_);
        ++generation_;
        if (!queue_.empty() && queue_.front().state == RequestState::InFlight)
            engine_->Withdraw(queue_.front().command);
    }
    wakeEvent_.Set();
}

bool DeviceWorker::Stop(bool clear)
{
    if (clear)
        CancelAll();
    stopped_ = true;
    platform::SleepMs(100);
    engine_->ClosePort();
    return !engine_->IsPortOpen();
}

void DeviceWorker::ShowPortSetup()
{
    engine_->Port().ShowSetupDialog();
}

serial::PortSettings DeviceWorker::GetPortSettings()
{
    serial::SerialPort& port = engine_->Port();
    serial::PortSettings settings;
    settings.BaudRate = port.BaudRate() == serial::brCustom ? static_cast<std::uint32_t>(port.CustomBaudRate())
                                                            : serial::BaudRateToValue(port.BaudRate());
    settings.Port = port.Port();
    settings.DataBits = port.DataBits();
    settings.StopBits = port.StopBits();
    settings.Parity = port.Parity().Bits();
    settings.FlowControl = port.FlowControl().GetFlowControl();
    return settings;
}

size_t DeviceWorker::QueuedCount()
{
    std::lock_guard lock(lock_);
    return queue_.size();
}

DeviceWorker::Step DeviceWorker::DecideLocked(Side side)
{
    for (;;) {
        if (tearingDown_)
            return {};
        const std::uint64_t current = generation_;
        // What a cancel dropped, unless it is on the line: its outcome, when
        // it comes, ends it unreported.
        std::erase_if(queue_, [current](const QueueEntry& r) {
            return r.generation != current && (r.state == RequestState::Queued || r.state == RequestState::Answered);
        });
        if (queue_.empty())
            return {};
        QueueEntry& front = queue_.front();
        switch (front.state) {
        case RequestState::Reported:
            return {}; // its handler runs; the side reporting it goes on afterwards
        case RequestState::InFlight: {
            const std::optional<engine::Engine::Result> result = engine_->OutcomeOf(front.command);
            if (!result)
                return {};
            front.request.Outcome = result->outcome;
            front.request.ReplyText = result->reply;
            front.state = RequestState::Answered;
            continue;
        }
        case RequestState::Answered: {
            if (!enabled_)
                return {};
            if (side == Side::Worker) {
                PostWindowServe();
                return {};
            }
            return ReportLocked(front);
        }
        case RequestState::Queued:
            if (!enabled_ || stopped_)
                return {};
            if (!engine_->IsPortOpen()) {
                // Opening takes its pauses: on the worker's thread, never the window's.
                if (side == Side::WindowThread) {
                    wakeEvent_.Set();
                    return {};
                }
                if (!front.openTried) {
                    front.openTried = true;
                    return Step::Of(Step::Kind::OpenPort);
                }
                // Still closed: the engine ends it unanswered.
            }
            front.command = engine_->PrepareCommand(front.request.CommandText, front.request.Ats,
                front.request.Timeout);
            front.state = RequestState::InFlight;
            return Step::Of(Step::Kind::Send);
        }
    }
}

DeviceWorker::Step DeviceWorker::ReportLocked(QueueEntry& front)
{
    front.state = RequestState::Reported;
    Step report = Step::Of(Step::Kind::Report);
    report.handler = front.request.HandlerFor(front.request.Outcome);
    report.reply = front.request.ReplyText;
    report.outcome = front.request.Outcome;
    report.generation = front.generation;
    return report;
}

void DeviceWorker::Serve(Side side)
{
    bool reported = false;
    for (;;) {
        Step step;
        {
            std::lock_guard lock(lock_);
            // The reported front goes in the same step as the decision on
            // the next, so the worker cannot send it meanwhile, which would
            // cost the engine a hand-over back to this thread.
            if (reported)
                queue_.pop_front();
            step = DecideLocked(side);
        }
        reported = false;
        switch (step.kind) {
        case Step::Kind::Wait:
            return;
        case Step::Kind::OpenPort:
            engine_->OpenPort();
            break;
        case Step::Kind::Send:
            sendEvent_.Set();
            return;
        case Step::Kind::Report:
            CallHandler(step);
            reported = true;
            break;
        }
    }
}

void DeviceWorker::PostWindowServe()
{
    if (windowServePosted_.exchange(true))
        return;
    window_.Post([this, alive = std::weak_ptr<int>(alive_)] {
        if (alive.expired())
            return;
        // Cleared before serving: an outcome from now on posts again.
        windowServePosted_ = false;
        Serve(Side::WindowThread);
    });
}

void DeviceWorker::CallHandler(const Step& report) noexcept
{
    if (!report.handler)
        return;
    const std::optional<std::uint64_t> outer = handlerGeneration_;
    handlerGeneration_ = report.generation;
    report.handler(*this, report.reply, report.outcome);
    handlerGeneration_ = outer;
}

std::unique_ptr<DeviceWorker> MakeDeviceWorker(platform::WindowThread& window, const serial::PortSettings& settings)
{
    // The settings objects exist for this call only; the worker copies them
    // into its port.
    serial::ParitySettings parity;
    parity.SetBits(settings.Parity);
    serial::FlowControlSettings flowControl;
    flowControl.SetFlowControl(settings.FlowControl);
    return std::make_unique<DeviceWorker>(window, settings.Port, static_cast<int>(settings.BaudRate), settings.DataBits,
        parity, settings.StopBits, flowControl);
}

} // namespace device
