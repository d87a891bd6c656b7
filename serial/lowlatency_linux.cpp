#include "serial/lowlatency_linux.h"

#include <sys/ioctl.h>

#include <atomic>
#include <cerrno>

namespace serial {
namespace {

class SystemDriver : public SerialInfoDriver {
public:
    int Get(int fd, serial_struct& info) override { return ioctl(fd, TIOCGSERIAL, &info) == 0 ? 0 : errno; }
    int Set(int fd, const serial_struct& info) override { return ioctl(fd, TIOCSSERIAL, &info) == 0 ? 0 : errno; }
};

SystemDriver systemDriver;
std::atomic<SerialInfoDriver*> installed{nullptr};

} // namespace

SerialInfoDriver& CurrentSerialInfoDriver()
{
    SerialInfoDriver* driver = installed.load();
    return driver != nullptr ? *driver : systemDriver;
}

void SetSerialInfoDriver(SerialInfoDriver* driver)
{
    installed.store(driver);
}

std::optional<int> RequestLowLatency(int fd, SerialInfoDriver& driver)
{
    serial_struct info{};
    if (driver.Get(fd, info) != 0 || (info.flags & ASYNC_LOW_LATENCY) != 0)
        return std::nullopt;
    const int previous = info.flags;
    info.flags |= ASYNC_LOW_LATENCY;
    if (driver.Set(fd, info) != 0)
        return std::nullopt;
    return previous;
}

void RestoreSerialFlags(int fd, int flags, SerialInfoDriver& driver)
{
    serial_struct info{};
    if (driver.Get(fd, info) != 0)
        return;
    info.flags = flags;
    driver.Set(fd, info);
}

} // namespace serial
