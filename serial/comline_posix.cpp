// The Linux backend of ComLine: termios2 through ioctl, so that any speed
// goes through BOTHER directly (glibc's termios cannot carry it), poll on
// the line and an eventfd for the event thread.
#include "serial/comline.h"

#include "platform/deadline.h"
#include "serial/comerror.h"
#include "serial/linetermios_linux.h"
#include "serial/lowlatency_linux.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <optional>
#include <utility>

namespace serial {

struct ComLine::OpenLine {
    int fd = -1;
    int wakeFd = -1;
    termios2 original{};
    // The driver's flags before opening switched it to low latency:
    // closing puts them back, like the rest of the line's settings.
    std::optional<int> flagsBeforeLowLatency;
    std::uint32_t writeMultiplier = 0;
    std::uint32_t writeConstant = 0;
};

namespace {

// A pseudo-terminal and some adapters have no modem control lines.
bool IsMissingModemLines(int error)
{
    return error == ENOTTY || error == EINVAL;
}

// 0 on success, else the errno of the failed request.
int ChangeModemLine(int fd, ModemLine line, bool on)
{
    const int bits = line == ModemLine::Dtr ? TIOCM_DTR : TIOCM_RTS;
    return ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0 ? 0 : errno;
}

// Puts back what opening changed beyond the termios settings.
void RestoreOpenedLine(int fd, const std::optional<int>& flagsBeforeLowLatency)
{
    if (flagsBeforeLowLatency)
        RestoreSerialFlags(fd, *flagsBeforeLowLatency, CurrentSerialInfoDriver());
    // The exclusive flag would outlive us on a pseudo-terminal.
    ioctl(fd, TIOCNXCL);
}

[[noreturn]] void CloseAndThrow(int fd, int error)
{
    close(fd);
    throw PortError(ComError::OpenFailed, error);
}

} // namespace

std::string DevicePathOf(const std::string& portName)
{
    if (portName.empty() || portName.find('/') != std::string::npos)
        return portName;
    const bool comPrefix = portName.size() > 3 && portName.size() <= 12
        && std::toupper(static_cast<unsigned char>(portName[0])) == 'C'
        && std::toupper(static_cast<unsigned char>(portName[1])) == 'O'
        && std::toupper(static_cast<unsigned char>(portName[2])) == 'M';
    if (comPrefix) {
        long number = 0;
        bool digits = true;
        for (std::size_t i = 3; i < portName.size() && digits; ++i) {
            digits = std::isdigit(static_cast<unsigned char>(portName[i])) != 0;
            number = number * 10 + (portName[i] - '0');
        }
        if (digits && number >= 1)
            return "/dev/ttyS" + std::to_string(number - 1);
    }
    return "/dev/" + portName;
}

ComLine::ComLine() = default;

ComLine::~ComLine()
{
    Close();
}

void ComLine::Open(const std::string& portName)
{
    if (open_)
        return;
    const std::string path = DevicePathOf(portName);
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        ThrowLastComError(ComError::OpenFailed);

    auto line = std::make_unique<OpenLine>();
    // Only a terminal device has line settings: device bytes never go into
    // a regular file.
    if (ioctl(fd, TCGETS2, &line->original) != 0)
        CloseAndThrow(fd, errno);
    // flock keeps out a second opener even when it runs as root, for whom
    // TIOCEXCL does not hold.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        CloseAndThrow(fd, errno);
    if (ioctl(fd, TIOCEXCL) != 0)
        CloseAndThrow(fd, errno);
    line->flagsBeforeLowLatency = RequestLowLatency(fd, CurrentSerialInfoDriver());

    termios2 raw = line->original;
    MakeRaw(raw);
    line->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (ioctl(fd, TCSETS2, &raw) != 0 || line->wakeFd < 0) {
        const int error = errno;
        if (line->wakeFd >= 0)
            close(line->wakeFd);
        RestoreOpenedLine(fd, line->flagsBeforeLowLatency);
        CloseAndThrow(fd, error);
    }
    line->fd = fd;
    open_ = std::move(line);
}

void ComLine::Close() noexcept
{
    if (!open_)
        return;
    // Each of these fails on a line that was hung up; closing goes on.
    ioctl(open_->fd, TCSETS2, &open_->original);
    RestoreOpenedLine(open_->fd, open_->flagsBeforeLowLatency);
    close(open_->fd);
    close(open_->wakeFd);
    open_.reset();
}

void ComLine::ApplyQueueSizes(int inputSize, int outputSize)
{
    if (inputSize < 0 || outputSize < 0)
        throw PortError(ComError::SetupComFailed, EINVAL);
}

void ComLine::ApplyLineSettings(const LineSettings& settings)
{
    if (!open_)
        throw PortError(ComError::SetStateFailed, EBADF);
    termios2 t{};
    if (ioctl(open_->fd, TCGETS2, &t) != 0)
        ThrowLastComError(ComError::SetStateFailed);
    BuildLineTermios(t, settings);
    if (ioctl(open_->fd, TCSETS2, &t) != 0)
        ThrowLastComError(ComError::SetStateFailed);

    // Lines under manual control take the state their mode asks for; lines
    // under handshake are the driver's.
    int error = 0;
    if (settings.dtrControl != dtrHandshake)
        error = ChangeModemLine(open_->fd, ModemLine::Dtr, settings.dtrControl == dtrEnable);
    if (error == 0 && (settings.rtsControl == rtsDisable || settings.rtsControl == rtsEnable) && !(t.c_cflag & CRTSCTS))
        error = ChangeModemLine(open_->fd, ModemLine::Rts, settings.rtsControl == rtsEnable);
    if (error != 0 && !IsMissingModemLines(error))
        throw PortError(ComError::SetStateFailed, error);
}

void ComLine::ApplyWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant)
{
    if (!open_)
        throw PortError(ComError::TimeoutsFailed, EBADF);
    open_->writeMultiplier = multiplier;
    open_->writeConstant = constant;
}

void ComLine::SetModemLine(ModemLine line, bool on)
{
    if (!open_)
        throw PortError(ComError::EscapeComFailed, EBADF);
    const int error = ChangeModemLine(open_->fd, line, on);
    if (error != 0 && !IsMissingModemLines(error))
        throw PortError(ComError::EscapeComFailed, error);
}

int ComLine::Write(const std::string& bytes)
{
    if (!open_)
        throw PortError(ComError::WriteFailed, EBADF);
    const std::uint64_t limitMs = open_->writeConstant
        + static_cast<std::uint64_t>(open_->writeMultiplier) * bytes.size();
    const bool limited = limitMs != 0;
    const platform::Deadline deadline(std::chrono::milliseconds(limited ? limitMs : 0));

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(open_->fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            ThrowLastComError(ComError::WriteFailed);
        // The driver's queue is full: wait for room, at most until the
        // time-out, which ends the write with what was taken so far.
        if (limited && deadline.Expired())
            break;
        pollfd room{open_->fd, POLLOUT, 0};
        const int waitMs = limited ? static_cast<int>(std::max<long long>(deadline.Remaining().count(), 1)) : -1;
        const int ready = poll(&room, 1, waitMs);
        if (ready < 0 && errno != EINTR)
            ThrowLastComError(ComError::WriteFailed);
        // A lost line never makes room again.
        if (ready > 0 && (room.revents & (POLLERR | POLLHUP | POLLNVAL)))
            throw PortError(ComError::WriteFailed, EIO);
    }
    return static_cast<int>(done);
}

int ComLine::QueuedInput() const
{
    int count = 0;
    if (!open_)
        throw PortError(ComError::ClearComFailed, EBADF);
    if (ioctl(open_->fd, FIONREAD, &count) != 0)
        ThrowLastComError(ComError::ClearComFailed);
    return count;
}

std::string ComLine::Read(int count)
{
    if (!open_)
        throw PortError(ComError::ReadFailed, EBADF);
    std::string bytes(static_cast<std::size_t>(std::max(count, 0)), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(open_->fd, bytes.data() + got, bytes.size() - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            break;
        // End of file: the line was hung up under us.
        throw PortError(ComError::ReadFailed, n == 0 ? EIO : errno);
    }
    bytes.resize(got);
    return bytes;
}

void ComLine::Purge() noexcept
{
    if (open_)
        ioctl(open_->fd, TCFLSH, TCIOFLUSH);
}

ComLine::WaitResult ComLine::WaitEvent(bool watchInput, std::chrono::milliseconds timeout)
{
    if (!open_)
        return WaitResult::LineLost;
    std::array<pollfd, 2> fds = {{
        {open_->wakeFd, POLLIN, 0},
        {open_->fd, static_cast<short>(watchInput ? POLLIN : 0), 0},
    }};
    const int waitMs = timeout.count() < 0 ? -1 : static_cast<int>(timeout.count());
    const int ready = poll(fds.data(), fds.size(), waitMs);
    if (ready < 0)
        return errno == EINTR ? WaitResult::Idle : WaitResult::LineLost;
    if (fds[0].revents != 0)
        return WaitResult::Woken;
    if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
        return WaitResult::LineLost;
    if (fds[1].revents & POLLIN)
        return WaitResult::Input;
    return WaitResult::Idle;
}

void ComLine::WakeWaiter() noexcept
{
    if (open_) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(open_->wakeFd, &one, sizeof one);
    }
}

} // namespace serial
