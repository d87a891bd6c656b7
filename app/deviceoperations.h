#pragma once
// The main window's device operations: the device worker (built at the end
// of start-up, replaced by "Configure Port...", destroyed when the window
// closes), "Write To Device" and "Load From Device" with what the window
// shows of each step, and the guard that keeps a close, a new operation or
// a new worker from coming in under a device call that is still running.
//
// Everything here runs on the window thread. The write and read operations
// report here too (WriteWatch, ReadWatch), from the worker's handlers, while
// the worker waits for them to return.

#include "app/mainwindow.h"
#include "device/operations.h"
#include "platform/windowthread.h"
#include "serial/portsettings.h"

#include <QCoreApplication>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace device {
class DeviceWorker;
} // namespace device

namespace app {

class FileOperationsController;

class DeviceOperationsController {
    Q_DECLARE_TR_FUNCTIONS(DeviceOperationsController)
public:
    // Reports the view's device clicks here; the worker comes with
    // StartWorker.
    DeviceOperationsController(MainWindow& view, FileOperationsController& files, platform::WindowThread& window,
        const serial::PortSettings& portSettings);
    ~DeviceOperationsController();
    DeviceOperationsController(const DeviceOperationsController&) = delete;
    DeviceOperationsController& operator=(const DeviceOperationsController&) = delete;

    // Start-up's last step: the worker, or the failure message and no worker.
    void StartWorker();
    // "Write To Device" (or "Cancel" while a write runs).
    void WriteToDevice();
    // "Load From Device".
    void LoadFromDevice();
    // "Configure Port...".
    void ConfigurePort();
    // A close while a device call is in progress (its nested event loops let
    // one in) is put off until it has returned, and true returned: the
    // worker it would destroy is waiting for that very call, or is about to
    // be used by it.
    bool PutOffClose();
    // Closing: destroys the worker, serving its pending calls meanwhile.
    void Close();

    bool WriteRunning() const { return write_ && write_->Running(); }
    bool ReadRunning() const { return read_ && read_->Running(); }
    // The frames of the last write: posted, and acknowledged so far.
    std::uint32_t FramesQueued() const { return write_ ? write_->FramesQueued() : 0; }
    std::uint32_t FramesAcknowledged() const { return write_ ? write_->FramesAcknowledged() : 0; }
    // The device worker; none when it could not be built, and after close.
    device::DeviceWorker* Worker() const { return worker_.get(); }
    // The port settings the worker was (or was to be) built with: read at
    // start-up, replaced by the port configuration.
    const serial::PortSettings& PortSettings() const { return portSettings_; }

private:
    enum class Operation { Write, Read };

    // What the window shows of a write and of a read (writeflow.cpp,
    // readflow.cpp): the status, the gauge and the messages of each step.
    class WriteWatch : public device::OperationObserver {
    public:
        explicit WriteWatch(DeviceOperationsController& owner)
            : owner_(owner)
        {
        }
        void Preparing() override;
        bool KeepPosting() override;
        void FrameWritten(std::uint32_t frame, std::uint32_t frames) override;
        void Failed(device::Step step, device::FrameCount frames) override;
        void Finished(const std::string& dump) override;
        void Notice(const std::string& text) override { ShowNotice(text); }

    private:
        DeviceOperationsController& owner_;
    };

    // An operation's notice (a slow USB adapter) in the message window,
    // titled "Info"; the operation goes on once the operator has closed it.
    static void ShowNotice(const std::string& text);

    class ReadWatch : public device::OperationObserver {
    public:
        explicit ReadWatch(DeviceOperationsController& owner)
            : owner_(owner)
        {
        }
        void Failed(device::Step step, device::FrameCount frames) override;
        void Finished(const std::string& dump) override;
        void Notice(const std::string& text) override { ShowNotice(text); }

    private:
        DeviceOperationsController& owner_;
    };

    // Marks a device handler or device click in progress. While one is, a
    // close and the clicks that would start an operation or replace the
    // worker are put off; the last scope to end issues the close, or else
    // the put-off clicks, in their order, from the event loop.
    class DeviceCallScope {
    public:
        explicit DeviceCallScope(DeviceOperationsController& owner);
        ~DeviceCallScope();
        DeviceCallScope(const DeviceCallScope&) = delete;
        DeviceCallScope& operator=(const DeviceCallScope&) = delete;

    private:
        DeviceOperationsController& owner_;
    };

    // A click that arrives while a device call is in progress (clicks queued
    // while the window was frozen are delivered by its pending-message
    // processing) is put off and true returned; it is clicked again once the
    // call has returned, and then does what a click at that moment does.
    bool PutOffWhileDeviceCallRuns(MainWindow::DeviceButton button);

    // Stores the port's settings and replaces the worker (the steps of
    // "Configure Port..." after its dialog).
    void ReplaceWorker();

    void BusyForWriting();
    void BusyForReading();
    void IdleAfterWriting();
    void IdleAfterReading();
    // Ends an operation: cancels what the worker still holds, goes idle and
    // shows the message.
    void FailOperation(Operation operation, const QString& message);
    // The error window with the title "ERROR", the message and one "OK"
    // button; returns when the operator has closed it.
    static void ShowErrorMessage(const QString& message);
    // The device buttons while the window has no worker.
    static void RefuseWithoutWorker();
    // Drops the operations before the worker they run on goes.
    void ForgetOperations();
    // The message for a port that could not be reopened, with a second line
    // naming the port and the reason (for a refused user, how to fix it).
    QString WithAccessAdvice(const QString& message);

    MainWindow& view_;
    FileOperationsController& files_;
    platform::WindowThread& window_;
    serial::PortSettings portSettings_;
    WriteWatch writeWatch_{*this};
    ReadWatch readWatch_{*this};
    std::unique_ptr<device::DeviceWorker> worker_;
    // The operation last started on the worker; gone with it.
    std::unique_ptr<device::WriteOperation> write_;
    std::unique_ptr<device::ReadOperation> read_;
    int deviceCalls_ = 0;
    bool closePending_ = false;
    std::vector<MainWindow::DeviceButton> putOffClicks_;
};

} // namespace app
