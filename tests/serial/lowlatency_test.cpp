// The low-latency request of an opened line and its restore on close,
// through a driver that plays an adapter's serial_struct.
#include "serial/comline.h"
#include "serial/lowlatency_linux.h"

#include "tests/support/ptypair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// An adapter's serial_struct with every byte set, so that a request that
// loses any field shows, which refuses the requests it is told to.
class FakeDriver : public serial::SerialInfoDriver {
public:
    FakeDriver()
    {
        std::memset(&state, 0x5a, sizeof state);
        state.flags = ASYNC_SKIP_TEST | ASYNC_AUTO_IRQ;
    }
    int Get(int, serial_struct& info) override
    {
        if (getError == 0)
            info = state;
        return getError;
    }
    int Set(int, const serial_struct& info) override
    {
        sets.push_back(info);
        if (setError == 0)
            state = info;
        return setError;
    }

    serial_struct state{};
    int getError = 0;
    int setError = 0;
    std::vector<serial_struct> sets;
};

// Every field but the flags as in expected.
void ExpectOnlyFlagsDiffer(serial_struct set, serial_struct expected, int flags)
{
    EXPECT_EQ(set.flags, flags);
    set.flags = expected.flags = 0;
    EXPECT_EQ(std::memcmp(&set, &expected, sizeof set), 0) << "a field besides the flags changed";
}

class LowLatencyTest : public ::testing::Test {
protected:
    void SetUp() override { serial::SetSerialInfoDriver(&driver); }
    void TearDown() override { serial::SetSerialInfoDriver(nullptr); }

    FakeDriver driver;
    serialtest::PtyPair pty;
    serial::ComLine line;
};

TEST_F(LowLatencyTest, openSetsTheFlagAloneAndCloseRestoresTheFlagsAlone)
{
    const serial_struct before = driver.state;
    line.Open(pty.SlavePath());
    ASSERT_EQ(driver.sets.size(), 1u);
    ExpectOnlyFlagsDiffer(driver.sets[0], before, before.flags | ASYNC_LOW_LATENCY);

    // Someone else changes a field while the port is open: closing puts
    // back the flags and leaves that change alone.
    driver.state.closing_wait = 500;
    serial_struct during = driver.state;
    line.Close();
    ASSERT_EQ(driver.sets.size(), 2u);
    ExpectOnlyFlagsDiffer(driver.sets[1], during, before.flags);
}

TEST_F(LowLatencyTest, lineThatKeepsItsLatencyOpensAndClosesUntouched)
{
    struct Case {
        const char* what;
        int getError;
        int setError;
        bool lowLatencyAlready;
    };
    for (const Case c : {Case{"pseudo-terminal", ENOTTY, 0, false}, Case{"no serial_struct", EINVAL, 0, false},
             Case{"refused read", EPERM, 0, false}, Case{"set refused as not a tty", 0, ENOTTY, false},
             Case{"set refused", 0, EINVAL, false}, Case{"set not permitted", 0, EPERM, false},
             Case{"low latency already", 0, 0, true}}) {
        SCOPED_TRACE(c.what);
        driver.getError = c.getError;
        driver.setError = c.setError;
        driver.state.flags = c.lowLatencyAlready ? ASYNC_LOW_LATENCY : 0;
        driver.sets.clear();
        const serial_struct before = driver.state;
        ASSERT_NO_THROW(line.Open(pty.SlavePath()));
        const std::size_t setsAtOpen = driver.sets.size();
        line.Close();
        // No second request to undo what did not happen.
        EXPECT_EQ(driver.sets.size(), setsAtOpen);
        EXPECT_EQ(std::memcmp(&driver.state, &before, sizeof before), 0);
    }
}

TEST(LowLatencySystem, pseudoTerminalRefusesAsNotATty)
{
    serialtest::PtyPair pty;
    EXPECT_EQ(serial::RequestLowLatency(pty.Slave(), serial::CurrentSerialInfoDriver()), std::nullopt);
    serial_struct info{};
    EXPECT_EQ(serial::CurrentSerialInfoDriver().Get(pty.Slave(), info), ENOTTY);
}

} // namespace
