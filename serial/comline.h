#pragma once
// The operating system's side of one serial line: the open device, its line
// settings, the modem control lines, writing, counting and reading queued
// bytes, and the wait of the event thread. The port (serial/serialport.h) keeps
// the settings and the rules; this class only talks to the driver. The
// backend is chosen in CMake (comline_posix.cpp on Linux, comline_win32.cpp
// on Windows). Error numbers in PortError are the system's own: errno on
// Linux, GetLastError on Windows.
//
// Thread safety: Open, Close, Apply*, SetModemLine and Write are called by
// the port under its lock; WaitEvent, QueuedInput, Read and Purge by the
// event thread and the window thread while the line is open (the port opens
// before it starts the event thread and closes after it has ended);
// WakeWaiter from any thread while the line is open.

#include "serial/comenums.h"
#include "serial/comtypes.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace serial {

// The device a port name stands for. Linux: a path is opened as given,
// "COMn" (any letter case, n from 1) is /dev/ttyS(n-1), any other name is
// /dev/name. Windows: a name is opened as \\.\name, a path as given.
std::string DevicePathOf(const std::string& portName);

// Everything the driver is told about the line in one record. Linux has no
// DSR handshake (outDsrFlow, dsrSensitivity, txContinueOnXoff); those, and
// the error and event characters below, have a place in the Windows driver
// only, and Linux drops zero bytes in the port.
struct LineSettings : Handshake {
    std::uint32_t bitsPerSecond = 9600;
    DataBitsChoice dataBits = dbEight;
    StopBitsChoice stopBits = sbOneStopBit;
    ParityChoice parity = prNone;
    bool parityCheck = false;
    bool replaceErrors = false; // parity errors arrive as replaceChar
    std::uint8_t replaceChar = 0;
    bool discardNull = false;
    std::uint8_t eventChar = 0;
    // Flow control stops the far end when the receive queue holds more than
    // queue size - xoffLimit bytes and restarts it below xonLimit.
    std::uint16_t xonLimit = 256;
    std::uint16_t xoffLimit = 256;
};

enum class ModemLine { Dtr, Rts };

class ComLine {
public:
    enum class WaitResult {
        Woken,    // WakeWaiter was called
        Input,    // received bytes are, or may be, waiting: the caller counts them
        Idle,     // the time ran out, or the wait was interrupted
        LineLost, // hang-up or I/O error: the line delivers nothing more
    };

    ComLine();
    ComLine(const ComLine&) = delete;
    ComLine& operator=(const ComLine&) = delete;
    ~ComLine();

    // Opens the named device for exclusive use in raw mode; remembers the
    // line's settings to restore them on Close. PortError with ComError::OpenFailed.
    void Open(const std::string& portName);
    // Restores the original settings, gives up exclusive use and closes.
    // Does nothing when closed.
    void Close() noexcept;
    bool IsOpen() const { return open_ != nullptr; }

    // Queue sizes: Linux's are fixed, so there only nonsense is refused
    // (ComError::SetupComFailed).
    void ApplyQueueSizes(int inputSize, int outputSize);
    // PortError with ComError::SetStateFailed.
    void ApplyLineSettings(const LineSettings& settings);
    // The total write time-out is constant + multiplier per byte, in
    // milliseconds; both 0 means no limit. Values are unsigned 32-bit.
    // Reads never wait (see Read), whatever the port's read time-outs say.
    // PortError with ComError::TimeoutsFailed.
    void ApplyWriteTimeouts(std::uint32_t multiplier, std::uint32_t constant);
    // Raises or drops DTR or RTS. A line without modem control lines (a
    // pseudo-terminal) accepts this and changes nothing. PortError with ComError::EscapeComFailed.
    void SetModemLine(ModemLine line, bool on);

    // Writes all bytes, waiting while the driver's queue is full, at most for
    // the write time-out; returns the number of bytes the driver took.
    // PortError with ComError::WriteFailed.
    int Write(const std::string& bytes);
    // Bytes received and not yet read. PortError with ComError::ClearComFailed.
    int QueuedInput() const;
    // Reads up to count queued bytes without waiting. PortError with ComError::ReadFailed.
    std::string Read(int count);
    // Throws away everything queued in both directions; errors are ignored.
    void Purge() noexcept;

    // Waits until WakeWaiter is called, the line is lost, or (when
    // watchInput) received bytes are waiting; timeout < 0 waits without limit.
    WaitResult WaitEvent(bool watchInput, std::chrono::milliseconds timeout);
    void WakeWaiter() noexcept;

private:
    // The backend's handles and saved settings; present while open.
    struct OpenLine;
    std::unique_ptr<OpenLine> open_;
};

} // namespace serial
