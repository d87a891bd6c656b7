#include "device/mainthreat.h"

#include "platform/deadline.h"
#include "serial/comconvert.h"
#include "serial/comsettings.h"

#include <algorithm>
#include <optional>

using namespace std::chrono_literals;

namespace {

constexpr auto LoopTurn = 200ms;

} // namespace

TMainThreat::TMainThreat(platform::WindowThread& window, const std::string& portName, int baudRate,
    TDataBits dataBits, const TComParity& parity, TStopBits stopBits, const TComFlowControl& flowControl)
    : window_(window)
    , engine_(std::make_unique<TTestEngine>(window, portName, baudRate,
          TTestEngine::Events{sendEvent_, replyEvent_, errorReplyEvent_, timeoutEvent_}))
    , thread_(window)
{
    TComPort& port = engine_->Port();
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

TMainThreat::~TMainThreat()
{
    tearingDown_ = true;
    thread_.Terminate();
    wakeEvent_.Set();
    thread_.Join();
    engine_.reset();
}

void TMainThreat::PostRequest(std::string command, const TAts& ats, int timeout, TRequestHandler onReply,
    TRequestHandler onErrorReply, TRequestHandler onTimeout, std::int8_t priority)
{
    Request request;
    request.packet.Ats = ats;
    request.packet.CommandText = std::move(command);
    request.packet.Timeout = timeout;
    request.packet.OnReply = std::move(onReply);
    request.packet.OnErrorReply = std::move(onErrorReply);
    request.packet.OnTimeout = std::move(onTimeout);
    request.packet.Priority = priority;
    request.generation = handlerGeneration_.value_or(generation_.load());

    std::lock_guard lock(lock_);
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
    // One step under the queue's lock: no decision of the worker's thread
    // sees the new generation while the command in flight could still be
    // taken for writing, nor the other way round. A command the engine has
    // already written stays in flight until its outcome, which ends it
    // unreported; one not yet written never will be.
    {
        std::lock_guard lock(lock_);
        ++generation_;
        if (!requests_.empty() && requests_.front().state == RequestState::InFlight)
            engine_->Withdraw(requests_.front().command);
    }
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

TMainThreat::Step TMainThreat::DecideLocked(Side side)
{
    for (;;) {
        if (tearingDown_)
            return {};
        const std::uint64_t current = generation_;
        // What a cancel dropped, unless it is on the line: its outcome, when
        // it comes, ends it unreported.
        std::erase_if(requests_, [current](const Request& r) {
            return r.generation != current && (r.state == RequestState::Queued || r.state == RequestState::Answered);
        });
        if (requests_.empty())
            return {};
        Request& front = requests_.front();
        switch (front.state) {
        case RequestState::Reported:
            return {}; // its handler runs; the side reporting it goes on afterwards
        case RequestState::InFlight: {
            const std::optional<TTestEngine::Result> result = engine_->OutcomeOf(front.command);
            if (!result)
                return {};
            front.packet.Outcome = result->outcome;
            front.packet.ReplyText = result->reply;
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
            front.state = RequestState::Reported;
            Step report = Step::Of(Step::Kind::Report);
            report.handler = front.packet.HandlerFor(front.packet.Outcome);
            report.reply = front.packet.ReplyText;
            report.outcome = front.packet.Outcome;
            report.generation = front.generation;
            return report;
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
            front.command = engine_->PrepareCommand(front.packet.CommandText, front.packet.Ats, front.packet.Timeout);
            front.state = RequestState::InFlight;
            return Step::Of(Step::Kind::Send);
        }
    }
}

void TMainThreat::Serve(Side side)
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
                requests_.pop_front();
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

void TMainThreat::PostWindowServe()
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

void TMainThreat::CallHandler(const Step& report) noexcept
{
    if (!report.handler)
        return;
    const std::optional<std::uint64_t> outer = handlerGeneration_;
    handlerGeneration_ = report.generation;
    report.handler(*this, report.reply, report.outcome);
    handlerGeneration_ = outer;
}
