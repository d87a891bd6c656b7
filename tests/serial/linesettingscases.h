#pragma once
// The line settings table, run on a pseudo-terminal read by the test itself
// on Linux (serialport_test.cpp) and under Wine through the line peer
// (comport_wine_test.cpp): each case sets something on a port and checks
// the line state a pseudo-terminal keeps of it.

#include "serial/serialport.h"
#include "tests/support/linestate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace serialtest {

struct SettingsCase {
    const char* name;
    std::function<void(serial::SerialPort&)> set;
    std::function<void(const LineState&)> check;
};

// Keeps the test names ctest shows short.
inline void PrintTo(const SettingsCase& c, std::ostream* os)
{
    *os << c.name;
}

inline std::vector<SettingsCase> LineSettingsCases()
{
    return {

        SettingsCase{"defaults", [](serial::SerialPort&) {},
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 9600u);
                EXPECT_FALSE(s.customSpeed);
                EXPECT_FALSE(s.parityOdd || s.parityStick || s.parityCheck);
                EXPECT_FALSE(s.twoStopBits);
                EXPECT_FALSE(s.rtsCts);
                EXPECT_FALSE(s.xonXoffIn || s.xonXoffOut);
            }},
        SettingsCase{"standardSpeed", [](serial::SerialPort& p) { p.SetBaudRate(serial::br115200); },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 115200u);
                EXPECT_FALSE(s.customSpeed);
            }},
        SettingsCase{"listedSpeedWithoutKernelCode", [](serial::SerialPort& p) { p.SetBaudRate(serial::br14400); },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 14400u);
                EXPECT_TRUE(s.customSpeed);
            }},
        SettingsCase{"customSpeed",
            [](serial::SerialPort& p) {
                p.SetCustomBaudRate(31250);
                p.SetBaudRate(serial::brCustom);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 31250u);
                EXPECT_TRUE(s.customSpeed);
            }},
        SettingsCase{"customRateEqualToAListedOne",
            [](serial::SerialPort& p) {
                p.SetBaudRate(serial::brCustom);
                p.SetCustomBaudRate(57600);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 57600u);
                EXPECT_FALSE(s.customSpeed);
            }},
        SettingsCase{"customRateIgnoredForAListedChoice", [](serial::SerialPort& p) { p.SetCustomBaudRate(31250); },
            [](const LineState& s) { EXPECT_EQ(s.speed, 9600u); }},
        SettingsCase{"backToAStandardSpeedClearsTheCustomOne",
            [](serial::SerialPort& p) {
                p.SetBaudRate(serial::br256000);
                p.SetBaudRate(serial::br19200);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 19200u);
                EXPECT_FALSE(s.customSpeed);
            }},
        // The pseudo-terminal keeps every flag but the size and PARENB.
        SettingsCase{"oddParityChecked",
            [](serial::SerialPort& p) {
                p.Parity().SetBits(serial::prOdd);
                p.Parity().SetCheck(true);
            },
            [](const LineState& s) { EXPECT_TRUE(s.parityOdd && !s.parityStick && s.parityCheck); }},
        SettingsCase{"markParity", [](serial::SerialPort& p) { p.Parity().SetBits(serial::prMark); },
            [](const LineState& s) { EXPECT_TRUE(s.parityOdd && s.parityStick); }},
        SettingsCase{"spaceParity", [](serial::SerialPort& p) { p.Parity().SetBits(serial::prSpace); },
            [](const LineState& s) { EXPECT_TRUE(!s.parityOdd && s.parityStick); }},
        SettingsCase{"twoStopBits", [](serial::SerialPort& p) { p.SetStopBits(serial::sbTwoStopBits); },
            [](const LineState& s) { EXPECT_TRUE(s.twoStopBits); }},
        SettingsCase{"oneAndAHalfStopBitsBecomeTwo",
            [](serial::SerialPort& p) { p.SetStopBits(serial::sbOne5StopBits); },
            [](const LineState& s) { EXPECT_TRUE(s.twoStopBits); }},
        SettingsCase{"hardwareFlowControl",
            [](serial::SerialPort& p) { p.FlowControl().SetFlowControl(serial::fcHardware); },
            [](const LineState& s) {
                EXPECT_TRUE(s.rtsCts);
                EXPECT_FALSE(s.xonXoffIn || s.xonXoffOut);
            }},
        SettingsCase{"softwareFlowControl",
            [](serial::SerialPort& p) {
                p.FlowControl().SetXonChar(0x01);
                p.FlowControl().SetFlowControl(serial::fcSoftware);
            },
            [](const LineState& s) {
                EXPECT_FALSE(s.rtsCts);
                EXPECT_TRUE(s.xonXoffIn && s.xonXoffOut);
                EXPECT_EQ(s.xonChar, 0x01);
                EXPECT_EQ(s.xoffChar, 19);
            }},
        SettingsCase{"outgoingHandshakeOnly", [](serial::SerialPort& p) { p.FlowControl().SetXonXoffOut(true); },
            [](const LineState& s) { EXPECT_TRUE(s.xonXoffOut && !s.xonXoffIn && !s.rtsCts); }},
    };
}

} // namespace serialtest
