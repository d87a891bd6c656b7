#include "serial/serialport.h"

#include "serial/comconvert.h"
#include "serial/porteventthread.h"

#include <algorithm>

namespace serial {

SerialPort::SerialPort(platform::WindowThread& window)
    : window_(window)
    , lock_(window)
{
}

SerialPort::~SerialPort()
{
    try {
        Close();
    } catch (...) {
        // A destructor must not throw; the line is closed as far as it goes.
    }
    std::vector<PortLink*> detached;
    {
        std::lock_guard guard(linksMutex_);
        detached.swap(links_);
    }
    for (PortLink* link : detached) {
        if (link->OnDetach)
            link->OnDetach();
    }
}

void SerialPort::Open()
{
    std::lock_guard guard(lock_);
    if (connected_)
        return;
    line_.Open(port_);
    connected_ = true;
    try {
        SetupComPort();
        if (!events_.Empty())
            thread_ = std::make_unique<PortEventThread>(*this, line_, window_, events_.Contains(evRxChar));
    } catch (...) {
        line_.Close();
        connected_ = false;
        throw;
    }
}

void SerialPort::Close()
{
    std::lock_guard guard(lock_);
    if (!connected_)
        return;
    thread_.reset();
    line_.Close();
    connected_ = false;
}

void SerialPort::SetDTR(bool on)
{
    std::lock_guard guard(lock_);
    line_.SetModemLine(serial::ModemLine::Dtr, on);
}

void SerialPort::SetRTS(bool on)
{
    std::lock_guard guard(lock_);
    line_.SetModemLine(serial::ModemLine::Rts, on);
}

int SerialPort::WriteStr(const std::string& bytes)
{
    if (bytes.empty())
        return 0;
    std::lock_guard guard(lock_);
    return line_.Write(bytes);
}

void SerialPort::BeginUpdate()
{
    std::lock_guard guard(lock_);
    ++updateCount_;
}

void SerialPort::EndUpdate()
{
    std::lock_guard guard(lock_);
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ == 0)
        SetupComPort();
}

std::string SerialPort::Port() const
{
    return Get(port_);
}
BaudRateChoice SerialPort::BaudRate() const
{
    return Get(baudRate_);
}
std::int32_t SerialPort::CustomBaudRate() const
{
    return Get(customBaudRate_);
}
DataBitsChoice SerialPort::DataBits() const
{
    return Get(dataBits_);
}
StopBitsChoice SerialPort::StopBits() const
{
    return Get(stopBits_);
}
PortEvents SerialPort::Events() const
{
    return Get(events_);
}
std::uint8_t SerialPort::EventChar() const
{
    return Get(eventChar_);
}

void SerialPort::SetPort(const std::string& name)
{
    std::lock_guard guard(lock_);
    if (name == port_)
        return;
    port_ = name;
    if (connected_) {
        Close();
        Open();
    }
}

void SerialPort::SetBaudRate(BaudRateChoice value)
{
    Set(baudRate_, value, &SerialPort::ApplyDCB);
}
void SerialPort::SetCustomBaudRate(std::int32_t value)
{
    Set(customBaudRate_, value, &SerialPort::ApplyDCB);
}
void SerialPort::SetDataBits(DataBitsChoice value)
{
    Set(dataBits_, value, &SerialPort::ApplyDCB);
}
void SerialPort::SetStopBits(StopBitsChoice value)
{
    Set(stopBits_, value, &SerialPort::ApplyDCB);
}
void SerialPort::SetEvents(PortEvents value)
{
    Set(events_, value);
}
void SerialPort::SetEventChar(std::uint8_t value)
{
    Set(eventChar_, value);
}

void SerialPort::SetupComPort()
{
    std::lock_guard guard(lock_);
    ApplyBuffer();
    ApplyDCB();
    ApplyTimeouts();
}

void SerialPort::ApplyBuffer()
{
    std::lock_guard guard(lock_);
    if (CanApply())
        line_.ApplyQueueSizes(buffer_.InputSize(), buffer_.OutputSize());
}

void SerialPort::ApplyDCB()
{
    std::lock_guard guard(lock_);
    if (!CanApply())
        return;
    serial::LineSettings s;
    // A custom rate below 1 is no speed at all; the line refuses 0.
    s.bitsPerSecond = baudRate_ == brCustom ? static_cast<std::uint32_t>(std::max(customBaudRate_, 0))
                                            : BaudRateToValue(baudRate_);
    s.dataBits = dataBits_;
    s.stopBits = stopBits_;
    s.parity = parity_.Bits();
    s.parityCheck = parity_.Check();
    static_cast<serial::Handshake&>(s) = flowControl_.Fields();
    s.replaceErrors = parity_.Check() && parity_.Replace();
    s.replaceChar = s.replaceErrors ? parity_.ReplaceChar() : 0;
    s.discardNull = discardNull_;
    s.eventChar = eventChar_;
    s.xonLimit = s.xoffLimit = static_cast<std::uint16_t>(std::clamp(buffer_.InputSize() / 4, 0, 0xFFFF));
    line_.ApplyLineSettings(s);
}

void SerialPort::ApplyTimeouts()
{
    std::lock_guard guard(lock_);
    if (CanApply()) {
        line_.ApplyWriteTimeouts(static_cast<std::uint32_t>(timeouts_.WriteTotalMultiplier()),
            static_cast<std::uint32_t>(timeouts_.WriteTotalConstant()));
    }
}

void SerialPort::RegisterLink(PortLink* link)
{
    std::lock_guard guard(linksMutex_);
    if (link == nullptr || std::find(links_.begin(), links_.end(), link) != links_.end())
        throw PortError(ComError::RegFailed);
    links_.push_back(link);
}

void SerialPort::UnRegisterLink(PortLink* link)
{
    std::lock_guard guard(linksMutex_);
    const auto found = std::find(links_.begin(), links_.end(), link);
    if (found == links_.end())
        throw PortError(ComError::RegFailed);
    links_.erase(found);
}

std::vector<PortLink*> SerialPort::LinksSnapshot(bool& anyRxBuf) const
{
    std::lock_guard guard(linksMutex_);
    anyRxBuf = std::any_of(links_.begin(), links_.end(), [](PortLink* l) { return bool(l->OnRxBuf); });
    return links_;
}

ReceiveHandler SerialPort::RxBufHandlerOf(PortLink* link) const
{
    std::lock_guard guard(linksMutex_);
    // A handler may have unregistered a later link meanwhile.
    if (std::find(links_.begin(), links_.end(), link) == links_.end())
        return {};
    return link->OnRxBuf;
}

int SerialPort::HandleEvents(PortEvents events)
{
    return events.Contains(evRxChar) ? CallRxChar() : 0;
}

int SerialPort::CallRxChar()
{
    const int count = line_.QueuedInput();
    if (count <= 0)
        return 0;
    bool anyListener = false;
    const std::vector<PortLink*> links = LinksSnapshot(anyListener);
    if (!anyListener && triggersOnRxChar_) {
        if (OnRxChar)
            OnRxChar(count);
        return count;
    }
    std::string bytes = line_.Read(count);
    if (discardNull_)
        bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    if (bytes.empty())
        return 0;
    const int n = static_cast<int>(bytes.size());
    if (OnRxBuf)
        OnRxBuf(*this, bytes.data(), n);
    for (PortLink* link : links) {
        if (ReceiveHandler handler = RxBufHandlerOf(link))
            handler(*this, bytes.data(), n);
    }
    return 0;
}

} // namespace serial
