#pragma once
// The serial port component: SerialPort keeps the line settings, opens
// and closes the line, drives DTR and RTS, writes, and while the line is open
// runs an event thread (serial/porteventthread.h) whose batches of line events are
// handled on the window thread, where received bytes go to the registered
// listeners (PortLink).
//
// Thread safety:
// - Open, Close, SetDTR, SetRTS, WriteStr, BeginUpdate/EndUpdate, every
//   setter and getter (the settings objects' too) may be called from any
//   thread; one recursive per-port lock (serial/portlock.h) serialises them.
//   WriteStr holds it while it writes, at most for the write time-out. When
//   the window thread has to wait for the lock it keeps running hand-overs.
// - Receiving runs on the window thread (the one given to the constructor),
//   one batch at a time, while the event thread waits for it. It never takes
//   the port lock, so Close may wait for the event thread while holding the
//   lock: Close on the window thread runs pending hand-overs while it waits,
//   and Close on another thread lets the window thread run them.
// - Receive handlers (PortLink::OnRxBuf, OnRxBuf, OnRxChar) must not call
//   the port's locked operations: Close would wait for the very batch that is
//   calling it, and another thread may hold the lock while it waits for that
//   batch to finish.
// - Connected, RegisterLink and UnRegisterLink may be called from any thread.
//   OnRxBuf and OnRxChar are assigned while the port is closed.
// - ShowSetupDialog runs on the window thread.

#include "platform/windowthread.h"
#include "serial/comenums.h"
#include "serial/comerror.h"
#include "serial/comline.h"
#include "serial/comsettings.h"
#include "serial/comtypes.h"
#include "serial/portlock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace serial {

class PortEventThread;
class SerialPort;

// Received bytes: the port, the bytes and their number.
using ReceiveHandler = std::function<void(SerialPort& sender, const char* buffer, int count)>;

// A listener registered with one port.
struct PortLink {
    // Receives every batch of received bytes, on the window thread.
    ReceiveHandler OnRxBuf;
    // Called when the port is destroyed while the link is registered; the
    // link is no longer registered afterwards.
    std::function<void()> OnDetach;
};

class SerialPort {
public:
    explicit SerialPort(platform::WindowThread& window);
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    // Closes the line and detaches the listeners still registered.
    ~SerialPort();

    // Opens the line and applies every setting (queue sizes, line settings,
    // time-outs); starts the event thread when Events is not empty. Nothing
    // when already open. PortError with ComError::OpenFailed (the port stays closed) or the code
    // of the failed setting.
    void Open();
    // Stops the event thread (dropping whatever is still queued in either
    // direction), restores the line's original settings and closes it.
    // Nothing when closed.
    void Close();
    bool Connected() const { return connected_; }

    // Raise (true) or drop (false) DTR or RTS. On a line without modem
    // control lines (a pseudo-terminal) nothing changes and nothing is
    // raised. PortError with ComError::EscapeComFailed, also when the port is closed.
    void SetDTR(bool on);
    void SetRTS(bool on);

    // Writes exactly these bytes and returns how many the driver took: all
    // of them, or fewer when the write time-out ran out first. An empty text
    // writes nothing and returns 0. PortError with ComError::WriteFailed, also when closed.
    int WriteStr(const std::string& bytes);

    // While an update is in progress no setting reaches the line; the last
    // EndUpdate applies them all.
    void BeginUpdate();
    void EndUpdate();

    // Runs the port setup dialog on this port (see SetComSetupDialog).
    void ShowSetupDialog();

    std::string Port() const;
    // Stores the name; an open port with a different name is closed and
    // opened again under the new name.
    void SetPort(const std::string& name);
    BaudRateChoice BaudRate() const;
    void SetBaudRate(BaudRateChoice value);
    // Bits per second when BaudRate is brCustom.
    std::int32_t CustomBaudRate() const;
    void SetCustomBaudRate(std::int32_t value);
    DataBitsChoice DataBits() const;
    void SetDataBits(DataBitsChoice value);
    StopBitsChoice StopBits() const;
    void SetStopBits(StopBitsChoice value);
    ParitySettings& Parity() { return parity_; }
    const ParitySettings& Parity() const { return parity_; }
    FlowControlSettings& FlowControl() { return flowControl_; }
    const FlowControlSettings& FlowControl() const { return flowControl_; }
    DriverTimeouts& Timeouts() { return timeouts_; }
    const DriverTimeouts& Timeouts() const { return timeouts_; }
    QueueSizes& Buffer() { return buffer_; }
    const QueueSizes& Buffer() const { return buffer_; }
    // Line events the event thread waits for; takes effect at the next Open.
    // Received characters (evRxChar) and a lost line are reported; the
    // other events never are.
    PortEvents Events() const;
    void SetEvents(PortEvents value);
    // Received zero bytes are dropped before they reach the listeners (on
    // Windows the driver is asked to drop them too, at the next Open).
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool value) { discardNull_ = value; }
    // Handed to the Windows driver at the next Open; Linux has no event
    // character.
    std::uint8_t EventChar() const;
    void SetEventChar(std::uint8_t value);
    // When false, received bytes are read even without a listener for them.
    bool TriggersOnRxChar() const { return triggersOnRxChar_; }
    void SetTriggersOnRxChar(bool value) { triggersOnRxChar_ = value; }

    // Listeners, in registration order. PortError with ComError::RegFailed when registering a
    // link twice or removing one that is not registered.
    void RegisterLink(PortLink* link);
    void UnRegisterLink(PortLink* link);

    // The port's own receive handlers: received bytes (before the
    // listeners), or, when nobody read them, the number of bytes queued.
    ReceiveHandler OnRxBuf;
    std::function<void(int count)> OnRxChar;

private:
    friend class PortEventThread;
    friend class ParitySettings;
    friend class FlowControlSettings;
    friend class DriverTimeouts;
    friend class QueueSizes;
    friend class PortSettingsGroup;

    template <typename T>
    T Get(const T& field) const
    {
        std::lock_guard guard(lock_);
        return field;
    }
    // Stores the value and, when it changed, runs the apply step; settings
    // that only the next Open uses have none.
    template <typename T>
    void Set(T& field, const T& value, void (SerialPort::*apply)() = nullptr)
    {
        std::lock_guard guard(lock_);
        if (field == value)
            return;
        field = value;
        if (apply)
            (this->*apply)();
    }

    // SetupComPort runs the three steps in this order; each does nothing
    // while the port is closed or an update is in progress.
    void SetupComPort();
    void ApplyBuffer();
    void ApplyDCB();
    void ApplyTimeouts();
    bool CanApply() const { return connected_ && updateCount_ == 0; }

    // Window thread: one batch of line events from the event thread.
    // Returns the number of received bytes it found and left queued because
    // nobody reads them (0 when they were read).
    int HandleEvents(PortEvents events);
    int CallRxChar();
    std::vector<PortLink*> LinksSnapshot(bool& anyRxBuf) const;
    ReceiveHandler RxBufHandlerOf(PortLink* link) const;

    platform::WindowThread& window_;
    mutable serial::PortLock lock_;
    serial::ComLine line_;
    std::unique_ptr<PortEventThread> thread_;
    std::atomic<bool> connected_{false};
    int updateCount_ = 0;

    std::string port_ = "COM1";
    BaudRateChoice baudRate_ = br9600;
    std::int32_t customBaudRate_ = 9600;
    DataBitsChoice dataBits_ = dbEight;
    StopBitsChoice stopBits_ = sbOneStopBit;
    ParitySettings parity_{this};
    FlowControlSettings flowControl_{this};
    DriverTimeouts timeouts_{this};
    QueueSizes buffer_{this};
    PortEvents events_ = PortEvents::All();
    std::uint8_t eventChar_ = 0;
    std::atomic<bool> discardNull_{false};
    std::atomic<bool> triggersOnRxChar_{true};

    mutable std::mutex linksMutex_;
    std::vector<PortLink*> links_;
};

// The setup dialog lives in dialogs/, which the program installs once at
// start-up (dialogs::InstallPortSetupDialog); the port
// itself stays free of Qt. Without an installed dialog ShowSetupDialog
// raises std::logic_error. Passing an empty function removes the dialog.
using SetupDialogHook = std::function<void(SerialPort& port)>;
void SetComSetupDialog(SetupDialogHook dialog);

} // namespace serial
