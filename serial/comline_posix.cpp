// The Linux backend of ComLine: termios2 through ioctl, so that any speed
// goes through BOTHER directly (glibc's termios cannot carry it), poll on
// the line and an eventfd for the event thread.
//
// <termios.h> must not be included here: its struct termios clashes with
// the kernel's, which termios2 and BOTHER come with.
#include "serial/comline.h"

#include "platform/deadline.h"
#include "serial/comerror.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <utility>

namespace serial {

struct ComLine::OpenLine {
    int fd = -1;
    int wakeFd = -1;
    termios2 original{};
    std::uint32_t writeMultiplier = 0;
    std::uint32_t writeConstant = 0;
};

namespace {

// Speeds the kernel has a fixed code for; every other speed goes as BOTHER.
constexpr std::array<std::pair<std::uint32_t, unsigned>, 30> kStandardSpeeds = {{
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300}, {600, B600},
    {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600}, {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800},
    {500000, B500000}, {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

// Raw mode: every byte is passed through unchanged, no echo, no signals, no
// line editing; the modem status lines do not gate reception (CLOCAL).
void MakeRaw(termios2& t)
{
    t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY
        | INPCK | IUCLC | IMAXBEL);
    // A break would otherwise arrive as a zero byte that nobody sent.
    t.c_iflag |= IGNBRK;
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

void SetSpeed(termios2& t, std::uint32_t bitsPerSecond)
{
    // B0 would hang the line up instead of setting a speed.
    if (bitsPerSecond == 0)
        throw EComPort(ComError::SetStateFailed, EINVAL);
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    unsigned code = BOTHER;
    for (const auto& [speed, speedCode] : kStandardSpeeds) {
        if (speed == bitsPerSecond)
            code = speedCode;
    }
    // The input speed field stays 0: input runs at the output speed.
    t.c_cflag |= code;
    t.c_ispeed = bitsPerSecond;
    t.c_ospeed = bitsPerSecond;
}

void SetCharacterSize(termios2& t, TDataBits dataBits)
{
    static constexpr std::array<tcflag_t, 4> kSizes = {CS5, CS6, CS7, CS8};
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE);
    t.c_cflag |= dataBits < kSizes.size() ? kSizes[dataBits] : CS8;
}

void SetParity(termios2& t, TParityBits parity, bool check)
{
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
    switch (parity) {
    case prOdd: t.c_cflag |= PARENB | PARODD; break;
    case prEven: t.c_cflag |= PARENB; break;
    // With CMSPAR the parity bit is fixed: PARODD makes it 1 (mark), else 0.
    case prMark: t.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case prSpace: t.c_cflag |= PARENB | CMSPAR; break;
    case prNone: break;
    }
    if (check)
        t.c_iflag |= INPCK;
}

// The driver offers one or two stop bits. One and a half becomes two: a
// receiver that expects 1.5 accepts the longer gap, never a shorter one
// (UARTs send 1.5 for this setting with 5-bit characters anyway).
void SetStopBits(termios2& t, TStopBits stopBits)
{
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
    if (stopBits != sbOneStopBit)
        t.c_cflag |= CSTOPB;
}

// Linux has one flag for RTS/CTS handshake in both directions; either half
// asked for turns it on. DTR/DSR handshake has no driver support.
void SetFlowControl(termios2& t, const LineSettings& s)
{
    t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    if (s.outCtsFlow || s.rtsControl == rtsHandshake)
        t.c_cflag |= CRTSCTS;
    if (s.xonXoffOut)
        t.c_iflag |= IXON;
    if (s.xonXoffIn)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = s.xonChar;
    t.c_cc[VSTOP] = s.xoffChar;
}

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

// USB serial adapters hold received bytes up to 16 ms unless asked not to;
// lines that do not know the request keep their latency.
void RequestLowLatency(int fd)
{
    serial_struct info{};
    if (ioctl(fd, TIOCGSERIAL, &info) == 0) {
        info.flags |= ASYNC_LOW_LATENCY;
        ioctl(fd, TIOCSSERIAL, &info);
    }
}

[[noreturn]] void CloseAndThrow(int fd, int error)
{
    close(fd);
    throw EComPort(ComError::OpenFailed, error);
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
    RequestLowLatency(fd);

    termios2 raw = line->original;
    MakeRaw(raw);
    line->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (ioctl(fd, TCSETS2, &raw) != 0 || line->wakeFd < 0) {
        const int error = errno;
        if (line->wakeFd >= 0)
            close(line->wakeFd);
        ioctl(fd, TIOCNXCL);
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
    // The exclusive flag would outlive us on a pseudo-terminal.
    ioctl(open_->fd, TIOCNXCL);
    close(open_->fd);
    close(open_->wakeFd);
    open_.reset();
}

void ComLine::ApplyQueueSizes(int inputSize, int outputSize)
{
    if (inputSize < 0 || outputSize < 0)
        throw EComPort(ComError::SetupComFailed, EINVAL);
}

void ComLine::ApplyLineSettings(const LineSettings& settings)
{
    if (!open_)
        throw EComPort(ComError::SetStateFailed, EBADF);
    termios2 t{};
    if (ioctl(open_->fd, TCGETS2, &t) != 0)
        ThrowLastComError(ComError::SetStateFailed);
    MakeRaw(t);
    SetSpeed(t, settings.bitsPerSecond);
    SetCharacterSize(t, settings.dataBits);
    SetParity(t, settings.parity, settings.parityCheck);
    SetStopBits(t, settings.stopBits);
    SetFlowControl(t, settings);
    if (ioctl(open_->fd, TCSETS2, &t) != 0)
        ThrowLastComError(ComError::SetStateFailed);

    // Lines under manual control take the state their mode asks for; lines
    // under handshake are the driver's.
    int error = 0;
    if (settings.dtrControl != dtrHandshake)
        error = ChangeModemLine(open_->fd, ModemLine::Dtr, settings.dtrControl == dtrEnable);
    if (error == 0 && (settings.rtsControl == rtsDisable || settings.rtsControl == rtsEnable)
        && !(t.c_cflag & CRTSCTS))
        error = ChangeModemLine(open_->fd, ModemLine::Rts, settings.rtsControl == rtsEnable);
    if (error != 0 && !IsMissingModemLines(error))
        throw EComPort(ComError::SetStateFailed, error);
}

void ComLine::ApplyWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant)
{
    if (!open_)
        throw EComPort(ComError::TimeoutsFailed, EBADF);
    open_->writeMultiplier = multiplier;
    open_->writeConstant = constant;
}

void ComLine::SetModemLine(ModemLine line, bool on)
{
    if (!open_)
        throw EComPort(ComError::EscapeComFailed, EBADF);
    const int error = ChangeModemLine(open_->fd, line, on);
    if (error != 0 && !IsMissingModemLines(error))
        throw EComPort(ComError::EscapeComFailed, error);
}

int ComLine::Write(const std::string& bytes)
{
    if (!open_)
        throw EComPort(ComError::WriteFailed, EBADF);
    const std::uint64_t limitMs
        = open_->writeConstant + static_cast<std::uint64_t>(open_->writeMultiplier) * bytes.size();
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
        if (poll(&room, 1, waitMs) < 0 && errno != EINTR)
            ThrowLastComError(ComError::WriteFailed);
    }
    return static_cast<int>(done);
}

int ComLine::QueuedInput() const
{
    int count = 0;
    if (!open_)
        throw EComPort(ComError::ClearComFailed, EBADF);
    if (ioctl(open_->fd, FIONREAD, &count) != 0)
        ThrowLastComError(ComError::ClearComFailed);
    return count;
}

std::string ComLine::Read(int count)
{
    if (!open_)
        throw EComPort(ComError::ReadFailed, EBADF);
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
        throw EComPort(ComError::ReadFailed, n == 0 ? EIO : errno);
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
