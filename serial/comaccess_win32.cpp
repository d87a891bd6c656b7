#include "serial/comaccess.h"

#include <windows.h>

#include <string>

namespace serial {
namespace {

// The system's own words for the error, without the full stop and line end
// it ends them with.
std::string SystemReason(int osError)
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
            | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(osError), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 ? std::string(text, length) : "error " + std::to_string(osError);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

} // namespace

// Windows refuses a port that another program holds open with "access
// denied"; that program is the one to close.
std::string AccessAdvice(const std::string&, int osError)
{
    if (osError != ERROR_ACCESS_DENIED && osError != ERROR_SHARING_VIOLATION)
        return {};
    return "The port is in use by another program. Close that program, then try again.";
}

std::string OpenFailureDetail(const std::string& portName, int osError)
{
    const std::string where = portName + ": ";
    if (osError <= 0)
        return where + "reason unknown";
    const std::string advice = AccessAdvice(portName, osError);
    return where + (advice.empty() ? SystemReason(osError) : SystemReason(osError) + ". " + advice);
}

} // namespace serial
