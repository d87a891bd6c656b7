#pragma once
// The main window: the current phone book file, the phone book's editor
// (PhoneBookEditor: the relay settings, the 500 phone numbers), the status
// area of the device operations (StatusArea) and the six operation buttons.
// It builds and owns its widgets and reports the operator's clicks as
// signals; what the clicks do is its two controllers' business: the phone
// book files (FileOperationsController) and the device operations
// (DeviceOperationsController).
//
// The constructor is the start-up sequence: build the window, put the
// version into the title, create or complete the settings file beside the
// program and read the current file and the port settings from it, open the
// current phone book file, and start the device worker. Closing the window
// destroys the worker; when the phone book differs from the current file
// (the title then starts with "*"), it first asks whether to save it.
//
// Everything here runs on the window thread.

#include "platform/programpath.h"
#include "platform/windowthread.h"
#include "settings/programsettings.h"

#include <QFileDialog>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace csv {
struct ImportReport;
} // namespace csv

namespace app {

class CurrentFileLabel;
class DeviceOperationsController;
class FileOperationsController;
class PhoneBookEditor;
class StatusArea;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // window is the window thread the device worker hands its calls to; it
    // must outlive the window. programPath places the settings file and the
    // default phone book file (settings::LocateFiles; tests give a path in a
    // folder of their own).
    // Throws settings::WriteError when the settings file cannot be written.
    explicit MainWindow(platform::WindowThread& window, const std::string& programPath = platform::ProgramPath(),
        QWidget* parent = nullptr);
    ~MainWindow() override;

    FileOperationsController& Files() { return *files_; }
    DeviceOperationsController& Operations() { return *operations_; }
    // The phone book's fields and list; while it differs from the current
    // file, the title starts with "*".
    PhoneBookEditor& Editor() { return *editor_; }
    StatusArea& Status() { return *status_; }

    void ShowCurrentFile(const std::string& path);
    // The load or the save dialog under the title; the chosen path, or none
    // when the operator cancelled.
    std::optional<std::string> ChooseFileToLoad(const QString& title);
    std::optional<std::string> ChooseFileToSave(const QString& title);
    // The CSV file dialog for importing or exporting; as above.
    std::optional<std::string> ChooseCsvFile(QFileDialog::AcceptMode mode);
    // Shows the import report of the file; true when the operator chose
    // "Import".
    bool ConfirmImport(const std::string& path, const csv::ImportReport& report);
    // A CSV file could not be read or written.
    void ShowCsvProblem(const QString& text);

    // Enables or disables the operation controls. In write mode the enabled
    // state of "Write To Device" is left alone and its caption follows
    // (enabled: "Write To Device", disabled: "Cancel").
    void SetControlsEnabled(bool enable, bool writeMode);

    enum class DeviceButton { LoadFromDevice, WriteToDevice, ConfigurePort };
    // Clicks the button from the event loop, as the operator would: a
    // disabled button ignores it.
    void ClickLater(DeviceButton button);

signals:
    void loadFromFileClicked();
    void saveToFileClicked();
    void currentFileClicked();
    void loadFromDeviceClicked();
    void writeToDeviceClicked();
    void configurePortClicked();
    // The phone list's context menu.
    void importCsvClicked();
    void exportCsvClicked();
    // A .csv file dropped on the window while the phone list can be edited.
    void csvFileDropped(const std::string& path);

protected:
    // A close while a device call is in progress is put off until it has
    // returned (DeviceOperationsController::PutOffClose).
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    QGroupBox* BuildCurrentFileBox();
    void BuildButtons();
    QGridLayout* ArrangeButtons();
    void ArrangeWindow(QGroupBox* currentFile);
    void BuildFileDialogs();
    // The editor's and the CSV drop's reports, passed on as the window's.
    void ConnectEditor();
    void ShowTitle(bool modified);
    // Close with changes: Save (to the current file), Discard or Cancel.
    // True when the window may close.
    bool AskToSaveChanges();

    CurrentFileLabel* currentFile_ = nullptr;
    PhoneBookEditor* editor_ = nullptr;
    StatusArea* status_ = nullptr;
    QPushButton* loadFromFileButton_ = nullptr;
    QPushButton* saveToFileButton_ = nullptr;
    QPushButton* loadFromDeviceButton_ = nullptr;
    QPushButton* writeToDeviceButton_ = nullptr;
    QPushButton* clearAllButton_ = nullptr;
    QPushButton* configurePortButton_ = nullptr;
    QFileDialog* loadDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    QString title_;

    std::unique_ptr<FileOperationsController> files_;
    // Declared last, so it goes first: the worker's teardown may still serve
    // calls that reach the window's controls.
    std::unique_ptr<DeviceOperationsController> operations_;
};

} // namespace app
