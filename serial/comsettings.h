#pragma once
// The port's settings objects: parity, flow control, driver time-outs and
// queue sizes. Each belongs to one port, or stands alone (no port) as a
// value carrier, as when the main window builds the settings for a new
// worker. A setter stores the value and, when it differs from the stored
// one and the object belongs to a port, re-applies its part of the line
// settings (which does nothing while the port is closed or inside
// BeginUpdate/EndUpdate). SetFlowControl re-applies every time.
//
// Thread safety: the objects of a port share that port's lock, so they may
// be used from any thread, like the port. A stand-alone object belongs to
// the thread that uses it.

#include "serial/comenums.h"
#include "serial/comtypes.h"

#include <cstdint>
#include <mutex>

namespace serial {

class SerialPort;

class PortSettingsGroup {
public:
    PortSettingsGroup(const PortSettingsGroup&) = delete;
    PortSettingsGroup& operator=(const PortSettingsGroup&) = delete;

    // The port's lock (BasicLockable); nothing for a stand-alone object.
    void lock() const;
    void unlock() const;

protected:
    explicit PortSettingsGroup(SerialPort* port)
        : port_(port)
    {
    }
    ~PortSettingsGroup() = default;

    template <typename T>
    T Get(const T& field) const
    {
        std::lock_guard guard(*this);
        return field;
    }
    template <typename T>
    void Set(T& field, const T& value)
    {
        std::lock_guard guard(*this);
        if (field == value)
            return;
        field = value;
        Reapply();
    }
    // Re-applies this object's part of the line settings on its port.
    virtual void Apply(SerialPort& port) = 0;
    void Reapply();

private:
    SerialPort* port_;
};

class ParitySettings : public PortSettingsGroup {
public:
    explicit ParitySettings(SerialPort* port = nullptr)
        : PortSettingsGroup(port)
    {
    }

    ParityChoice Bits() const { return Get(bits_); }
    bool Check() const { return Get(check_); }
    bool Replace() const { return Get(replace_); }
    std::uint8_t ReplaceChar() const { return Get(replaceChar_); }
    void SetBits(ParityChoice value) { Set(bits_, value); }
    void SetCheck(bool value) { Set(check_, value); }
    void SetReplace(bool value) { Set(replace_, value); }
    void SetReplaceChar(std::uint8_t value) { Set(replaceChar_, value); }

private:
    void Apply(SerialPort& port) override;

    ParityChoice bits_ = prNone;
    bool check_ = false;
    bool replace_ = false;
    std::uint8_t replaceChar_ = 0;
};

class FlowControlSettings : public PortSettingsGroup {
public:
    explicit FlowControlSettings(SerialPort* port = nullptr)
        : PortSettingsGroup(port)
    {
    }

    // Sets the handshake fields of a preset (fcCustom changes nothing) and
    // re-applies the line settings, even when nothing changed.
    void SetFlowControl(FlowControlChoice value);
    // Which preset the handshake fields match; fcCustom when none does.
    FlowControlChoice GetFlowControl() const;

    bool OutCTSFlow() const { return Get(fields_.outCtsFlow); }
    bool OutDSRFlow() const { return Get(fields_.outDsrFlow); }
    DtrControl ControlDTR() const { return Get(fields_.dtrControl); }
    RtsControl ControlRTS() const { return Get(fields_.rtsControl); }
    bool XonXoffOut() const { return Get(fields_.xonXoffOut); }
    bool XonXoffIn() const { return Get(fields_.xonXoffIn); }
    bool DSRSensitivity() const { return Get(fields_.dsrSensitivity); }
    bool TxContinueOnXoff() const { return Get(fields_.txContinueOnXoff); }
    std::uint8_t XonChar() const { return Get(fields_.xonChar); }
    std::uint8_t XoffChar() const { return Get(fields_.xoffChar); }
    void SetOutCTSFlow(bool value) { Set(fields_.outCtsFlow, value); }
    void SetOutDSRFlow(bool value) { Set(fields_.outDsrFlow, value); }
    void SetControlDTR(DtrControl value) { Set(fields_.dtrControl, value); }
    void SetControlRTS(RtsControl value) { Set(fields_.rtsControl, value); }
    void SetXonXoffOut(bool value) { Set(fields_.xonXoffOut, value); }
    void SetXonXoffIn(bool value) { Set(fields_.xonXoffIn, value); }
    void SetDSRSensitivity(bool value) { Set(fields_.dsrSensitivity, value); }
    void SetTxContinueOnXoff(bool value) { Set(fields_.txContinueOnXoff, value); }
    void SetXonChar(std::uint8_t value) { Set(fields_.xonChar, value); }
    void SetXoffChar(std::uint8_t value) { Set(fields_.xoffChar, value); }
    // Every handshake field at once, as the line is told them.
    serial::Handshake Fields() const { return Get(fields_); }
    void SetFields(const serial::Handshake& value) { Set(fields_, value); }

private:
    void Apply(SerialPort& port) override;

    serial::Handshake fields_;
};

// Driver time-outs in milliseconds. With the defaults a write of n bytes
// may take at most 1000 + 100 n ms. Reads never wait on Linux (the port only
// reads what is queued), so the read values are kept but have no effect.
class DriverTimeouts : public PortSettingsGroup {
public:
    explicit DriverTimeouts(SerialPort* port = nullptr)
        : PortSettingsGroup(port)
    {
    }

    std::int32_t ReadInterval() const { return Get(readInterval_); }
    std::int32_t ReadTotalMultiplier() const { return Get(readTotalMultiplier_); }
    std::int32_t ReadTotalConstant() const { return Get(readTotalConstant_); }
    std::int32_t WriteTotalMultiplier() const { return Get(writeTotalMultiplier_); }
    std::int32_t WriteTotalConstant() const { return Get(writeTotalConstant_); }
    void SetReadInterval(std::int32_t value) { Set(readInterval_, value); }
    void SetReadTotalMultiplier(std::int32_t value) { Set(readTotalMultiplier_, value); }
    void SetReadTotalConstant(std::int32_t value) { Set(readTotalConstant_, value); }
    void SetWriteTotalMultiplier(std::int32_t value) { Set(writeTotalMultiplier_, value); }
    void SetWriteTotalConstant(std::int32_t value) { Set(writeTotalConstant_, value); }

private:
    void Apply(SerialPort& port) override;

    std::int32_t readInterval_ = -1;
    std::int32_t readTotalMultiplier_ = 0;
    std::int32_t readTotalConstant_ = 0;
    std::int32_t writeTotalMultiplier_ = 100;
    std::int32_t writeTotalConstant_ = 1000;
};

// Driver queue sizes in bytes. The Linux kernel's queues have a fixed size:
// the values are kept and checked, not applied.
class QueueSizes : public PortSettingsGroup {
public:
    explicit QueueSizes(SerialPort* port = nullptr)
        : PortSettingsGroup(port)
    {
    }

    int InputSize() const { return Get(inputSize_); }
    int OutputSize() const { return Get(outputSize_); }
    void SetInputSize(int value) { Set(inputSize_, value); }
    void SetOutputSize(int value) { Set(outputSize_, value); }

private:
    void Apply(SerialPort& port) override;

    int inputSize_ = 1024;
    int outputSize_ = 1024;
};

} // namespace serial
