// The main window's device worker: built at the end of start-up, destroyed
// when the window closes, and the guard that keeps a close, a new operation
// or a new worker from coming in under a handler that is still running.

#include "app/form1.h"

#include "device/mainthreat.h"
#include "dialogs/errorwindow.h"
#include "dialogs/widetext.h"
#include "serial/comaccess.h"
#include "serial/comsettings.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

#include <exception>

std::unique_ptr<TMainThreat> TForm1::MakeWorker(const TPortSettings& settings)
{
    // The settings objects exist for this call only; the worker copies them
    // into its port.
    TComParity parity;
    parity.SetBits(settings.Parity);
    TComFlowControl flowControl;
    flowControl.SetFlowControl(settings.FlowControl);
    return std::make_unique<TMainThreat>(window_, settings.Port, static_cast<int>(settings.BaudRate),
        settings.DataBits, parity, settings.StopBits, flowControl);
}

void TForm1::StartWorker()
{
    try {
        Worker = MakeWorker(PortSettings);
    } catch (const std::exception&) {
        // The port list cannot be read, or a thread cannot be made. The
        // window stays usable for editing and files.
        ShowErrorMessage(L"Unable to connect to the device.");
        HideStatusArea();
        SetControlsEnabled(true, true);
    }
}

void TForm1::FormClose()
{
    // The worker's teardown serves the calls it has pending on this thread
    // while it waits; none of them reaches a handler any more.
    ForgetOperations();
    Worker.reset();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (deviceCalls_ > 0) {
        closePending_ = true;
        // Nothing more of the running operation should go out meanwhile.
        if (Worker)
            Worker->CancelAll();
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

TForm1::DeviceCallScope::DeviceCallScope(TForm1& form)
    : form_(form)
{
    ++form_.deviceCalls_;
}

TForm1::DeviceCallScope::~DeviceCallScope()
{
    if (--form_.deviceCalls_ > 0)
        return;
    std::vector<QPushButton*> clicks;
    clicks.swap(form_.putOffClicks_);
    if (form_.closePending_) {
        form_.closePending_ = false;
        // From the event loop, once the worker has left the handler.
        QTimer::singleShot(0, &form_, &QWidget::close);
        return;
    }
    for (QPushButton* button : clicks)
        QTimer::singleShot(0, button, &QAbstractButton::click);
}

bool TForm1::PutOffWhileDeviceCallRuns(QPushButton* button)
{
    if (deviceCalls_ == 0)
        return false;
    putOffClicks_.push_back(button);
    return true;
}

void TForm1::ShowErrorMessage(const std::wstring& message)
{
    dialogs::ShowErrorWindow("ERROR", message, L"OK", L"", true, false);
}

void TForm1::RefuseWithoutWorker()
{
    ShowErrorMessage(L"The serial port is not available. Please choose the port with \"Configure Port...\".");
}

std::wstring TForm1::WithAccessAdvice(const std::wstring& message)
{
    TTestEngine& engine = Worker->Engine();
    return message + L"\n" + dialogs::ToWideText(serial::OpenFailureDetail(engine.Port().Port(), engine.LastOpenError()));
}

void TForm1::ForgetOperations()
{
    write_.reset();
    read_.reset();
}
