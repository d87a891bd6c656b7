#pragma once
// Text forms of the line setting enumerations, as shown in the setup dialog
// and stored in the settings file, and the bits per second behind BaudRateChoice.
//
// Thread safety: pure functions, callable from any thread.
//
// Str* functions compare the text with every form in order, ignoring letter
// case, and return the first match; a text that matches none yields br9600,
// dbEight, sbOneStopBit, prNone or fcCustom. A value outside its enumeration
// has the empty text.

#include "serial/comenums.h"

#include <cstdint>
#include <string>

namespace serial {

std::string BaudRateToStr(BaudRateChoice value);
std::string DataBitsToStr(DataBitsChoice value);
std::string StopBitsToStr(StopBitsChoice value);
std::string ParityToStr(ParityChoice value);
std::string FlowControlToStr(FlowControlChoice value);

BaudRateChoice StrToBaudRate(const std::string& text);
DataBitsChoice StrToDataBits(const std::string& text);
StopBitsChoice StrToStopBits(const std::string& text);
ParityChoice StrToParity(const std::string& text);
FlowControlChoice StrToFlowControl(const std::string& text);

// Bits per second behind a listed rate; 0 for brCustom (and for a value
// outside the enumeration).
std::uint32_t BaudRateToValue(BaudRateChoice value);
// The listed rate with exactly this speed, or brCustom when none is listed.
BaudRateChoice ValueToBaudRate(std::uint32_t bitsPerSecond);

} // namespace serial
