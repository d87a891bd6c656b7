#pragma once
// PortError: the one error the serial port component raises. It carries one
// of the component's error codes and the operating system's error number
// (errno on Linux, GetLastError on Windows; -1 when none applies). The
// message is the code's fixed text, followed by " (win error code: N)" when
// a number is given.
//
// Thread safety: values; ThrowLastComError reads the calling thread's last
// error.

#include <stdexcept>
#include <string>

namespace serial {

// The component's error codes. The numbers are stable: codes of features
// this program never reaches keep their place in the table.
enum class ComError : int {
    OpenFailed = 1,
    WriteFailed,
    ReadFailed,
    InvalidAsync,
    PurgeFailed,
    AsyncCheck,
    SetStateFailed,
    TimeoutsFailed,
    SetupComFailed,
    ClearComFailed,
    ModemStatusFailed,
    EscapeComFailed,
    TransmitFailed,
    ConnChangeProp,
    EnumPortsFailed,
    StoreFailed,
    LoadFailed,
    RegFailed,
    LedStateFailed,
    ThreadCreated,
    WaitFailed,
    HasLink,
    RegError,
};

class PortError : public std::runtime_error {
public:
    explicit PortError(ComError code, int osError = -1);

    int Code() const { return code_; }
    // The operating system's error number, -1 when none was given.
    int OsError() const { return osError_; }

private:
    int code_;
    int osError_;
};

// The fixed text of a code; empty for a number outside the table.
std::string ComErrorText(int code);

// Raises PortError with the code and the calling thread's last error (errno,
// or GetLastError on Windows; lasterror_*.cpp).
[[noreturn]] void ThrowLastComError(ComError code);

} // namespace serial
