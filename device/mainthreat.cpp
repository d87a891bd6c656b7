#include "device/mainthreat.h"

#include "platform/deadline.h"
#include "serial/comconvert.h"
#include "serial/comsettings.h"

#include <algorithm>

using namespace std::chrono_literals;

namespace {

constexpr auto LoopTurn = 200ms;

void CopyFlowControl(const TComFlowControl& from, TComFlowControl& to)
{
    to.SetOutCTSFlow(from.OutCTSFlow());
    to.SetOutDSRFlow(from.OutDSRFlow());
    to.SetControlDTR(from.ControlDTR());
    to.SetControlRTS(from.ControlRTS());
    to.SetXonXoffOut(from.XonXoffOut());
    to.SetXonXoffIn(from.XonXoffIn());
    to.SetDSRSensitivity(from.DSRSensitivity());
    to.SetTxContinueOnXoff(from.TxContinueOnXoff());
    to.SetXonChar(from.XonChar());
    to.SetXoffChar(from.XoffChar());
}

} // namespace

class TMainThreat::ReportClaim {
public:
    explicit ReportClaim(TMainThreat& worker)
        : worker_(worker)
    {
    }
    ReportClaim(const ReportClaim&) = delete;
    ReportClaim& operator=(const ReportClaim&) = delete;
    // Also when the handler throws: the queue must not stay claimed.
    ~ReportClaim()
    {
        std::lock_guard lock(worker_.lock_);
        worker_.reporting_ = false;
        std::erase_if(worker_.requests_, [](const Request& r) { return r.state == RequestState::Reported; });
    }

private:
    TMainThreat& worker_;
};

TMainThreat::TMainThreat(platform::WindowThread& window, const std::string& portName, int baudRate,
    TDataBits dataBits, const TComParity& parity, TStopBits stopBits, const TComFlowControl& flowControl,
    void* owner)
    : window_(window)
    , owner_(owner)
    , engine_(std::make_unique<TTestEngine>(window, portName, baudRate,
          TTestEngine::Events{sendEvent_, replyEvent_, errorReplyEvent_, timeoutEvent_}))
    , thread_(window)
{
    TComPort& port = engine_->Port();
    port.SetDataBits(dataBits);
    port.Parity().SetBits(parity.Bits());
    port.SetStopBits(stopBits);
    CopyFlowControl(flowControl, port.FlowControl());
    engine_->SetOutcomeListener([this, alive = std::weak_ptr<int>(alive_)] {
        {
            std::lock_guard lock(lock_);
            windowReportPosted_ = true;
        }
        // Posted, not run here: this is inside the port's receive step, and
        // a handler may close that port or open a modal window.
        window_.Post([this, alive] {
            if (!alive.expired())
                ReportOnWindowThread();
        });
    });
    thread_.Start([this] { Execute(); });
}

TMainThreat::~TMainThreat()
{
    tearingDown_ = true;
    thread_.Terminate();
    wakeEvent_.Set();
    thread_.Join();
    engine_.reset();
}

void TMainThreat::PostRequest(std::string command, const TAts& ats, int timeout, TRequestHandler onReply,
    TRequestHandler onErrorReply, TRequestHandler onTimeout, void* owner, std::int8_t priority)
{
    Request request;
    request.packet.Ats = ats;
    request.packet.CommandText = std::move(command);
    request.packet.Timeout = timeout;
    request.packet.OnReply = onReply;
    request.packet.OnErrorReply = onErrorReply;
    request.packet.OnTimeout = onTimeout;
    request.packet.Owner = owner;
    request.packet.Priority = priority;
    request.generation = handlerGeneration_.value_or(generation_.load());

    std::lock_guard lock(lock_);
    request.id = nextId_++;
    // Everything behind the front stays ordered by priority, stable; the
    // front never moves. Inserting after the last request of equal or lower
    // priority keeps that order without sorting the whole queue: a write
    // posts several hundred requests in one handler.
    auto at = requests_.end();
    if (!requests_.empty())
        at = std::upper_bound(requests_.begin() + 1, requests_.end(), priority,
            [](std::int8_t p, const Request& r) { return p < r.packet.Priority; });
    requests_.insert(at, std::move(request));
    wakeEvent_.Set();
}

void TMainThreat::BeginOperation()
{
    enabled_ = true;
    stopped_ = false;
    wakeEvent_.Set();
}

bool TMainThreat::Connect(const std::string& portName, int baudRate)
{
    // A cancel is not undone here: what it dropped stays dropped.
    stopped_ = false;
    const bool configured = engine_->ConfigurePort(portName, baudRate);
    const bool opened = configured && engine_->OpenPort();
    return opened && engine_->IsPortOpen();
}

void TMainThreat::CancelAll()
{
    ++generation_;
    wakeEvent_.Set();
}

bool TMainThreat::Stop(bool clear)
{
    if (clear)
        CancelAll();
    stopped_ = true;
    platform::SleepMs(100);
    engine_->ClosePort();
    return !engine_->IsPortOpen();
}

void TMainThreat::ShowPortSetup()
{
    engine_->Port().ShowSetupDialog();
}

TPortSettings TMainThreat::GetPortSettings()
{
    TComPort& port = engine_->Port();
    TPortSettings settings;
    settings.BaudRate = port.BaudRate() == brCustom ? static_cast<std::uint32_t>(port.CustomBaudRate())
                                                    : BaudRateToValue(port.BaudRate());
    settings.Port = port.Port();
    settings.DataBits = port.DataBits();
    settings.StopBits = port.StopBits();
    settings.Parity = port.Parity().Bits();
    settings.FlowControl = port.FlowControl().GetFlowControl();
    return settings;
}

size_t TMainThreat::QueuedCount()
{
    std::lock_guard lock(lock_);
    return requests_.size();
}

void TMainThreat::Advance(Request& request, RequestState state)
{
    request.state = state;
    request.packet.Sent = state != RequestState::Queued;
    request.packet.Answered = state == RequestState::Answered || state == RequestState::Reported;
    request.packet.Reported = state == RequestState::Reported;
}

bool TMainThreat::InFlightLocked() const
{
    return std::any_of(requests_.begin(), requests_.end(),
        [](const Request& r) { return r.state == RequestState::InFlight; });
}

void TMainThreat::DropCancelledLocked()
{
    const std::uint64_t current = generation_;
    // An outcome that still comes for a dropped request in flight carries
    // the engine's number of that command, which no request holds any more.
    std::erase_if(requests_, [current](const Request& r) { return r.generation != current; });
}

void TMainThreat::Execute()
{
    while (!thread_.Terminated()) {
        const int which = platform::WaitAny({&replyEvent_, &timeoutEvent_, &errorReplyEvent_, &wakeEvent_}, LoopTurn);
        if (thread_.Terminated())
            break;
        try {
            // Which outcome event woke us does not matter: the engine keeps
            // each command's first outcome with the command's number.
            if (which >= 0 && which <= 2) {
                std::lock_guard lock(lock_);
                TakeOutcomeLocked();
            }
            Serve();
        } catch (...) {
            // A failing step must not end the worker: the next turn goes on.
        }
    }
}

void TMainThreat::TakeOutcomeLocked()
{
    auto inFlight = std::find_if(requests_.begin(), requests_.end(),
        [](const Request& r) { return r.state == RequestState::InFlight; });
    // An outcome nobody awaits (a late error text, a dropped command) is ignored.
    if (inFlight == requests_.end())
        return;
    const std::optional<TTestEngine::Outcome> outcome = engine_->OutcomeOf(inFlight->command);
    if (!outcome)
        return;
    inFlight->packet.Outcome = outcome->code;
    inFlight->packet.ReplyText = outcome->reply;
    Advance(*inFlight, RequestState::Answered);
}

void TMainThreat::Serve()
{
    while (!thread_.Terminated()) {
        std::optional<HandlerCall> report;
        {
            std::lock_guard lock(lock_);
            DropCancelledLocked();
            // The window thread reports, or is about to, and sends the next itself.
            if (!enabled_ || reporting_ || windowReportPosted_)
                return;
            report = NextReportLocked();
            if (!report && (stopped_ || InFlightLocked()))
                return;
            reporting_ = report.has_value();
        }
        if (!report) {
            if (!SendNext(Sender::Worker))
                return;
            continue;
        }
        const ReportClaim claim(*this);
        RunHandler(*report);
    }
}

void TMainThreat::ReportOnWindowThread()
{
    for (;;) {
        std::optional<HandlerCall> report;
        {
            std::lock_guard lock(lock_);
            windowReportPosted_ = false;
            if (tearingDown_)
                return;
            // Taken in any case: a worker that reports meanwhile goes on
            // with it once its own handler has returned.
            TakeOutcomeLocked();
            if (reporting_ || !enabled_)
                return;
            DropCancelledLocked();
            report = NextReportLocked();
            if (!report) {
                // Nothing went out after the handler (the port is closed, or
                // the worker was stopped): what is queued is the worker's.
                if (!InFlightLocked() && !requests_.empty())
                    wakeEvent_.Set();
                return;
            }
            reporting_ = true;
        }
        const ReportClaim claim(*this);
        CallHandler(*report);
    }
}

std::optional<TMainThreat::HandlerCall> TMainThreat::NextReportLocked()
{
    auto answered = std::find_if(requests_.begin(), requests_.end(),
        [](const Request& r) { return r.state == RequestState::Answered; });
    if (answered == requests_.end())
        return std::nullopt;
    Advance(*answered, RequestState::Reported);
    return HandlerCall{answered->packet.HandlerFor(answered->packet.Outcome), answered->packet.Owner,
        answered->packet.ReplyText, answered->packet.Outcome, answered->generation};
}

void TMainThreat::RunHandler(const HandlerCall& call)
{
    if (call.handler == nullptr || tearingDown_)
        return;
    window_.RunAndWait([&] { CallHandler(call); });
}

void TMainThreat::CallHandler(const HandlerCall& call)
{
    // Teardown or a cancel may have come while this call waited for the
    // window thread.
    if (tearingDown_ || call.generation != generation_)
        return;
    if (call.handler != nullptr) {
        const std::optional<std::uint64_t> outer = handlerGeneration_;
        handlerGeneration_ = call.generation;
        struct Restore {
            std::optional<std::uint64_t>& slot;
            std::optional<std::uint64_t> value;
            ~Restore() { slot = value; }
        } restore{handlerGeneration_, outer};
        call.handler(call.owner, this, call.reply, call.outcome);
    }
    // Already on the window thread: the next command is sent from here,
    // which spares the worker's and the engine's threads a hand-over
    // each on the way from an answer to the next command.
    if (!tearingDown_)
        SendNext(Sender::WindowThread);
}

bool TMainThreat::SendNext(Sender sender)
{
    std::uint64_t id = 0;
    std::string command;
    TAts ats;
    int timeout = 0;
    {
        std::lock_guard lock(lock_);
        const std::uint64_t current = generation_;
        const bool waiting = std::any_of(requests_.begin(), requests_.end(), [current](const Request& r) {
            return r.generation == current && (r.state == RequestState::InFlight || r.state == RequestState::Answered);
        });
        auto next = std::find_if(requests_.begin(), requests_.end(),
            [current](const Request& r) { return r.state == RequestState::Queued && r.generation == current; });
        if (waiting || next == requests_.end())
            return false;
        id = next->id;
        command = next->packet.CommandText;
        ats = next->packet.Ats;
        timeout = next->packet.Timeout;
    }
    // Opening a closed port takes its pauses: that is left to the worker.
    if (sender == Sender::WindowThread && (stopped_ || !engine_->IsPortOpen()))
        return false;
    const std::uint64_t number = engine_->PrepareCommand(command, ats, timeout);
    if (sender == Sender::WindowThread)
        engine_->ReadyReceiveSide();
    else if (!engine_->IsPortOpen() && !stopped_)
        engine_->OpenPort();
    if (stopped_)
        return false;

    const bool open = engine_->IsPortOpen();
    {
        std::lock_guard lock(lock_);
        auto request = std::find_if(requests_.begin(), requests_.end(), [id](const Request& r) { return r.id == id; });
        // Cancelled meanwhile: the next turn drops it unsent.
        if (request == requests_.end() || request->generation != generation_)
            return true;
        request->command = number;
        Advance(*request, RequestState::InFlight);
        // The engine drops a command while the port is closed and no outcome
        // would ever follow; it is reported as unanswered at once so the
        // operation ends with its own failure message.
        if (!open) {
            request->packet.Outcome = OutcomeTimeout;
            Advance(*request, RequestState::Answered);
            return true;
        }
    }
    sendEvent_.Set();
    return true;
}
