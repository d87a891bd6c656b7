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
    Queued request;
    request.packet.Ats = ats;
    request.packet.CommandText = std::move(command);
    request.packet.Timeout = timeout;
    request.packet.OnReply = onReply;
    request.packet.OnErrorReply = onErrorReply;
    request.packet.OnTimeout = onTimeout;
    request.packet.Owner = owner;
    request.packet.Priority = priority;

    std::lock_guard lock(lock_);
    request.id = nextId_++;
    // Everything behind the front stays ordered by priority, stable; the
    // front never moves. Inserting after the last request of equal or lower
    // priority keeps that order without sorting the whole queue: a write
    // posts several hundred requests in one handler.
    auto at = requests_.end();
    if (!requests_.empty())
        at = std::upper_bound(requests_.begin() + 1, requests_.end(), priority,
            [](std::int8_t p, const Queued& q) { return p < q.packet.Priority; });
    requests_.insert(at, std::move(request));
    wakeEvent_.Set();
}

void TMainThreat::BeginOperation()
{
    enabled_ = true;
    busy_ = false;
    stopped_ = false;
    wakeEvent_.Set();
}

bool TMainThreat::Connect(const std::string& portName, int baudRate)
{
    clearRequested_ = false;
    stopped_ = false;
    busy_ = false;
    const bool configured = engine_->ConfigurePort(portName, baudRate);
    const bool opened = configured && engine_->OpenPort();
    return opened && engine_->IsPortOpen();
}

void TMainThreat::CancelAll()
{
    clearRequested_ = true;
}

bool TMainThreat::Stop(bool clear)
{
    if (clear)
        CancelAll();
    stopped_ = true;
    busy_ = false;
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

bool TMainThreat::QueueEmpty()
{
    std::lock_guard lock(lock_);
    return requests_.empty();
}

TMainThreat::Queued* TMainThreat::FindLocked(std::uint64_t id)
{
    for (auto& q : requests_)
        if (q.id == id)
            return &q;
    return nullptr;
}

void TMainThreat::ClearQueue()
{
    std::lock_guard lock(lock_);
    requests_.clear();
    clearRequested_ = false;
}

void TMainThreat::Execute()
{
    while (!thread_.Terminated()) {
        const int which = platform::WaitAny({&replyEvent_, &timeoutEvent_, &errorReplyEvent_, &wakeEvent_}, LoopTurn);
        if (thread_.Terminated())
            break;
        try {
            switch (which) {
            case 0:
                TakeOutcome(OutcomeReply);
                break;
            case 1:
                TakeOutcome(OutcomeTimeout);
                break;
            case 2:
                TakeOutcome(OutcomeErrorReply);
                break;
            default:
                // The turn is over, or was cut short because there is work:
                // serve the queue. (Teardown has left the loop above.)
                if (!QueueEmpty()) {
                    std::lock_guard lock(lock_);
                    std::erase_if(requests_, [](const Queued& q) { return q.packet.Reported; });
                }
                if (!QueueEmpty() && !busy_ && enabled_ && Dispatch())
                    Report();
                break;
            }
        } catch (...) {
            // A failing step must not end the worker: the next turn goes on.
        }
    }
}

void TMainThreat::TakeOutcome(std::uint8_t outcome)
{
    {
        std::lock_guard lock(lock_);
        // The most recently sent request still waiting for its answer.
        auto awaiting = std::find_if(requests_.rbegin(), requests_.rend(), [](const Queued& q) {
            return q.packet.Sent && !q.packet.Answered && !q.packet.Reported;
        });
        // An outcome nobody awaits (a late error text, say) is ignored.
        if (awaiting == requests_.rend())
            return;
        busy_ = false;
        awaiting->packet.Outcome = outcome;
        awaiting->packet.Answered = true;
        if (outcome != OutcomeTimeout)
            awaiting->packet.ReplyText = engine_->Reply();
    }
    Report();
}

void TMainThreat::Report()
{
    for (;;) {
        if (QueueEmpty() || !enabled_ || clearRequested_) {
            if (clearRequested_)
                ClearQueue();
            return;
        }
        TRequestHandler handler = nullptr;
        void* owner = nullptr;
        std::string reply;
        std::uint8_t outcome = 0;
        {
            std::lock_guard lock(lock_);
            auto done = std::find_if(requests_.begin(), requests_.end(), [](const Queued& q) {
                return q.packet.Sent && q.packet.Answered && !q.packet.Reported;
            });
            if (done != requests_.end()) {
                done->packet.Reported = true;
                handler = done->packet.HandlerFor(done->packet.Outcome);
                owner = done->packet.Owner;
                reply = done->packet.ReplyText;
                outcome = done->packet.Outcome;
            }
        }
        if (handler != nullptr && !tearingDown_) {
            window_.RunAndWait([&] {
                // Teardown, or a cancel (the window thread may have run one
                // while this call waited in its queue), may have come since.
                if (!tearingDown_ && !clearRequested_)
                    handler(owner, this, reply, outcome);
            });
        }
        {
            std::lock_guard lock(lock_);
            std::erase_if(requests_, [](const Queued& q) { return q.packet.Reported; });
        }
        busy_ = false;
        if (!Dispatch())
            return;
        // The request just dispatched was lost to a closed port: report it too.
    }
}

bool TMainThreat::Dispatch()
{
    if (busy_ || clearRequested_) {
        if (clearRequested_)
            ClearQueue();
        return false;
    }
    busy_ = true;
    std::uint64_t id = 0;
    std::string command;
    TAts ats;
    int timeout = 0;
    {
        std::lock_guard lock(lock_);
        auto next = std::find_if(requests_.begin(), requests_.end(), [](const Queued& q) { return !q.packet.Sent; });
        if (next == requests_.end()) {
            busy_ = false;
            return false;
        }
        id = next->id;
        command = next->packet.CommandText;
        ats = next->packet.Ats;
        timeout = next->packet.Timeout;
    }
    engine_->PrepareCommand(command, ats, timeout);
    if (!engine_->IsPortOpen() && !stopped_)
        engine_->OpenPort();

    bool lost = false;
    if (!stopped_) {
        const bool open = engine_->IsPortOpen();
        {
            std::lock_guard lock(lock_);
            if (Queued* request = FindLocked(id)) {
                request->packet.Sent = true;
                // The engine drops a command while the port is closed and no
                // outcome would ever follow; report it as unanswered at once
                // so the operation ends with its own failure message.
                if (!open) {
                    request->packet.Answered = true;
                    request->packet.Outcome = OutcomeTimeout;
                    lost = true;
                }
            }
        }
        if (open)
            sendEvent_.Set();
    }
    if (!engine_->IsPortOpen())
        busy_ = false;
    return lost;
}
