// Kept apart from ptypair.cpp: the kernel's termios2 cannot share a file
// with the C library's <termios.h>, which <pty.h> brings in.
#include "tests/support/ptypair.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <stdexcept>

namespace serialtest {

LineState ReadLineState(int fd)
{
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0)
        throw std::runtime_error("TCGETS2 failed");
    LineState s;
    s.speed = t.c_ospeed;
    s.customSpeed = (t.c_cflag & CBAUD) == BOTHER;
    s.parityOdd = t.c_cflag & PARODD;
    s.parityStick = t.c_cflag & CMSPAR;
    s.parityCheck = t.c_iflag & INPCK;
    s.twoStopBits = t.c_cflag & CSTOPB;
    s.rtsCts = t.c_cflag & CRTSCTS;
    s.xonXoffOut = t.c_iflag & IXON;
    s.xonXoffIn = t.c_iflag & IXOFF;
    s.raw = !(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN)) && !(t.c_oflag & OPOST)
        && !(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP)) && (t.c_cflag & CLOCAL) && (t.c_cflag & CREAD);
    s.xonChar = t.c_cc[VSTART];
    s.xoffChar = t.c_cc[VSTOP];
    return s;
}

void SetLineSpeedBehindPort(int fd, std::uint32_t speed)
{
    termios2 t{};
    ioctl(fd, TCGETS2, &t);
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER;
    t.c_ispeed = t.c_ospeed = speed;
    if (ioctl(fd, TCSETS2, &t) != 0)
        throw std::runtime_error("TCSETS2 failed");
}

} // namespace serialtest
