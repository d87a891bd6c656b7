#pragma once
// The line settings table, run on a pseudo-terminal read by the test itself
// on Linux (comport_test.cpp) and under Wine through the line peer
// (comport_wine_test.cpp): each case sets something on a port and checks
// the line state a pseudo-terminal keeps of it.

#include "serial/comport.h"
#include "tests/support/linestate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace serialtest {

struct SettingsCase {
    const char* name;
    std::function<void(TCustomComPort&)> set;
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

        SettingsCase{"defaults", [](TCustomComPort&) {},
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 9600u);
                EXPECT_FALSE(s.customSpeed);
                EXPECT_FALSE(s.parityOdd || s.parityStick || s.parityCheck);
                EXPECT_FALSE(s.twoStopBits);
                EXPECT_FALSE(s.rtsCts);
                EXPECT_FALSE(s.xonXoffIn || s.xonXoffOut);
            }},
        SettingsCase{"standardSpeed", [](TCustomComPort& p) { p.SetBaudRate(br115200); },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 115200u);
                EXPECT_FALSE(s.customSpeed);
            }},
        SettingsCase{"listedSpeedWithoutKernelCode", [](TCustomComPort& p) { p.SetBaudRate(br14400); },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 14400u);
                EXPECT_TRUE(s.customSpeed);
            }},
        SettingsCase{"customSpeed",
            [](TCustomComPort& p) {
                p.SetCustomBaudRate(31250);
                p.SetBaudRate(brCustom);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 31250u);
                EXPECT_TRUE(s.customSpeed);
            }},
        SettingsCase{"customRateEqualToAListedOne",
            [](TCustomComPort& p) {
                p.SetBaudRate(brCustom);
                p.SetCustomBaudRate(57600);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 57600u);
                EXPECT_FALSE(s.customSpeed);
            }},
        SettingsCase{"customRateIgnoredForAListedChoice", [](TCustomComPort& p) { p.SetCustomBaudRate(31250); },
            [](const LineState& s) { EXPECT_EQ(s.speed, 9600u); }},
        SettingsCase{"backToAStandardSpeedClearsTheCustomOne",
            [](TCustomComPort& p) {
                p.SetBaudRate(br256000);
                p.SetBaudRate(br19200);
            },
            [](const LineState& s) {
                EXPECT_EQ(s.speed, 19200u);
                EXPECT_FALSE(s.customSpeed);
            }},
        // The pseudo-terminal keeps every flag but the size and PARENB.
        SettingsCase{"oddParityChecked",
            [](TCustomComPort& p) {
                p.Parity().SetBits(prOdd);
                p.Parity().SetCheck(true);
            },
            [](const LineState& s) { EXPECT_TRUE(s.parityOdd && !s.parityStick && s.parityCheck); }},
        SettingsCase{"markParity", [](TCustomComPort& p) { p.Parity().SetBits(prMark); },
            [](const LineState& s) { EXPECT_TRUE(s.parityOdd && s.parityStick); }},
        SettingsCase{"spaceParity", [](TCustomComPort& p) { p.Parity().SetBits(prSpace); },
            [](const LineState& s) { EXPECT_TRUE(!s.parityOdd && s.parityStick); }},
        SettingsCase{"twoStopBits", [](TCustomComPort& p) { p.SetStopBits(sbTwoStopBits); },
            [](const LineState& s) { EXPECT_TRUE(s.twoStopBits); }},
        SettingsCase{"oneAndAHalfStopBitsBecomeTwo", [](TCustomComPort& p) { p.SetStopBits(sbOne5StopBits); },
            [](const LineState& s) { EXPECT_TRUE(s.twoStopBits); }},
        SettingsCase{"hardwareFlowControl", [](TCustomComPort& p) { p.FlowControl().SetFlowControl(fcHardware); },
            [](const LineState& s) {
                EXPECT_TRUE(s.rtsCts);
                EXPECT_FALSE(s.xonXoffIn || s.xonXoffOut);
            }},
        SettingsCase{"softwareFlowControl",
            [](TCustomComPort& p) {
                p.FlowControl().SetXonChar(0x01);
                p.FlowControl().SetFlowControl(fcSoftware);
            },
            [](const LineState& s) {
                EXPECT_FALSE(s.rtsCts);
                EXPECT_TRUE(s.xonXoffIn && s.xonXoffOut);
                EXPECT_EQ(s.xonChar, 0x01);
                EXPECT_EQ(s.xoffChar, 19);
            }},
        SettingsCase{"outgoingHandshakeOnly", [](TCustomComPort& p) { p.FlowControl().SetXonXoffOut(true); },
            [](const LineState& s) { EXPECT_TRUE(s.xonXoffOut && !s.xonXoffIn && !s.rtsCts); }},
    };
}

} // namespace serialtest
