#pragma once
// Text forms of the line setting enumerations, as shown in the setup dialog
// and stored in the settings file, and the bits per second behind TBaudRate.
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

std::string BaudRateToStr(TBaudRate value);
std::string DataBitsToStr(TDataBits value);
std::string StopBitsToStr(TStopBits value);
std::string ParityToStr(TParityBits value);
std::string FlowControlToStr(TFlowControl value);

TBaudRate StrToBaudRate(const std::string& text);
TDataBits StrToDataBits(const std::string& text);
TStopBits StrToStopBits(const std::string& text);
TParityBits StrToParity(const std::string& text);
TFlowControl StrToFlowControl(const std::string& text);

// Bits per second behind a listed rate; 0 for brCustom (and for a value
// outside the enumeration).
std::uint32_t BaudRateToValue(TBaudRate value);
// The listed rate with exactly this speed, or brCustom when none is listed.
TBaudRate ValueToBaudRate(std::uint32_t bitsPerSecond);
