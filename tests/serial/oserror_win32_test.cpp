// The Windows side of the port's names and error numbers.
#include "serial/comerror.h"
#include "serial/comline.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ComError, lastErrorTakesGetLastError)
{
    SetLastError(ERROR_SHARING_VIOLATION);
    try {
        serial::ThrowLastComError(serial::ComError::OpenFailed);
        FAIL() << "nothing raised";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.OsError(), 32);
        EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 32)");
    }
}

TEST(PortName, namesDevicePaths)
{
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"COM1", "\\\\.\\COM1"},
        {"com12", "\\\\.\\com12"},
        {"CNCA0", "\\\\.\\CNCA0"},
        {"\\\\.\\COM3", "\\\\.\\COM3"},
        {"C:/dev/line", "C:/dev/line"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(serial::DevicePathOf(c.name), c.path) << c.name;
}

} // namespace
