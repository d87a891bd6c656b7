// The adapter's latency timer read from a fake sysfs tree, and the notice
// it gives the operator once per port.
#include "serial/latencytimer.h"

#include "tests/support/fakesysfs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class LatencyTimerTest : public ::testing::Test {
protected:
    // A USB tty whose driver publishes latency_timer with this text, or
    // none at all.
    std::string AddAdapter(const std::string& name, const std::optional<std::string>& latencyTimer)
    {
        sysfs.AddUsbTty(name, "ftdi_sio", true, {{"idVendor", "0403"}});
        if (latencyTimer)
            sysfs.SetLatencyTimer(name, *latencyTimer);
        return sysfs.DevDir() + "/" + name;
    }

    FakeSysfs sysfs;
};

TEST_F(LatencyTimerTest, readsTheAttributeOfTheNamedTtyOrOfTheTtyAStableNameLinksTo)
{
    struct Case {
        const char* name;
        std::optional<std::string> attribute;
        std::optional<unsigned> ms;
    };
    for (const Case& c : {Case{"ttyUSB0", "16\n", 16u}, Case{"ttyUSB1", "1\n", 1u}, Case{"ttyUSB2", "255", 255u},
             Case{"ttyACM0", std::nullopt, std::nullopt}, Case{"ttyUSB3", "", std::nullopt},
             Case{"ttyUSB4", "fast\n", std::nullopt}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(serial::AdapterLatencyTimerMs(AddAdapter(c.name, c.attribute)), c.ms);
    }
    EXPECT_EQ(serial::AdapterLatencyTimerMs(sysfs.DevDir() + "/ttyUSB9"), std::nullopt) << "no such device";
    sysfs.AddStableName("usb-FTDI_FT232R_USB_UART_A1-if00-port0", "ttyUSB0");
    EXPECT_EQ(serial::AdapterLatencyTimerMs(sysfs.DevDir() + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0"),
        16u)
        << "a stable name reads its tty's timer";
}

TEST_F(LatencyTimerTest, noticeOnceForEachPortAboveTwoMilliseconds)
{
    const std::string slow = AddAdapter("ttyUSB0", "16");
    const std::string other = AddAdapter("ttyUSB1", "3");
    const std::string borderline = AddAdapter("ttyUSB2", "2");
    const std::string fast = AddAdapter("ttyUSB3", "1");
    serial::LatencyNotices notices;

    const std::string notice = notices.For(slow);
    EXPECT_NE(notice.find(slow), std::string::npos) << notice;
    EXPECT_NE(notice.find("16 ms"), std::string::npos) << notice;
    EXPECT_NE(notice.find("ATTR{latency_timer}=\"1\""), std::string::npos) << notice;
    EXPECT_EQ(notices.For(slow), "") << "told twice";
    EXPECT_NE(notices.For(other).find("3 ms"), std::string::npos);
    EXPECT_EQ(notices.For(borderline), "");
    EXPECT_EQ(notices.For(fast), "");
    // A port below the limit is looked at again when it is opened again.
    sysfs.SetLatencyTimer("ttyUSB3", "16");
    EXPECT_NE(notices.For(fast), "");
}

} // namespace
