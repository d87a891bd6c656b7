#pragma once
// The serial port component: TCustomComPort keeps the line settings, opens
// and closes the line, drives DTR and RTS, writes, and while the line is open
// runs an event thread (serial/comthread.h) whose batches of line events are
// handled on the window thread, where received bytes go to the registered
// listeners (TComLink). TComPort is the port the program creates.
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
// - Receive handlers (TComLink::OnRxBuf, OnRxBuf, OnRxChar) must not call
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

class TComThread;
class TCustomComPort;

// Received bytes: the port, the bytes and their number.
using TRxBufEvent = std::function<void(TCustomComPort& sender, const char* buffer, int count)>;

// A listener registered with one port.
struct TComLink {
    // Receives every batch of received bytes, on the window thread.
    TRxBufEvent OnRxBuf;
    // Called when the port is destroyed while the link is registered; the
    // link is no longer registered afterwards.
    std::function<void()> OnDetach;
};

class TCustomComPort {
public:
    explicit TCustomComPort(platform::WindowThread& window);
    TCustomComPort(const TCustomComPort&) = delete;
    TCustomComPort& operator=(const TCustomComPort&) = delete;
    // Closes the line and detaches the listeners still registered.
    virtual ~TCustomComPort();

    // Opens the line and applies every setting (queue sizes, line settings,
    // time-outs); starts the event thread when Events is not empty. Nothing
    // when already open. EComPort with ComError::OpenFailed (the port stays closed) or the code
    // of the failed setting.
    void Open();
    // Stops the event thread (dropping whatever is still queued in either
    // direction), restores the line's original settings and closes it.
    // Nothing when closed.
    void Close();
    bool Connected() const { return connected_; }

    // Raise (true) or drop (false) DTR or RTS. On a line without modem
    // control lines (a pseudo-terminal) nothing changes and nothing is
    // raised. EComPort with ComError::EscapeComFailed, also when the port is closed.
    void SetDTR(bool on);
    void SetRTS(bool on);

    // Writes exactly these bytes and returns how many the driver took: all
    // of them, or fewer when the write time-out ran out first. An empty text
    // writes nothing and returns 0. EComPort with ComError::WriteFailed, also when closed.
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
    TBaudRate BaudRate() const;
    void SetBaudRate(TBaudRate value);
    // Bits per second when BaudRate is brCustom.
    std::int32_t CustomBaudRate() const;
    void SetCustomBaudRate(std::int32_t value);
    TDataBits DataBits() const;
    void SetDataBits(TDataBits value);
    TStopBits StopBits() const;
    void SetStopBits(TStopBits value);
    TComParity& Parity() { return parity_; }
    const TComParity& Parity() const { return parity_; }
    TComFlowControl& FlowControl() { return flowControl_; }
    const TComFlowControl& FlowControl() const { return flowControl_; }
    TComTimeouts& Timeouts() { return timeouts_; }
    const TComTimeouts& Timeouts() const { return timeouts_; }
    TComBuffer& Buffer() { return buffer_; }
    const TComBuffer& Buffer() const { return buffer_; }
    // Line events the event thread waits for; takes effect at the next Open.
    // Received characters (evRxChar) and a lost line are reported; the
    // other events never are.
    TComEvents Events() const;
    void SetEvents(TComEvents value);
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

    // Listeners, in registration order. EComPort with ComError::RegFailed when registering a
    // link twice or removing one that is not registered.
    void RegisterLink(TComLink* link);
    void UnRegisterLink(TComLink* link);

    // The port's own receive handlers: received bytes (before the
    // listeners), or, when nobody read them, the number of bytes queued.
    TRxBufEvent OnRxBuf;
    std::function<void(int count)> OnRxChar;

private:
    friend class TComThread;
    friend class TComParity;
    friend class TComFlowControl;
    friend class TComTimeouts;
    friend class TComBuffer;
    friend class TComSettingsObject;

    template <typename T>
    T Get(const T& field) const
    {
        std::lock_guard guard(lock_);
        return field;
    }
    // Stores the value and, when it changed, runs the apply step.
    template <typename T>
    void Set(T& field, const T& value, void (TCustomComPort::*apply)())
    {
        std::lock_guard guard(lock_);
        if (field == value)
            return;
        field = value;
        (this->*apply)();
    }

    // SetupComPort runs the three steps in this order; each does nothing
    // while the port is closed or an update is in progress.
    void SetupComPort();
    void ApplyBuffer();
    void ApplyDCB();
    void ApplyTimeouts();
    bool CanApply() const { return connected_ && updateCount_ == 0; }
    // Does nothing at all; the apply step of settings that the next Open uses.
    void ApplyNothing() {}

    // Window thread: one batch of line events from the event thread.
    // Returns the number of received bytes it found and left queued because
    // nobody reads them (0 when they were read).
    int HandleEvents(TComEvents events);
    int CallRxChar();
    std::vector<TComLink*> LinksSnapshot(bool& anyRxBuf) const;
    TRxBufEvent RxBufHandlerOf(TComLink* link) const;

    platform::WindowThread& window_;
    mutable serial::PortLock lock_;
    serial::ComLine line_;
    std::unique_ptr<TComThread> thread_;
    std::atomic<bool> connected_{false};
    int updateCount_ = 0;

    std::string port_ = "COM1";
    TBaudRate baudRate_ = br9600;
    std::int32_t customBaudRate_ = 9600;
    TDataBits dataBits_ = dbEight;
    TStopBits stopBits_ = sbOneStopBit;
    TComParity parity_{this};
    TComFlowControl flowControl_{this};
    TComTimeouts timeouts_{this};
    TComBuffer buffer_{this};
    TComEvents events_ = TComEvents::All();
    std::uint8_t eventChar_ = 0;
    std::atomic<bool> discardNull_{false};
    std::atomic<bool> triggersOnRxChar_{true};

    mutable std::mutex linksMutex_;
    std::vector<TComLink*> links_;
};

class TComPort : public TCustomComPort {
public:
    using TCustomComPort::TCustomComPort;
};

// The setup dialog lives in dialogs/, which the program installs once at
// start-up (dialogs::InstallPortSetupDialog); the port
// itself stays free of Qt. Without an installed dialog ShowSetupDialog
// raises std::logic_error. Passing an empty function removes the dialog.
using TComSetupDialog = std::function<void(TCustomComPort& port)>;
void SetComSetupDialog(TComSetupDialog dialog);
