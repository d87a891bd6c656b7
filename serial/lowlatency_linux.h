#pragma once
// Asking a USB serial driver to pass received bytes on at once
// (ASYNC_LOW_LATENCY). An FTDI adapter otherwise holds them until its
// latency timer runs out, 16 ms by default, and each acknowledgement of a
// write pays that. The request reads the line's serial_struct, ORs in the
// flag and sets it back with no other field changed: since Linux 5.13 a user
// without CAP_SYS_ADMIN is refused (EPERM) a TIOCSSERIAL that changes
// close_delay or closing_wait, which a struct built from scratch would.
// A line that does not know the request (a pseudo-terminal: ENOTTY) or
// refuses it (EINVAL, EPERM) keeps its latency without complaint: the line
// works, only slower.
//
// Thread safety: the requests run under the port's lock; a test installs
// its driver (SetSerialInfoDriver) while no port is open.

#include <linux/serial.h>

#include <optional>

namespace serial {

// The two ioctls on a line's serial_struct, so that tests can play a driver
// that refuses them or watch what is set.
class SerialInfoDriver {
public:
    virtual ~SerialInfoDriver() = default;
    // 0, or the errno of the failed request.
    virtual int Get(int fd, serial_struct& info) = 0;
    virtual int Set(int fd, const serial_struct& info) = 0;
};

// The driver the lines use: the system's ioctls unless a test installed one.
SerialInfoDriver& CurrentSerialInfoDriver();
// Installs a driver; nullptr puts the system's back.
void SetSerialInfoDriver(SerialInfoDriver* driver);

// The line's flags as they were, when the request switched the line to low
// latency; none when it was low-latency already or did not take the request.
std::optional<int> RequestLowLatency(int fd, SerialInfoDriver& driver);
// Puts back the flags RequestLowLatency replaced, changing no other field.
// Failures are ignored: a line that was hung up has nothing to restore.
void RestoreSerialFlags(int fd, int flags, SerialInfoDriver& driver);

} // namespace serial
