// The Windows backend of ComLine: the communications API on a handle opened
// for overlapped I/O. The event thread waits on an overlapped WaitCommEvent
// together with a wake-up event; reads never wait (read time-outs of
// MAXDWORD, 0, 0) and take what ClearCommError counts.
#include "serial/comline.h"

#include "platform/utf16_win32.h"
#include "serial/comerror.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace serial {

struct ComLine::OpenLine {
    HANDLE handle = INVALID_HANDLE_VALUE;
    // Signalled by WakeWaiter (auto-reset).
    HANDLE wake = nullptr;
    // The event thread's WaitCommEvent; it may stay pending from one
    // WaitEvent to the next.
    OVERLAPPED waitOp{};
    DWORD waitMask = 0;
    bool waitPending = false;
};

namespace {

// One overlapped operation with its own event, waited for to the end.
class Operation {
public:
    Operation() { op_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
    ~Operation()
    {
        if (op_.hEvent != nullptr)
            CloseHandle(op_.hEvent);
    }
    OVERLAPPED* get() { return &op_; }
    bool Valid() const { return op_.hEvent != nullptr; }

    // Waits for an operation whose start returned started; true with the
    // byte count when it succeeded.
    bool Finish(HANDLE handle, BOOL started, DWORD& transferred)
    {
        if (!started && GetLastError() != ERROR_IO_PENDING)
            return false;
        return GetOverlappedResult(handle, &op_, &transferred, TRUE) != 0;
    }

private:
    OVERLAPPED op_{};
};

BYTE StopBitsOf(StopBitsChoice stopBits)
{
    switch (stopBits) {
    case sbOne5StopBits:
        return ONE5STOPBITS;
    case sbTwoStopBits:
        return TWOSTOPBITS;
    case sbOneStopBit:
        break;
    }
    return ONESTOPBIT;
}

void FillDcb(DCB& dcb, const LineSettings& s)
{
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = s.bitsPerSecond;
    dcb.fBinary = TRUE;
    dcb.fParity = s.parityCheck;
    dcb.fOutxCtsFlow = s.outCtsFlow;
    dcb.fOutxDsrFlow = s.outDsrFlow;
    dcb.fDtrControl = s.dtrControl; // disable 0, enable 1, handshake 2
    dcb.fDsrSensitivity = s.dsrSensitivity;
    dcb.fTXContinueOnXoff = s.txContinueOnXoff;
    dcb.fOutX = s.xonXoffOut;
    dcb.fInX = s.xonXoffIn;
    dcb.fErrorChar = s.replaceErrors;
    dcb.fNull = s.discardNull;
    dcb.fRtsControl = s.rtsControl; // disable 0, enable 1, handshake 2, toggle 3
    dcb.fAbortOnError = FALSE;
    dcb.XonLim = s.xonLimit;
    dcb.XoffLim = s.xoffLimit;
    dcb.ByteSize = static_cast<BYTE>(5 + std::min<int>(s.dataBits, dbEight));
    dcb.Parity = static_cast<BYTE>(s.parity); // none 0, odd 1, even 2, mark 3, space 4
    dcb.StopBits = StopBitsOf(s.stopBits);
    dcb.XonChar = static_cast<char>(s.xonChar);
    dcb.XoffChar = static_cast<char>(s.xoffChar);
    dcb.ErrorChar = static_cast<char>(s.replaceErrors ? s.replaceChar : 0);
    dcb.EofChar = 0;
    dcb.EvtChar = static_cast<char>(s.eventChar);
}

[[noreturn]] void ThrowClosed(ComError code)
{
    throw PortError(code, ERROR_INVALID_HANDLE);
}

} // namespace

std::string DevicePathOf(const std::string& portName)
{
    if (portName.empty() || portName.find_first_of("\\/") != std::string::npos)
        return portName;
    return "\\\\.\\" + portName;
}

ComLine::ComLine() = default;

ComLine::~ComLine()
{
    Close();
}

void ComLine::Open(const std::string& portName)
{
    if (open_)
        return;
    // Share mode 0: a second opener, in this program or another, is refused.
    const HANDLE handle = CreateFileW(platform::WideFromUtf8(DevicePathOf(portName)).c_str(),
        GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowLastComError(ComError::OpenFailed);
    auto line = std::make_unique<OpenLine>();
    line->handle = handle;
    line->wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    line->waitOp.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Received characters are the only event the event thread asks for: a
    // lost line shows as a failing wait.
    if (line->wake == nullptr || line->waitOp.hEvent == nullptr || !SetCommMask(handle, EV_RXCHAR)) {
        const DWORD error = GetLastError();
        if (line->wake != nullptr)
            CloseHandle(line->wake);
        if (line->waitOp.hEvent != nullptr)
            CloseHandle(line->waitOp.hEvent);
        CloseHandle(handle);
        throw PortError(ComError::OpenFailed, static_cast<int>(error));
    }
    open_ = std::move(line);
}

void ComLine::Close() noexcept
{
    if (!open_)
        return;
    // A cleared mask completes a pending wait; it must end before its
    // record goes.
    SetCommMask(open_->handle, 0);
    if (open_->waitPending) {
        DWORD ignored = 0;
        CancelIo(open_->handle);
        GetOverlappedResult(open_->handle, &open_->waitOp, &ignored, TRUE);
    }
    PurgeComm(open_->handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
    CloseHandle(open_->handle);
    CloseHandle(open_->wake);
    CloseHandle(open_->waitOp.hEvent);
    open_.reset();
}

void ComLine::ApplyQueueSizes(int inputSize, int outputSize)
{
    if (!open_)
        ThrowClosed(ComError::SetupComFailed);
    if (inputSize < 0 || outputSize < 0)
        throw PortError(ComError::SetupComFailed, ERROR_INVALID_PARAMETER);
    if (!SetupComm(open_->handle, static_cast<DWORD>(inputSize), static_cast<DWORD>(outputSize)))
        ThrowLastComError(ComError::SetupComFailed);
}

void ComLine::ApplyLineSettings(const LineSettings& settings)
{
    if (!open_)
        ThrowClosed(ComError::SetStateFailed);
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    if (!GetCommState(open_->handle, &dcb))
        ThrowLastComError(ComError::SetStateFailed);
    FillDcb(dcb, settings);
    if (!SetCommState(open_->handle, &dcb))
        ThrowLastComError(ComError::SetStateFailed);
}

void ComLine::ApplyWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant)
{
    if (!open_)
        ThrowClosed(ComError::TimeoutsFailed);
    // Reads never wait (MAXDWORD, 0, 0): they take what the event thread's
    // WaitCommEvent(EV_RXCHAR) found, and that wait ends on the first byte
    // the driver receives, so no read time-out holds an answer back.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = multiplier;
    timeouts.WriteTotalTimeoutConstant = constant;
    if (!SetCommTimeouts(open_->handle, &timeouts))
        ThrowLastComError(ComError::TimeoutsFailed);
}

void ComLine::SetModemLine(ModemLine line, bool on)
{
    if (!open_)
        ThrowClosed(ComError::EscapeComFailed);
    const DWORD function = line == ModemLine::Dtr ? (on ? SETDTR : CLRDTR) : (on ? SETRTS : CLRRTS);
    // A line without modem control lines (Wine's pseudo-terminal, some
    // virtual ports) does not support the request: nothing to change.
    if (!EscapeCommFunction(open_->handle, function) && GetLastError() != ERROR_NOT_SUPPORTED)
        ThrowLastComError(ComError::EscapeComFailed);
}

int ComLine::Write(const std::string& bytes)
{
    if (!open_)
        ThrowClosed(ComError::WriteFailed);
    Operation op;
    DWORD written = 0;
    if (!op.Valid()
        || !op.Finish(open_->handle,
            WriteFile(open_->handle, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, op.get()), written))
        ThrowLastComError(ComError::WriteFailed);
    return static_cast<int>(written);
}

int ComLine::QueuedInput() const
{
    if (!open_)
        ThrowClosed(ComError::ClearComFailed);
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(open_->handle, &errors, &status))
        ThrowLastComError(ComError::ClearComFailed);
    return static_cast<int>(status.cbInQue);
}

std::string ComLine::Read(int count)
{
    if (!open_)
        ThrowClosed(ComError::ReadFailed);
    std::string bytes(static_cast<std::size_t>(std::max(count, 0)), '\0');
    if (bytes.empty())
        return bytes;
    Operation op;
    DWORD got = 0;
    if (!op.Valid()
        || !op.Finish(open_->handle,
            ReadFile(open_->handle, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, op.get()), got))
        ThrowLastComError(ComError::ReadFailed);
    bytes.resize(got);
    return bytes;
}

void ComLine::Purge() noexcept
{
    if (open_)
        PurgeComm(open_->handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
}

ComLine::WaitResult ComLine::WaitEvent(bool watchInput, std::chrono::milliseconds timeout)
{
    if (!open_)
        return WaitResult::LineLost;
    OpenLine& line = *open_;
    if (watchInput && !line.waitPending) {
        // Bytes that came before the wait was started count as well, as
        // they do for a level-triggered poll. A line that is gone (an
        // unplugged adapter) fails here.
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(line.handle, &errors, &status))
            return WaitResult::LineLost;
        if (status.cbInQue > 0)
            return WaitResult::Input;
        ResetEvent(line.waitOp.hEvent);
        line.waitMask = 0;
        if (WaitCommEvent(line.handle, &line.waitMask, &line.waitOp))
            return WaitResult::Input;
        // A wait the driver refuses at once leaves the queue count to
        // decide; the event thread then looks again at its slower pace.
        if (GetLastError() != ERROR_IO_PENDING)
            return WaitResult::Input;
        line.waitPending = true;
    }
    const std::array<HANDLE, 2> handles = {line.wake, line.waitOp.hEvent};
    const DWORD count = watchInput ? 2 : 1;
    const DWORD waitMs = timeout.count() < 0 ? INFINITE : static_cast<DWORD>(timeout.count());
    const DWORD result = WaitForMultipleObjects(count, handles.data(), FALSE, waitMs);
    if (result == WAIT_OBJECT_0)
        return WaitResult::Woken;
    if (result == WAIT_TIMEOUT)
        return WaitResult::Idle;
    if (result != WAIT_OBJECT_0 + 1)
        return WaitResult::LineLost;
    line.waitPending = false;
    DWORD ignored = 0;
    // A failed wait is no verdict on the line: drivers without modem status
    // lines (Wine on a pseudo-terminal) end the wait with an error when
    // bytes arrive. The queue count that follows decides.
    if (!GetOverlappedResult(line.handle, &line.waitOp, &ignored, FALSE))
        return WaitResult::Input;
    return (line.waitMask & EV_RXCHAR) != 0 ? WaitResult::Input : WaitResult::Idle;
}

void ComLine::WakeWaiter() noexcept
{
    if (open_)
        SetEvent(open_->wake);
}

} // namespace serial
