#include "cli/devicesession.h"

#include "cli/failure.h"
#include "cli/interrupt.h"
#include "device/mainthreat.h"
#include "device/sequences.h"
#include "serial/comaccess.h"
#include "serial/comsettings.h"

#include <cstring>

namespace cli {
namespace {

using namespace std::chrono_literals;

// How often progress is redrawn and a Ctrl-C noticed.
constexpr auto Turn = 100ms;

DeviceSession& SessionOf(void* owner)
{
    return *static_cast<DeviceSession*>(owner);
}

std::string Seconds(int milliseconds)
{
    return milliseconds % 1000 == 0 ? std::to_string(milliseconds / 1000) + " s" : std::to_string(milliseconds) + " ms";
}

} // namespace

DeviceSession::DeviceSession(const TPortSettings& settings, Progress& progress)
    : portName_(settings.Port)
    , progress_(progress)
{
    // The settings objects exist for this call only, as in the window.
    TComParity parity;
    parity.SetBits(settings.Parity);
    TComFlowControl flowControl;
    flowControl.SetFlowControl(settings.FlowControl);
    try {
        worker_ = std::make_unique<TMainThreat>(window_, settings.Port, static_cast<int>(settings.BaudRate),
            settings.DataBits, parity, settings.StopBits, flowControl, this);
    } catch (const std::exception& error) {
        throw DeviceFailure(std::string("cannot start the device worker: ") + error.what());
    }
}

DeviceSession::~DeviceSession()
{
    // The worker's teardown serves its pending hand-overs and closes the
    // port, which releases its lock for the next program.
    worker_.reset();
}

void DeviceSession::OpenPort()
{
    progress_.Begin("connecting to " + portName_);
    if (sequence::ReopenPort(*worker_))
        return;
    const int error = worker_->Engine().LastOpenError();
    std::string why = serial::AccessAdvice(worker_->Engine().Port().Port(), error);
    if (why.empty())
        why = error > 0 ? std::strerror(error) : "reason unknown";
    throw DeviceFailure("port " + portName_ + " cannot be opened: " + why);
}

void DeviceSession::Serve(std::optional<platform::Deadline> giveUp, const std::string& tooLong)
{
    while (!over_) {
        window_.RunUntil([this] { return over_ || InterruptRequested(); }, Turn);
        progress_.Tick();
        if (!over_ && InterruptRequested()) {
            worker_->CancelAll();
            throw Failure(ExitInterrupted, "cancelled");
        }
        if (!over_ && giveUp && giveUp->Expired()) {
            worker_->CancelAll();
            throw DeviceFailure(tooLong);
        }
    }
    progress_.End();
    if (failure_)
        throw DeviceFailure(*failure_);
}

void DeviceSession::Fail(TMainThreat& worker, const std::string& step)
{
    worker.CancelAll();
    failure_ = step;
    over_ = true;
}

void DeviceSession::Write(const std::string& image)
{
    over_ = false;
    failure_.reset();
    image_ = image;
    framesQueued_ = 0;
    framesAcknowledged_ = 0;
    OpenPort();
    sequence::PostWriteHello(*worker_, &OnWriteConnect, this);
    worker_->BeginOperation();
    Serve(std::nullopt, {});
}

void DeviceSession::OnWriteConnect(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    DeviceSession& session = SessionOf(owner);
    if (outcome != OutcomeReply)
        return session.Fail(*worker, "no answer to the hello within " + Seconds(sequence::WriteHelloTimeout));
    session.progress_.Step("preparing to write");
    // After a Ctrl-C during the pause or the posting nothing more is
    // posted, as after the window's "Cancel"; Serve then cancels.
    session.framesQueued_ = sequence::PostWriteBody(*worker, session.image_,
        {&OnWriteHandshake, &OnFrameWritten, &OnFrameWritten, &OnWriteFinished}, owner,
        [] { return !InterruptRequested(); });
    session.progress_.Step("writing");
}

void DeviceSession::OnWriteHandshake(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    if (outcome != OutcomeReply)
        SessionOf(owner).Fail(*worker, "no answer to the second hello within " + Seconds(sequence::WriteHelloTimeout));
}

void DeviceSession::OnFrameWritten(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    DeviceSession& session = SessionOf(owner);
    if (outcome != OutcomeReply)
        return session.Fail(*worker, "no acknowledgement at frame " + std::to_string(session.framesAcknowledged_ + 1)
            + " of " + std::to_string(session.framesQueued_));
    ++session.framesAcknowledged_;
    session.progress_.Frames(session.framesAcknowledged_, session.framesQueued_);
}

void DeviceSession::OnWriteFinished(void* owner, TMainThreat*, std::string, std::uint8_t)
{
    // Whatever the outcome: the device has had every frame.
    SessionOf(owner).over_ = true;
}

std::string DeviceSession::Read()
{
    over_ = false;
    failure_.reset();
    dump_.clear();
    worker_->BeginOperation();
    OpenPort();
    const platform::Deadline giveUp{std::chrono::milliseconds(sequence::ReadGiveUpMs)};
    progress_.Step("reading");
    sequence::PostRead(*worker_, &OnReadHandshake, &OnReadData, this);
    Serve(giveUp, "the dump did not complete within " + Seconds(sequence::ReadGiveUpMs));
    return dump_;
}

void DeviceSession::OnReadHandshake(void* owner, TMainThreat* worker, std::string, std::uint8_t outcome)
{
    if (outcome != OutcomeReply)
        SessionOf(owner).Fail(*worker, "no answer to the hello within " + Seconds(sequence::ReadHelloTimeout));
}

void DeviceSession::OnReadData(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome)
{
    DeviceSession& session = SessionOf(owner);
    if (outcome != OutcomeReply)
        return session.Fail(*worker, "no dump: nothing within " + Seconds(sequence::DumpStartTimeout)
            + " of the read request");
    session.dump_ = std::move(reply);
    session.over_ = true;
}

} // namespace cli
