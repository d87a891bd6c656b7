// Building the termios2 record of a line.
#include "serial/linetermios_linux.h"

#include "serial/comerror.h"

#include <array>
#include <cerrno>
#include <utility>

namespace serial {
namespace {

// Speeds the kernel has a fixed code for; every other speed goes as BOTHER.
// clang-format off
constexpr std::array<std::pair<std::uint32_t, unsigned>, 30> kStandardSpeeds = {{
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300}, {600, B600},
    {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600}, {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800},
    {500000, B500000}, {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};
// clang-format on

void SetSpeed(termios2& t, std::uint32_t bitsPerSecond)
{
    // B0 would hang the line up instead of setting a speed.
    if (bitsPerSecond == 0)
        throw PortError(ComError::SetStateFailed, EINVAL);
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

void SetCharacterSize(termios2& t, DataBitsChoice dataBits)
{
    static constexpr std::array<tcflag_t, 4> kSizes = {CS5, CS6, CS7, CS8};
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE);
    t.c_cflag |= dataBits < kSizes.size() ? kSizes[dataBits] : CS8;
}

void SetParity(termios2& t, ParityChoice parity, bool check)
{
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
    switch (parity) {
    case prOdd:
        t.c_cflag |= PARENB | PARODD;
        break;
    case prEven:
        t.c_cflag |= PARENB;
        break;
    // With CMSPAR the parity bit is fixed: PARODD makes it 1 (mark), else 0.
    case prMark:
        t.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case prSpace:
        t.c_cflag |= PARENB | CMSPAR;
        break;
    case prNone:
        break;
    }
    if (check)
        t.c_iflag |= INPCK;
}

// The driver offers one or two stop bits. One and a half becomes two: a
// receiver that expects 1.5 accepts the longer gap, never a shorter one
// (UARTs send 1.5 for this setting with 5-bit characters anyway).
void SetStopBits(termios2& t, StopBitsChoice stopBits)
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

} // namespace

void MakeRaw(termios2& t)
{
    t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK
        | IUCLC | IMAXBEL);
    // A break would otherwise arrive as a zero byte that nobody sent.
    t.c_iflag |= IGNBRK;
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

void BuildLineTermios(termios2& t, const LineSettings& settings)
{
    MakeRaw(t);
    SetSpeed(t, settings.bitsPerSecond);
    SetCharacterSize(t, settings.dataBits);
    SetParity(t, settings.parity, settings.parityCheck);
    SetStopBits(t, settings.stopBits);
    SetFlowControl(t, settings);
}

} // namespace serial
