#include "serial/comerror.h"

#include <array>

namespace serial {

namespace {

constexpr std::array<const char*, 23> kTexts = {
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
};

std::string MessageOf(int code, int osError)
{
    std::string text = ComErrorText(code);
    if (osError != -1)
        text += " (win error code: " + std::to_string(osError) + ")";
    return text;
}

} // namespace

PortError::PortError(ComError code, int osError)
    : std::runtime_error(MessageOf(static_cast<int>(code), osError))
    , code_(static_cast<int>(code))
    , osError_(osError)
{
}

std::string ComErrorText(int code)
{
    if (code < 1 || code > static_cast<int>(kTexts.size()))
        return {};
    return kTexts[static_cast<std::size_t>(code - 1)];
}

} // namespace serial
