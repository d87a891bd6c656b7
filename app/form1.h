#pragma once
// The main window: the phone book editor, the current phone book file, the
// port settings, the device worker and the device operations (write, read,
// port configuration) with their status area.
//
// The constructor is the start-up sequence: build the window, put the
// version into the title, create or complete the settings file beside the
// program and read the port settings and the current file from it, open the
// current phone book file, and start the device worker. Closing the window
// destroys the worker; nothing is saved.
//
// Everything here runs on the window thread. The write and read operations
// report to the window there too (WriteWatch, ReadWatch), from the worker's
// handlers, while the worker waits for them to return.

#include "settings/programsettings.h"
#include "device/operations.h"
#include "platform/programpath.h"
#include "platform/windowthread.h"
#include "serial/portsettings.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CurrentFileLabel;
class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class TMainThreat;

namespace phonebook {
class PhoneListEditor;
struct LoadedPhoneBook;
} // namespace phonebook

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // window is the window thread the device worker hands its calls to; it
    // must outlive the window. programPath places the settings file and the
    // default phone book file (settings::LocateFiles; tests give a path in a
    // folder of their own).
    // Throws settings::WriteError when the settings file cannot be written.
    explicit TForm1(platform::WindowThread& window, const std::string& programPath = platform::ProgramPath(),
        QWidget* parent = nullptr);
    ~TForm1() override;

    QGroupBox* GrB_CurrentFile;
    CurrentFileLabel* LBL_CurrentFile;
    QGroupBox* GrB_RelaySettings;
    QLabel* LBL_ReleTimeout;
    QLineEdit* EDT_ReleTimeout;
    QCheckBox* CHBX_EnableExternalOff;
    QGroupBox* GrB_Phones;
    phonebook::PhoneListEditor* VLE_Telefonai;
    QLabel* LBL_CurrentAction;
    QProgressBar* ProgressBar;
    QPushButton* BTN_LoadFromFile;
    QPushButton* BTN_SaveToFile;
    QPushButton* BTN_LoadFromDevice;
    QPushButton* BTN_WriteToDevice;
    QPushButton* BTN_ClearAll;
    QPushButton* BTN_PortSettings;
    QFileDialog* DLG_LoadFrom;
    QFileDialog* DLG_SaveTo;
    QTimer* Timer;

    // The current phone book file, shown in LBL_CurrentFile.
    std::string CurrentFile;
    // When set, the next save goes to CurrentFile without a dialog.
    bool SaveToCurrentFile = false;
    // The port settings the device worker was (or was to be) built with:
    // read at start-up, replaced by the port configuration.
    TPortSettings PortSettings;

    // The device worker; none when it could not be built, and after close.
    std::unique_ptr<TMainThreat> Worker;

    // Operation state. A running write is marked by the caption "Cancel" on
    // BTN_WriteToDevice (see WriteRunning), a running read by
    // ReadingFromDevice.
    bool ReadingFromDevice = false;
    std::uint32_t ChunksQueued = 0;       // frames posted by the current write
    std::uint32_t ChunksAcknowledged = 0; // frames after the first shown as progress

    // "Write To File...": saves the phone book to a chosen file (or, with
    // SaveToCurrentFile set, to CurrentFile). A file that cannot be written
    // is not reported.
    void BTN_SaveToFileClick();
    // Reads a phone book file into the window; a file that cannot be read
    // changes nothing and is not reported.
    void LoadPhoneBookFile(const std::string& path);
    // Start-up: builds the 500 rows and loads CurrentFile, or creates it
    // empty and says so.
    void OpenCurrentFile();
    // "Load From File...": loads a chosen file and records it for the next
    // start; CurrentFile stays.
    void BTN_LoadFromFileClick();
    // Click on the current file (or Space or Enter on it): loads a chosen
    // file and makes it current.
    void LBL_CurrentFileClick();
    // "Clear All": empties the phone book in the window only.
    void BTN_ClearAllClick();

    // The status area: LBL_CurrentAction and ProgressBar.
    void ShowStatusArea();
    void HideStatusArea();
    // Shows the status area with the text, painted at once; the gauge shows
    // percent, or 0 when percent is over 100.
    void SetStatus(const std::wstring& text, unsigned percent);
    // Whether a write is running: BTN_WriteToDevice reads "Cancel".
    bool WriteRunning() const;
    // Enables or disables the operation controls. In write mode the enabled
    // state of BTN_WriteToDevice is left alone and its caption follows
    // (enabled: "Write To Device", disabled: "Cancel").
    void SetControlsEnabled(bool enable, bool writeMode);
    // Every 400 ms while a read runs: the gauge advances by one, and is full
    // when the read gives itself up.
    void TimerTimer();

    // "Write To Device" (or "Cancel" while a write runs).
    void BTN_WriteToDeviceClick();
    // "Load From Device".
    void BTN_LoadFromDeviceClick();
    // "Configure Port...".
    void BTN_PortSettingsClick();
    // Closing: destroys the worker, serving its pending calls meanwhile.
    void FormClose();

protected:
    // A close while a device handler or click is in progress (their nested
    // event loops let one in) is put off until it has returned: the worker
    // it would destroy is waiting for that very handler, or is about to be
    // used by it.
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Operation { Write, Read };

    // What the window shows of a write and of a read (writeflow.cpp,
    // readflow.cpp): the status, the gauge and the messages of each step.
    class WriteWatch : public device::OperationObserver {
    public:
        explicit WriteWatch(TForm1& form)
            : form_(form)
        {
        }
        void Preparing() override;
        bool KeepPosting() override;
        void FrameWritten(std::uint32_t frame, std::uint32_t frames) override;
        void Failed(device::Step step) override;
        void Finished(const std::string& dump) override;

    private:
        TForm1& form_;
    };
    class ReadWatch : public device::OperationObserver {
    public:
        explicit ReadWatch(TForm1& form)
            : form_(form)
        {
        }
        void Failed(device::Step step) override;
        void Finished(const std::string& dump) override;

    private:
        TForm1& form_;
    };

    // Marks a device handler or device click in progress. While one is, a
    // close and the clicks that would start an operation or replace the
    // worker are put off; the last scope to end issues the close, or else
    // the put-off clicks, in their order, from the event loop.
    class DeviceCallScope {
    public:
        explicit DeviceCallScope(TForm1& form);
        ~DeviceCallScope();
        DeviceCallScope(const DeviceCallScope&) = delete;
        DeviceCallScope& operator=(const DeviceCallScope&) = delete;

    private:
        TForm1& form_;
    };

    // A click that arrives while a device call is in progress (clicks queued
    // while the window was frozen are delivered by its pending-message
    // processing) is put off and true returned; it is clicked again once the
    // call has returned, and then does what a click at that moment does.
    bool PutOffWhileDeviceCallRuns(QPushButton* button);

    // Builds a worker with the settings, the parity and flow-control
    // objects made for this call only. Throws what the construction throws.
    std::unique_ptr<TMainThreat> MakeWorker(const TPortSettings& settings);
    // Start-up's last step: the worker, or the failure message and no worker.
    void StartWorker();
    // Stores the port's settings and replaces the worker (the steps of
    // "Configure Port..." after its dialog).
    void ReplaceWorker();

    // The gauge's value, kept within 0..100.
    void SetGauge(int percent);
    void BusyForWriting();
    void BusyForReading();
    void IdleAfterWriting();
    void IdleAfterReading();
    // The read is over: the watchdog stops and ReadingFromDevice clears.
    void EndRead();
    // Ends an operation: cancels what the worker still holds, goes idle and
    // shows the message.
    void FailOperation(Operation operation, const std::wstring& message);
    // The error window with the title "ERROR", the message and one "OK"
    // button; returns when the operator has closed it.
    static void ShowErrorMessage(const std::wstring& message);
    // The device buttons while the window has no worker.
    static void RefuseWithoutWorker();
    // Drops the operations before the worker they run on goes.
    void ForgetOperations();
    // The message for a port that could not be reopened, with a second line
    // naming the port and the reason (for a refused user, how to fix it).
    std::wstring WithAccessAdvice(const std::wstring& message);

    void BuildLayout();
    void ShowCurrentFile();
    // Records the path under current_file when the settings file exists; a
    // failure is shown and the operation goes on.
    void RememberCurrentFile(const std::string& path);
    std::optional<std::string> ChooseFile(QFileDialog& dialog, const QString& title);
    void ShowLoadedPhoneBook(const phonebook::LoadedPhoneBook& loaded);

    platform::WindowThread& window_;
    settings::FileLocations files_;
    WriteWatch writeWatch_{*this};
    ReadWatch readWatch_{*this};
    // The operation last started on Worker; gone with it.
    std::unique_ptr<device::WriteOperation> write_;
    std::unique_ptr<device::ReadOperation> read_;
    int deviceCalls_ = 0;
    bool closePending_ = false;
    std::vector<QPushButton*> putOffClicks_;
};
