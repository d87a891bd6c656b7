#include "app/deviceoperations.h"

#include "app/exceptionbox.h"
#include "app/fileoperations.h"
#include "app/statusarea.h"
#include "device/deviceworker.h"
#include "dialogs/errorwindow.h"
#include "dialogs/messagewindow.h"
#include "dialogs/widetext.h"
#include "serial/comaccess.h"

#include <QTimer>

#include <exception>

namespace app {

DeviceOperationsController::DeviceOperationsController(MainWindow& view, FileOperationsController& files,
    platform::WindowThread& window, const serial::PortSettings& portSettings)
    : view_(view)
    , files_(files)
    , window_(window)
    , portSettings_(portSettings)
{
    QObject::connect(&view_, &MainWindow::writeToDeviceClicked, &view_, [this] { WriteToDevice(); });
    QObject::connect(&view_, &MainWindow::loadFromDeviceClicked, &view_, [this] { LoadFromDevice(); });
    QObject::connect(&view_, &MainWindow::configurePortClicked, &view_, [this] { ConfigurePort(); });
}

DeviceOperationsController::~DeviceOperationsController()
{
    // The worker goes first: its teardown may still serve calls that reach
    // the window's controls.
    worker_.reset();
}

void DeviceOperationsController::StartWorker()
{
    try {
        worker_ = device::MakeDeviceWorker(window_, portSettings_);
    } catch (const std::exception&) {
        // The port list cannot be read, or a thread cannot be made. The
        // window stays usable for editing and files.
        ShowErrorMessage(tr("Unable to connect to the device."));
        view_.Status().Hide();
        view_.SetControlsEnabled(true, true);
    }
}

void DeviceOperationsController::ConfigurePort()
{
    // Replacing the worker under one of its own handlers would destroy it
    // while it waits for that handler.
    if (PutOffWhileDeviceCallRuns(MainWindow::DeviceButton::ConfigurePort))
        return;
    const DeviceCallScope scope(*this);
    // Without a worker (its creation failed at start-up or after the last
    // configuration) one is built from the current settings first, so the
    // operator can recover without restarting the program.
    if (!worker_) {
        try {
            worker_ = device::MakeDeviceWorker(window_, portSettings_);
        } catch (const std::exception&) {
            ShowErrorMessage(tr("Unable to open COM port!"));
            return;
        }
    }
    try {
        // "OK" and "Cancel" go on alike; applying the choices to an open port
        // may fail, which ends the flow here with the old worker in place.
        worker_->ShowPortSetup();
    } catch (const std::exception& error) {
        ShowExceptionMessage(&view_, error);
        return;
    }
    ReplaceWorker();
}

void DeviceOperationsController::ReplaceWorker()
{
    const serial::PortSettings chosen = worker_->GetPortSettings();
    try {
        settings::StorePortSettings(files_.Locations().SettingsPath, chosen);
    } catch (const std::exception& error) {
        ShowExceptionMessage(&view_, error); // the old worker stays
        return;
    }
    // Its queue is dropped and its port closed before it goes.
    worker_->Stop(true);
    ForgetOperations();
    worker_.reset();
    portSettings_ = chosen;
    try {
        worker_ = device::MakeDeviceWorker(window_, portSettings_);
    } catch (const std::exception&) {
        ShowErrorMessage(tr("Unable to open COM port!"));
    }
}

void DeviceOperationsController::Close()
{
    // The worker's teardown serves the calls it has pending on this thread
    // while it waits; none of them reaches a handler any more.
    ForgetOperations();
    worker_.reset();
}

bool DeviceOperationsController::PutOffClose()
{
    if (deviceCalls_ == 0)
        return false;
    closePending_ = true;
    // Nothing more of the running operation should go out meanwhile.
    if (worker_)
        worker_->CancelAll();
    return true;
}

DeviceOperationsController::DeviceCallScope::DeviceCallScope(DeviceOperationsController& owner)
    : owner_(owner)
{
    ++owner_.deviceCalls_;
}

DeviceOperationsController::DeviceCallScope::~DeviceCallScope()
{
    if (--owner_.deviceCalls_ > 0)
        return;
    std::vector<MainWindow::DeviceButton> clicks;
    clicks.swap(owner_.putOffClicks_);
    if (owner_.closePending_) {
        owner_.closePending_ = false;
        // From the event loop, once the worker has left the handler.
        QTimer::singleShot(0, &owner_.view_, &QWidget::close);
        return;
    }
    for (const MainWindow::DeviceButton button : clicks)
        owner_.view_.ClickLater(button);
}

bool DeviceOperationsController::PutOffWhileDeviceCallRuns(MainWindow::DeviceButton button)
{
    if (deviceCalls_ == 0)
        return false;
    putOffClicks_.push_back(button);
    return true;
}

void DeviceOperationsController::BusyForWriting()
{
    view_.Status().Show(tr("Connecting to device...").toStdWString(), 0);
    view_.SetControlsEnabled(false, true);
}

void DeviceOperationsController::BusyForReading()
{
    view_.Status().Show(tr("Reading data from device...").toStdWString(), 0);
    view_.SetControlsEnabled(false, false);
    view_.Status().StartGaugeTicking();
}

void DeviceOperationsController::IdleAfterWriting()
{
    view_.Status().Hide();
    view_.SetControlsEnabled(true, true);
}

void DeviceOperationsController::IdleAfterReading()
{
    view_.Status().StopGaugeTicking();
    view_.Status().Hide();
    view_.SetControlsEnabled(true, false);
}

void DeviceOperationsController::FailOperation(Operation operation, const QString& message)
{
    if (worker_)
        worker_->CancelAll();
    if (operation == Operation::Write)
        IdleAfterWriting();
    else
        IdleAfterReading();
    ShowErrorMessage(message);
}

void DeviceOperationsController::ShowErrorMessage(const QString& message)
{
    dialogs::ShowErrorWindow(tr("ERROR").toStdWString(), message.toStdWString(), tr("OK").toStdWString(), L"", true,
        false);
}

void DeviceOperationsController::RefuseWithoutWorker()
{
    ShowErrorMessage(tr("The serial port is not available. Please choose the port with \"Configure Port...\"."));
}

QString DeviceOperationsController::WithAccessAdvice(const QString& message)
{
    engine::Engine& engine = worker_->Engine();
    return message + u'\n'
        + QString::fromStdWString(
            dialogs::ToWideText(serial::OpenFailureDetail(engine.Port().Port(), engine.LastOpenError())));
}

void DeviceOperationsController::ForgetOperations()
{
    write_.reset();
    read_.reset();
}

void DeviceOperationsController::ShowNotice(const std::string& text)
{
    dialogs::ShowMessageWindow(tr("Info").toStdWString(), dialogs::ToWideText(text), tr("OK").toStdWString());
}

} // namespace app
