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
        controlRTS_ = rtsHandshake;
        outCTSFlow_ = true;
        xonXoffIn_ = xonXoffOut_ = false;
        break;
    case fcSoftware:
        controlRTS_ = rtsDisable;
        outCTSFlow_ = false;
        xonXoffIn_ = xonXoffOut_ = true;
        break;
    case fcNone:
        controlRTS_ = rtsDisable;
        outCTSFlow_ = xonXoffIn_ = xonXoffOut_ = false;
        break;
    case fcCustom:
        break;
    }
    Reapply();
}

TFlowControl TComFlowControl::GetFlowControl() const
{
    std::lock_guard guard(*this);
    if (controlRTS_ == rtsHandshake && outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_)
        return fcHardware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && xonXoffIn_ && xonXoffOut_)
        return fcSoftware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_)
        return fcNone;
    return fcCustom;
}
