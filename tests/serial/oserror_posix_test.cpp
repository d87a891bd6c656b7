// The Linux side of the port's names and error numbers.
#include "serial/comerror.h"
#include "serial/comline.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(ComError, lastErrorTakesErrno)
{
    errno = 13;
    try {
        serial::ThrowLastComError(serial::ComError::OpenFailed);
        FAIL() << "nothing raised";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.OsError(), 13);
    }
}

TEST(PortName, namesDevicePaths)
{
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"com12", "/dev/ttyS11"},
        {"COM0", "/dev/COM0"},
        {"COMX", "/dev/COMX"},
        {"COM", "/dev/COM"},
        {"COM99999999999", "/dev/COM99999999999"},
        {"ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/7", "/dev/pts/7"},
        {"relay/link", "relay/link"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(serial::DevicePathOf(c.name), c.path) << c.name;
}

} // namespace
