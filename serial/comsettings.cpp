#include "serial/comsettings.h"

#include "serial/serialport.h"

namespace serial {

void PortSettingsGroup::lock() const
{
    if (port_)
        port_->lock_.lock();
}

void PortSettingsGroup::unlock() const
{
    if (port_)
        port_->lock_.unlock();
}

void PortSettingsGroup::Reapply()
{
    if (port_)
        Apply(*port_);
}

void ParitySettings::Apply(SerialPort& port)
{
    port.ApplyDCB();
}
void FlowControlSettings::Apply(SerialPort& port)
{
    port.ApplyDCB();
}
void DriverTimeouts::Apply(SerialPort& port)
{
    port.ApplyTimeouts();
}
void QueueSizes::Apply(SerialPort& port)
{
    port.ApplyBuffer();
}

void FlowControlSettings::SetFlowControl(FlowControlChoice value)
{
    std::lock_guard guard(*this);
    switch (value) {
    case fcHardware:
        fields_.rtsControl = rtsHandshake;
        fields_.outCtsFlow = true;
        fields_.xonXoffIn = fields_.xonXoffOut = false;
        break;
    case fcSoftware:
        fields_.rtsControl = rtsDisable;
        fields_.outCtsFlow = false;
        fields_.xonXoffIn = fields_.xonXoffOut = true;
        break;
    case fcNone:
        fields_.rtsControl = rtsDisable;
        fields_.outCtsFlow = fields_.xonXoffIn = fields_.xonXoffOut = false;
        break;
    case fcCustom:
        break;
    }
    Reapply();
}

FlowControlChoice FlowControlSettings::GetFlowControl() const
{
    std::lock_guard guard(*this);
    if (fields_.rtsControl == rtsHandshake && fields_.outCtsFlow && !fields_.xonXoffIn && !fields_.xonXoffOut)
        return fcHardware;
    if (fields_.rtsControl == rtsDisable && !fields_.outCtsFlow && fields_.xonXoffIn && fields_.xonXoffOut)
        return fcSoftware;
    if (fields_.rtsControl == rtsDisable && !fields_.outCtsFlow && !fields_.xonXoffIn && !fields_.xonXoffOut)
        return fcNone;
    return fcCustom;
}

} // namespace serial
