// Text forms, flow-control presets, error messages and port names: tables.
#include "serial/comconvert.h"
#include "serial/comerror.h"
#include "serial/comsettings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Every value's text, read back in its own case and in lower case.
template <typename Enum>
void ExpectTextForms(const std::vector<std::string>& texts, std::string (*toStr)(Enum),
    Enum (*fromStr)(const std::string&))
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto value = static_cast<Enum>(i);
        EXPECT_EQ(toStr(value), texts[i]);
        EXPECT_EQ(fromStr(texts[i]), value) << texts[i];
        EXPECT_EQ(fromStr(Lower(texts[i])), value) << texts[i];
    }
    EXPECT_EQ(toStr(static_cast<Enum>(texts.size())), "") << "a value outside the enumeration";
}

TEST(ComConvert, textFormsFollowTheEnumerationOrder)
{
    ExpectTextForms<serial::BaudRateChoice>({"Custom", "110", "300", "600", "1200", "2400", "4800", "9600", "14400",
                                                "19200", "38400", "56000", "57600", "115200", "128000", "256000"},
        serial::BaudRateToStr, serial::StrToBaudRate);
    ExpectTextForms<serial::DataBitsChoice>({"5", "6", "7", "8"}, serial::DataBitsToStr, serial::StrToDataBits);
    ExpectTextForms<serial::StopBitsChoice>({"1", "1.5", "2"}, serial::StopBitsToStr, serial::StrToStopBits);
    ExpectTextForms<serial::ParityChoice>({"None", "Odd", "Even", "Mark", "Space"}, serial::ParityToStr,
        serial::StrToParity);
    ExpectTextForms<serial::FlowControlChoice>({"Hardware", "Software", "None", "Custom"}, serial::FlowControlToStr,
        serial::StrToFlowControl);
}

TEST(ComConvert, unlistedTextsFallBack)
{
    for (const char* text : {"", "12345", "custom ", "CUSTOMX", "9600.0"})
        EXPECT_EQ(serial::StrToBaudRate(text), serial::br9600) << text;
    EXPECT_EQ(serial::StrToBaudRate("cUsToM"), serial::brCustom);
    EXPECT_EQ(serial::StrToDataBits("9"), serial::dbEight);
    EXPECT_EQ(serial::StrToStopBits("1.50"), serial::sbOneStopBit);
    EXPECT_EQ(serial::StrToParity("nothing"), serial::prNone);
    EXPECT_EQ(serial::StrToFlowControl("RTS/CTS"), serial::fcCustom);
    EXPECT_EQ(serial::StrToFlowControl(std::string("Hard\0ware", 9)), serial::fcCustom);
}

TEST(ComConvert, baudRateValuesRoundTrip)
{
    const std::uint32_t values[] = {
        0, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(serial::BaudRateToValue(static_cast<serial::BaudRateChoice>(i)), values[i]);
        if (i > 0) {
            EXPECT_EQ(serial::ValueToBaudRate(values[i]), static_cast<serial::BaudRateChoice>(i));
        }
    }
    EXPECT_EQ(serial::ValueToBaudRate(230400), serial::brCustom);
    EXPECT_EQ(serial::ValueToBaudRate(0), serial::brCustom);
    EXPECT_EQ(serial::BaudRateToValue(static_cast<serial::BaudRateChoice>(16)), 0u);
}

struct PresetCase {
    const char* name;
    serial::FlowControlChoice preset;
    serial::RtsControl rts;
    bool outCts, xonIn, xonOut;
};

class FlowControlPreset : public ::testing::TestWithParam<PresetCase> {};

TEST_P(FlowControlPreset, setsHandshakeFieldsAndLeavesTheOthers)
{
    const PresetCase& c = GetParam();
    serial::FlowControlSettings flow;
    // A custom state to start from, with every field a preset never touches
    // away from its default.
    flow.SetControlRTS(serial::rtsToggle);
    flow.SetOutCTSFlow(true);
    flow.SetXonXoffIn(true);
    flow.SetControlDTR(serial::dtrHandshake);
    flow.SetOutDSRFlow(true);
    flow.SetDSRSensitivity(true);
    flow.SetTxContinueOnXoff(true);
    flow.SetXonChar(1);
    flow.SetXoffChar(2);

    flow.SetFlowControl(c.preset);

    EXPECT_EQ(flow.ControlRTS(), c.rts);
    EXPECT_EQ(flow.OutCTSFlow(), c.outCts);
    EXPECT_EQ(flow.XonXoffIn(), c.xonIn);
    EXPECT_EQ(flow.XonXoffOut(), c.xonOut);
    EXPECT_EQ(flow.GetFlowControl(), c.preset);
    EXPECT_EQ(flow.ControlDTR(), serial::dtrHandshake);
    EXPECT_TRUE(flow.OutDSRFlow());
    EXPECT_TRUE(flow.DSRSensitivity());
    EXPECT_TRUE(flow.TxContinueOnXoff());
    EXPECT_EQ(flow.XonChar(), 1);
    EXPECT_EQ(flow.XoffChar(), 2);
}

INSTANTIATE_TEST_SUITE_P(Presets, FlowControlPreset,
    ::testing::Values(PresetCase{"hardware", serial::fcHardware, serial::rtsHandshake, true, false, false},
        PresetCase{"software", serial::fcSoftware, serial::rtsDisable, false, true, true},
        PresetCase{"none", serial::fcNone, serial::rtsDisable, false, false, false},
        // fcCustom changes nothing: the custom start state stays.
        PresetCase{"custom", serial::fcCustom, serial::rtsToggle, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlowControl, defaultIsNoneAndAnExtraFlagMakesItCustom)
{
    serial::FlowControlSettings flow;
    EXPECT_EQ(flow.GetFlowControl(), serial::fcNone);
    flow.SetFlowControl(serial::fcHardware);
    EXPECT_EQ(flow.GetFlowControl(), serial::fcHardware);
    flow.SetXonXoffIn(true);
    EXPECT_EQ(flow.GetFlowControl(), serial::fcCustom);
}

TEST(ComError, messagesCarryTheOperatingSystemNumber)
{
    const struct {
        serial::ComError code;
        int os;
        const char* text;
    } cases[] = {
        {serial::ComError::OpenFailed, 2, "Unable to open com port (win error code: 2)"},
        {serial::ComError::OpenFailed, -1, "Unable to open com port"},
        {serial::ComError::WriteFailed, 5, "WriteFile function failed (win error code: 5)"},
        {serial::ComError::ReadFailed, 5, "ReadFile function failed (win error code: 5)"},
        {serial::ComError::SetStateFailed, 22, "SetCommState function failed (win error code: 22)"},
        {serial::ComError::TimeoutsFailed, 0, "SetCommTimeouts failed (win error code: 0)"},
        {serial::ComError::SetupComFailed, 22, "SetupComm function failed (win error code: 22)"},
        {serial::ComError::ClearComFailed, 5, "ClearCommError function failed (win error code: 5)"},
        {serial::ComError::EscapeComFailed, 5, "EscapeCommFunction function failed (win error code: 5)"},
        {serial::ComError::RegFailed, -1, "Link (un)registration failed"},
        {serial::ComError::RegError, 2, "Registry error (win error code: 2)"},
    };
    for (const auto& c : cases) {
        const serial::PortError error(c.code, c.os);
        EXPECT_STREQ(error.what(), c.text);
        EXPECT_EQ(error.Code(), static_cast<int>(c.code));
        EXPECT_EQ(error.OsError(), c.os);
    }
    EXPECT_EQ(serial::ComErrorText(22), "A component is linked to OnRxBuf event");
    EXPECT_EQ(serial::ComErrorText(0), "");
    EXPECT_EQ(serial::ComErrorText(24), "");
}

} // namespace
