#include "serial/comsettings.h"

#include "serial/comport.h"

void TComSettingsObject::lock() const
{
    if (port_)
        port_->lock_.lock();
}

void TComSettingsObject::unlock() const
{
    if (port_)
        port_->lock_.unlock();
}

void TComSettingsObject::Reapply()
{
    if (port_)
        Apply(*port_);
}

void TComParity::Apply(TCustomComPort& port) { port.ApplyDCB(); }
void TComFlowControl::Apply(TCustomComPort& port) { port.ApplyDCB(); }
void TComTimeouts::Apply(TCustomComPort& port) { port.ApplyTimeouts(); }
void TComBuffer::Apply(TCustomComPort& port) { port.ApplyBuffer(); }

void TComFlowControl::SetFlowControl(TFlowControl value)
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

TFlowControl TComFlowControl::GetFlowControl() const
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
