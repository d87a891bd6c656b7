#include "serial/comconvert.h"

#include <array>
#include <cctype>
#include <cstddef>

namespace serial {

namespace {

constexpr std::array<const char*, 16> kBaudRateTexts = {"Custom", "110", "300", "600", "1200", "2400", "4800", "9600",
    "14400", "19200", "38400", "56000", "57600", "115200", "128000", "256000"};
constexpr std::array<std::uint32_t, 16> kBaudRateValues = {
    0, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
constexpr std::array<const char*, 4> kDataBitsTexts = {"5", "6", "7", "8"};
constexpr std::array<const char*, 3> kStopBitsTexts = {"1", "1.5", "2"};
constexpr std::array<const char*, 5> kParityTexts = {"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<const char*, 4> kFlowControlTexts = {"Hardware", "Software", "None", "Custom"};

bool SameTextIgnoringCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

template <std::size_t N>
std::string TextOf(const std::array<const char*, N>& texts, unsigned value)
{
    return value < N ? texts[value] : "";
}

template <typename Enum, std::size_t N>
Enum ValueOf(const std::array<const char*, N>& texts, const std::string& text, Enum fallback)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (SameTextIgnoringCase(text, texts[i]))
            return static_cast<Enum>(i);
    }
    return fallback;
}

} // namespace

std::string BaudRateToStr(BaudRateChoice value)
{
    return TextOf(kBaudRateTexts, value);
}
std::string DataBitsToStr(DataBitsChoice value)
{
    return TextOf(kDataBitsTexts, value);
}
std::string StopBitsToStr(StopBitsChoice value)
{
    return TextOf(kStopBitsTexts, value);
}
std::string ParityToStr(ParityChoice value)
{
    return TextOf(kParityTexts, value);
}
std::string FlowControlToStr(FlowControlChoice value)
{
    return TextOf(kFlowControlTexts, value);
}

BaudRateChoice StrToBaudRate(const std::string& text)
{
    return ValueOf(kBaudRateTexts, text, br9600);
}
DataBitsChoice StrToDataBits(const std::string& text)
{
    return ValueOf(kDataBitsTexts, text, dbEight);
}
StopBitsChoice StrToStopBits(const std::string& text)
{
    return ValueOf(kStopBitsTexts, text, sbOneStopBit);
}
ParityChoice StrToParity(const std::string& text)
{
    return ValueOf(kParityTexts, text, prNone);
}
FlowControlChoice StrToFlowControl(const std::string& text)
{
    return ValueOf(kFlowControlTexts, text, fcCustom);
}

std::uint32_t BaudRateToValue(BaudRateChoice value)
{
    return value < kBaudRateValues.size() ? kBaudRateValues[value] : 0;
}

BaudRateChoice ValueToBaudRate(std::uint32_t bitsPerSecond)
{
    for (std::size_t i = 1; i < kBaudRateValues.size(); ++i) {
        if (kBaudRateValues[i] == bitsPerSecond)
            return static_cast<BaudRateChoice>(i);
    }
    return brCustom;
}

} // namespace serial
