// The second line for a port the user may not open, and the refusal it
// explains.
#include "serial/comaccess.h"

#include "platform/plainwindowthread.h"
#include "serial/comerror.h"
#include "serial/serialport.h"
#include "tests/support/ptypair.h"
#include "tests/support/refuseduser.h"
#include "tests/support/tempdir.h"

#include <grp.h>
#include <pwd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

namespace {

std::string UserName()
{
    return getpwuid(geteuid())->pw_name;
}

TEST(AccessAdvice, onlyARefusedUserGetsAdvice)
{
    TempDir dir;
    WriteBytes(dir / "ttyUSB0", "");
    for (const int error : {ENOENT, EBUSY, ENOTTY, EWOULDBLOCK, EIO, 0, -1})
        EXPECT_EQ(serial::AccessAdvice(dir / "ttyUSB0", error), "") << error;
    // A device that gives its group nothing: the usual group is named.
    chmod((dir / "ttyUSB0").c_str(), 0600);
    for (const int error : {EACCES, EPERM})
        EXPECT_EQ(serial::AccessAdvice(dir / "ttyUSB0", error),
            "Permission denied. Join group \"dialout\": sudo adduser " + UserName() + " dialout, then log in again.");
}

TEST(OpenFailureDetail, namesThePortAndTheReason)
{
    const std::pair<int, std::string> cases[] = {{ENOENT, "/dev/ttyS2: No such file or directory"},
        {EBUSY, "/dev/ttyS2: Device or resource busy"}, {0, "/dev/ttyS2: reason unknown"},
        {EACCES, "/dev/ttyS2: " + serial::AccessAdvice("COM3", EACCES)}}; // a refused user learns the fix
    for (const auto& [error, expected] : cases)
        EXPECT_EQ(serial::OpenFailureDetail("COM3", error), expected);
}

TEST(AccessAdvice, namesTheGroupTheDeviceBelongsTo)
{
    const group* uucp = getgrnam("uucp");
    if (geteuid() != 0 || uucp == nullptr)
        GTEST_SKIP() << "giving a file to the group uucp needs root and that group";
    TempDir dir;
    WriteBytes(dir / "ttyS3", "");
    ASSERT_EQ(chown((dir / "ttyS3").c_str(), 0, uucp->gr_gid), 0);
    chmod((dir / "ttyS3").c_str(), 0660);
    EXPECT_EQ(serial::AccessAdvice(dir / "ttyS3", EACCES),
        "Permission denied. Join group \"uucp\": sudo adduser " + UserName() + " uucp, then log in again.");
    // Neither root's own group nor one without read and write is the advice.
    for (const auto& [gid, mode] : {std::pair<gid_t, mode_t>{0, 0660}, {uucp->gr_gid, 0640}}) {
        ASSERT_EQ(chown((dir / "ttyS3").c_str(), 0, gid), 0);
        chmod((dir / "ttyS3").c_str(), mode);
        EXPECT_NE(serial::AccessAdvice(dir / "ttyS3", EACCES).find("\"dialout\""), std::string::npos) << gid;
    }
}

TEST(AccessAdvice, refusedOpenIsCodeOneWithEacces)
{
    serialtest::PtyPair pty;
    platform::PlainWindowThread window;
    serial::SerialPort port(window);
    port.SetPort(pty.SlavePath());
    {
        const RefusedUser refused(pty.SlavePath());
        ASSERT_TRUE(refused.Refused());
        try {
            port.Open();
            ADD_FAILURE() << "opened a node the user may not open";
        } catch (const serial::PortError& e) {
            EXPECT_EQ(e.Code(), 1);
            EXPECT_EQ(e.OsError(), EACCES);
        }
    }
    // Access given: the next attempt opens it.
    port.Open();
    EXPECT_TRUE(port.Connected());
}

} // namespace
