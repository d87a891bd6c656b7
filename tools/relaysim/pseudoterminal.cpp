#include "tools/relaysim/pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace relaysim {

namespace {

[[noreturn]] void Fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    try {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (master_ < 0)
            Fail("posix_openpt");
        if (::grantpt(master_) != 0)
            Fail("grantpt");
        if (::unlockpt(master_) != 0)
            Fail("unlockpt");
        char name[128];
        if (const int error = ::ptsname_r(master_, name, sizeof name); error != 0) {
            errno = error;
            Fail("ptsname_r");
        }
        slavePath_ = name;

        // Termios set through the master applies to the slave: no echo of
        // what the device sends, no translation of any byte, until the
        // client sets up the line itself.
        termios raw{};
        if (::tcgetattr(master_, &raw) != 0)
            Fail("tcgetattr");
        ::cfmakeraw(&raw);
        if (::tcsetattr(master_, TCSANOW, &raw) != 0)
            Fail("tcsetattr");

        watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch_ < 0)
            Fail("inotify_init1");
        if (::inotify_add_watch(watch_, slavePath_.c_str(), IN_OPEN) < 0)
            Fail("inotify_add_watch");
    } catch (...) {
        CloseMaster();
        if (watch_ >= 0)
            ::close(watch_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal()
{
    CloseMaster();
    ::close(watch_);
}

void PseudoTerminal::DrainOpenEvents()
{
    char events[1024];
    while (::read(watch_, events, sizeof events) > 0) {
    }
}

bool PseudoTerminal::SlaveClosed() const
{
    pollfd probe{master_, POLLIN, 0};
    return ::poll(&probe, 1, 0) == 1 && (probe.revents & POLLHUP) != 0;
}

void PseudoTerminal::DiscardUnreadOutput()
{
    // Only a slave descriptor reaches the slave's input queue. Opening it
    // fails harmlessly when a client left the line in exclusive mode.
    const int slave = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0)
        return;
    ::tcflush(slave, TCIFLUSH);
    ::close(slave);
}

void PseudoTerminal::CloseMaster()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

} // namespace relaysim
