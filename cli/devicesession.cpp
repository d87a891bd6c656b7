#include "cli/devicesession.h"

#include "cli/failure.h"
#include "cli/interrupt.h"
#include "cli/output.h"
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
            settings.DataBits, parity, settings.StopBits, flowControl);
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

void DeviceSession::Write(const std::string& image)
{
    device::WriteOperation write(*worker_, *this);
    Run(write, &write, [&] { return write.Start([&image] { return image; }); });
}

std::string DeviceSession::Read()
{
    device::ReadOperation read(*worker_, window_, *this);
    Run(read, nullptr, [&] { return read.Start(); });
    return dump_;
}

void DeviceSession::Run(
    device::DeviceOperation& operation, const device::WriteOperation* write, const std::function<bool()>& start)
{
    // Only while the operation runs: it ends with this call, thrown or not.
    write_ = write;
    const struct Forget {
        const device::WriteOperation*& write;
        ~Forget() { write = nullptr; }
    } forget{write_};
    over_ = false;
    failure_.reset();
    dump_.clear();
    progress_.Begin("connecting to " + portName_);
    if (start()) {
        progress_.Step(write_ ? "connecting" : "reading");
        while (!over_) {
            window_.RunUntil([this] { return over_ || InterruptRequested(); }, Turn);
            progress_.Tick();
            if (!over_ && InterruptRequested()) {
                operation.Cancel();
                throw Failure(ExitInterrupted, "cancelled");
            }
        }
    }
    progress_.End();
    if (failure_)
        throw DeviceFailure(*failure_);
}

std::string DeviceSession::WhyNotOpen()
{
    const int error = worker_->Engine().LastOpenError();
    std::string why = serial::AccessAdvice(worker_->Engine().Port().Port(), error);
    if (why.empty())
        why = error > 0 ? std::strerror(error) : "reason unknown";
    return "port " + portName_ + " cannot be opened: " + why;
}

void DeviceSession::Preparing()
{
    progress_.Step("preparing to write");
}

bool DeviceSession::KeepPosting()
{
    // After a Ctrl-C during the pause or the posting nothing more is
    // posted, as after the window's "Cancel"; Run then cancels.
    return !InterruptRequested();
}

void DeviceSession::FrameWritten(std::uint32_t frame, std::uint32_t frames)
{
    if (frame == 1)
        progress_.Step("writing");
    progress_.Frames(frame, frames);
}

void DeviceSession::Notice(const std::string& text)
{
    // On a line of its own, between the progress lines.
    progress_.End();
    Tell("qem-cli: note: " + text);
}

void DeviceSession::Failed(device::Step step)
{
    const int helloTimeout = write_ ? sequence::WriteHelloTimeout : sequence::ReadHelloTimeout;
    switch (step) {
    case device::Step::Open:
        failure_ = WhyNotOpen();
        break;
    case device::Step::Hello:
        failure_ = "no answer to the hello within " + Seconds(helloTimeout);
        break;
    case device::Step::Preparing:
        failure_ = "the write could not be prepared";
        break;
    case device::Step::Handshake:
        failure_ = "no answer to the second hello within " + Seconds(sequence::WriteHelloTimeout);
        break;
    case device::Step::FirstFrame:
    case device::Step::Frames:
        failure_ = "no acknowledgement at frame " + std::to_string(write_->FramesAcknowledged() + 1) + " of "
            + std::to_string(write_->FramesQueued());
        break;
    case device::Step::Dump:
        failure_ = "no dump: nothing within " + Seconds(sequence::DumpStartTimeout)
            + " of the read request, or too little to be one";
        break;
    case device::Step::GiveUp:
        failure_ = "the dump did not complete within " + Seconds(sequence::ReadGiveUpMs);
        break;
    }
    over_ = true;
}

void DeviceSession::Finished(const std::string& dump)
{
    dump_ = dump;
    over_ = true;
}

} // namespace cli
