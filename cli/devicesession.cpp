#include "cli/devicesession.h"

#include "cli/failure.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "device/deviceworker.h"
#include "device/sequences.h"
#include "serial/comaccess.h"

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

DeviceSession::DeviceSession(const serial::PortSettings& settings, Progress& progress)
    : portName_(settings.Port)
    , progress_(progress)
{
    try {
        worker_ = device::MakeDeviceWorker(window_, settings);
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
    Run(write, true, [&] { return write.Start([&image] { return image; }); });
}

std::string DeviceSession::Read()
{
    device::ReadOperation read(*worker_, window_, *this);
    Run(read, false, [&] { return read.Start(); });
    return dump_;
}

void DeviceSession::Run(device::DeviceOperation& operation, bool writing, const std::function<bool()>& start)
{
    writing_ = writing;
    over_ = false;
    failure_.reset();
    dump_.clear();
    progress_.Begin("connecting to " + portName_);
    if (start()) {
        progress_.Step(writing_ ? "connecting" : "reading");
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
    // The system's reason in its own words on both systems: errno texts on
    // Linux, the system's message text on Windows.
    engine::Engine& engine = worker_->Engine();
    return "port cannot be opened: " + serial::OpenFailureDetail(engine.Port().Port(), engine.LastOpenError());
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

void DeviceSession::Failed(device::Step step, device::FrameCount frames)
{
    const int helloTimeout = writing_ ? device::sequence::WriteHelloTimeout : device::sequence::ReadHelloTimeout;
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
        failure_ = "no answer to the second hello within " + Seconds(device::sequence::WriteHelloTimeout);
        break;
    case device::Step::FirstFrame:
    case device::Step::Frames:
        failure_ = "no acknowledgement at frame " + std::to_string(frames.acknowledged + 1) + " of "
            + std::to_string(frames.queued);
        break;
    case device::Step::Dump:
        failure_ = "no dump: nothing within " + Seconds(device::sequence::DumpStartTimeout)
            + " of the read request, or too little to be one";
        break;
    case device::Step::GiveUp:
        failure_ = "the dump did not complete within " + Seconds(device::sequence::ReadGiveUpMs);
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
