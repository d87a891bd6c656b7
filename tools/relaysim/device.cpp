#include "tools/relaysim/device.h"

#include "tools/relaysim/adapterbuffer.h"
#include "tools/relaysim/image.h"
#include "tools/relaysim/imagefile.h"
#include "tools/relaysim/linepacer.h"
#include "tools/relaysim/pseudoterminal.h"
#include "tools/relaysim/responder.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace relaysim {

// The device's thread: the line, the protocol state and the bytes waiting
// for their moment to go out. Only that thread touches these members, apart
// from RequestStop.
class Device::Line {
public:
    explicit Line(Device& device);
    ~Line();

    const std::string& SlavePath() const { return pty_.SlavePath(); }
    void Run();
    // Any thread.
    void RequestStop();

private:
    using TimePoint = LinePacer::TimePoint;
    struct Outgoing {
        char byte;
        TimePoint due;
    };

    // Reads everything the client has written; false when it closed the slave.
    bool ReadFromClient();
    void Process(const char* bytes, std::size_t count, TimePoint now);
    void Enqueue(const Answer& answer, TimePoint ready);
    // Writes the bytes whose time has come (through the emulated adapter,
    // when there is one); false when the client has gone.
    bool SendDue();
    // The next packet through the emulated adapter of the bytes from
    // out_[first] on (at least one).
    AdapterPacket NextPacket(std::size_t first) const;
    void OnClientGone();
    // Closes the line for good; the device's thread ends.
    void HangUp();
    // When the loop must wake up on its own, if ever.
    std::optional<TimePoint> NextWakeUp() const;

    Device& device_;
    PseudoTerminal pty_;
    Responder responder_;
    LinePacer pacer_;
    int wake_ = -1;
    std::atomic<bool> stopRequested_{false};

    bool clientPresent_ = true; // the master is not reporting a hang-up
    bool lineFull_ = false;     // the slave's queue is full; wait until writable
    std::deque<Outgoing> out_;
    // The hang-up fault fired: the line closes at this moment.
    std::optional<TimePoint> hangUpAt_;
};

Device::Line::Line(Device& device)
    : device_(device)
    , responder_(device.options_.storeTime)
    , pacer_(device.options_.baud)
{
    wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake_ < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
}

Device::Line::~Line()
{
    ::close(wake_);
}

void Device::Line::RequestStop()
{
    stopRequested_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
}

void Device::Line::Run()
{
    // Each paced answer waits for its moment in ppoll; the kernel's default
    // timer slack (50 us) would let every acknowledgement go out that much
    // late, a few per cent of a frame's time at 115200 bit/s.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    while (!stopRequested_) {
        const bool watchMaster = clientPresent_;
        short masterEvents = POLLIN;
        if (lineFull_)
            masterEvents |= POLLOUT;
        pollfd fds[] = {
            {wake_, POLLIN, 0},
            {pty_.OpenWatchFd(), POLLIN, 0},
            {watchMaster ? pty_.MasterFd() : -1, masterEvents, 0},
        };
        timespec limit{};
        const std::optional<TimePoint> wakeUp = NextWakeUp();
        if (wakeUp) {
            const auto left = std::max(*wakeUp - platform::Clock::now(), platform::Clock::duration::zero());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            limit.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            limit.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        if (::ppoll(fds, 3, wakeUp ? &limit : nullptr, nullptr) < 0 && errno != EINTR) {
            std::perror("relaysim: ppoll");
            HangUp();
            return;
        }

        if (fds[1].revents != 0) {
            // Someone opened the slave: look at the master again.
            pty_.DrainOpenEvents();
            clientPresent_ = true;
        }
        if (watchMaster && fds[2].revents != 0) {
            lineFull_ = false;
            if (!ReadFromClient())
                OnClientGone();
        }
        if (clientPresent_ && !SendDue())
            OnClientGone();
        if (hangUpAt_ && out_.empty() && platform::Clock::now() >= *hangUpAt_) {
            HangUp();
            return;
        }
    }
}

bool Device::Line::ReadFromClient()
{
    char bytes[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.MasterFd(), bytes, sizeof bytes);
        if (n > 0) {
            Process(bytes, static_cast<std::size_t>(n), platform::Clock::now());
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // EAGAIN: all read. EIO (or end of file): no one has the slave open.
            return n < 0 && errno == EAGAIN;
        }
    }
}

void Device::Line::Process(const char* bytes, std::size_t count, TimePoint now)
{
    {
        std::lock_guard lock(device_.mutex_);
        for (std::size_t i = 0; i < count; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes[i]);
            device_.transcript_.push_back(bytes[i]);
            const TimePoint arrived = pacer_.Received(now);
            if (hangUpAt_)
                continue; // the device is going dead: it takes no more orders
            Reaction reaction = responder_.OnByte(byte, device_.faults_, device_.image_);
            if (reaction.imageToStore) {
                try {
                    device_.StoreImageLocked(*reaction.imageToStore);
                } catch (const std::runtime_error& error) {
                    // The device still holds the image; only its file is behind.
                    std::fprintf(stderr, "relaysim: %s\n", error.what());
                }
                ++device_.status_.imagesStored;
            }
            if (reaction.imageRejected)
                ++device_.status_.imagesRejected;
            for (const Answer& answer : reaction.answers)
                Enqueue(answer, arrived);
            if (reaction.hangUp)
                hangUpAt_ = out_.empty() ? arrived : std::max(arrived, out_.back().due);
        }
        Status& status = device_.status_;
        status.bytesReceived = device_.transcript_.size();
        status.bytesPending = out_.size();
        status.hellos = responder_.Hellos();
        status.framesReceived = responder_.FramesReceived();
    }
    device_.changed_.notify_all();
}

void Device::Line::Enqueue(const Answer& answer, TimePoint ready)
{
    const std::vector<TimePoint> due = pacer_.Schedule(answer, ready);
    for (std::size_t i = 0; i < due.size(); ++i)
        out_.push_back({answer.bytes[i], due[i]});
}

bool Device::Line::SendDue()
{
    const TimePoint now = platform::Clock::now();
    std::string ready;
    std::optional<TimePoint> firstDue;
    while (ready.size() < out_.size()) {
        const AdapterPacket packet = NextPacket(ready.size());
        if (packet.at > now)
            break;
        if (!firstDue)
            firstDue = packet.at;
        for (std::size_t i = ready.size(), end = i + packet.bytes; i < end; ++i)
            ready.push_back(out_[i].byte);
    }
    if (ready.empty())
        return true;
    const ssize_t n = ::write(pty_.MasterFd(), ready.data(), ready.size());
    if (n < 0) {
        if (errno == EAGAIN) {
            lineFull_ = true;
            return true;
        }
        return errno == EINTR;
    }
    const auto sent = static_cast<std::size_t>(n);
    lineFull_ = sent < ready.size();
    const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(now - *firstDue);
    out_.erase(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(sent));
    device_.UpdateStatus([&](Status& status) {
        status.bytesSent += sent;
        status.bytesPending = out_.size();
        status.longestSendDelay = std::max(status.longestSendDelay, delay);
    });
    return true;
}

AdapterPacket Device::Line::NextPacket(std::size_t first) const
{
    // Without an adapter only the first byte counts.
    const std::size_t looked = device_.options_.latencyTimer.count() == 0 ? 1 : kAdapterPacketBytes;
    std::vector<TimePoint> arrivals;
    const std::size_t end = std::min(out_.size(), first + looked);
    for (std::size_t i = first; i < end; ++i)
        arrivals.push_back(out_[i].due);
    return NextAdapterPacket(arrivals, device_.options_.latencyTimer);
}

void Device::Line::HangUp()
{
    pty_.CloseMaster();
    device_.UpdateStatus([](Status& status) { status.hungUp = true; });
}

void Device::Line::OnClientGone()
{
    // As on a real line, what the device had not yet sent is lost with the
    // connection, and a write broken off stays broken off. An answer already
    // due when dropped was held up as long as if it had gone out now.
    const auto droppedLate = out_.empty()
        ? std::chrono::microseconds(0)
        : std::chrono::duration_cast<std::chrono::microseconds>(platform::Clock::now() - NextPacket(0).at);
    responder_.Reset();
    pacer_.Reset();
    out_.clear();
    lineFull_ = false;
    pty_.DiscardUnreadOutput();
    pty_.DrainOpenEvents();
    // The client may have come back while we looked away; its open event
    // was drained above, so ask the master directly.
    clientPresent_ = !pty_.SlaveClosed();
    device_.UpdateStatus([&](Status& status) {
        ++status.clientCloses;
        status.bytesPending = 0;
        status.framesReceived = 0;
        status.longestSendDelay = std::max(status.longestSendDelay, droppedLate);
    });
}

std::optional<Device::Line::TimePoint> Device::Line::NextWakeUp() const
{
    if (clientPresent_ && !lineFull_ && !out_.empty())
        return NextPacket(0).at;
    if (hangUpAt_)
        return out_.empty() ? *hangUpAt_ : std::optional<TimePoint>();
    return std::nullopt;
}

Device::Device(Options options)
    : options_(std::move(options))
    , faults_(options_.faults)
    , image_(EmptyImage())
{
}

Device::~Device()
{
    Stop();
}

void Device::Start()
{
    if (line_)
        throw std::logic_error("relaysim::Device starts once");
    std::string image = options_.imagePath.empty() ? EmptyImage() : LoadImageFile(options_.imagePath);
    line_ = std::make_unique<Line>(*this);
    {
        std::lock_guard lock(mutex_);
        image_ = std::move(image);
        slavePath_ = line_->SlavePath();
    }
    thread_ = std::thread([this] { line_->Run(); });
}

void Device::Stop()
{
    if (thread_.joinable()) {
        line_->RequestStop();
        thread_.join();
    }
    line_.reset();
    UpdateStatus([](Status& status) { status.stopped = true; });
}

std::string Device::SlavePath() const
{
    std::lock_guard lock(mutex_);
    return slavePath_;
}

std::string Device::Transcript() const
{
    std::lock_guard lock(mutex_);
    return transcript_;
}

std::string Device::StoredImage() const
{
    std::lock_guard lock(mutex_);
    return image_;
}

void Device::SetImage(const std::string& image)
{
    if (image.size() != kImageSize)
        throw std::invalid_argument("a device image is " + std::to_string(kImageSize) + " bytes");
    std::lock_guard lock(mutex_);
    StoreImageLocked(image);
}

void Device::SetFaults(const Faults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

std::chrono::microseconds Device::TakeLongestSendDelay()
{
    std::lock_guard lock(mutex_);
    return std::exchange(status_.longestSendDelay, std::chrono::microseconds(0));
}

Status Device::GetStatus() const
{
    std::lock_guard lock(mutex_);
    return status_;
}

bool Device::WaitUntil(const std::function<bool(const Status&)>& condition, std::chrono::milliseconds timeout) const
{
    const platform::Deadline deadline(timeout);
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline.When(), [&] { return condition(status_); });
}

void Device::WaitUntil(const std::function<bool(const Status&)>& condition) const
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return condition(status_); });
}

void Device::StoreImageLocked(const std::string& image)
{
    image_ = image;
    if (!options_.imagePath.empty())
        SaveImageFile(options_.imagePath, image_);
}

void Device::UpdateStatus(const std::function<void(Status&)>& change)
{
    {
        std::lock_guard lock(mutex_);
        change(status_);
    }
    changed_.notify_all();
}

} // namespace relaysim
