#pragma once
// The main window: the phone book editor (the current phone book file, the
// relay settings, the 500 phone numbers), the status area of the device
// operations and the six operation buttons. It builds and owns its widgets
// and reports the operator's clicks as signals; what the clicks do is its
// two controllers' business: the phone book files (FileOperationsController)
// and the device operations (DeviceOperationsController).
//
// The constructor is the start-up sequence: build the window, put the
// version into the title, create or complete the settings file beside the
// program and read the current file and the port settings from it, open the
// current phone book file, and start the device worker. Closing the window
// destroys the worker; when the phone book differs from the current file
// (the title then starts with "*"), it first asks whether to save it.
//
// Every change of the phone book in the window is a step of its undo
// history (Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z, and the list's menu); a book
// shown whole (ShowPhoneBook: a file, the device, an import) is one step.
//
// Everything here runs on the window thread.

#include "platform/programpath.h"
#include "platform/windowthread.h"
#include "settings/programsettings.h"

#include <QFileDialog>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QMimeData;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
namespace phonebook {
struct PhoneBook;
} // namespace phonebook

namespace csv {
struct ImportReport;
} // namespace csv

namespace phonelist {
class FindBar;
class PhoneBookHistory;
class PhoneListEditor;
} // namespace phonelist

namespace app {

class CurrentFileLabel;
class DeviceOperationsController;
class FileOperationsController;

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

    // The phone book as edited: the rows as they stand, gaps included, the
    // relay time-out as it is stored and the external-disconnection switch.
    phonebook::PhoneBook EditedPhoneBook() const;
    // After a save: a time-out the field could not hold reads "0".
    void ResetInvalidRelayTimeout();
    // Overwrites the rows one by one, without clearing the others first, and
    // the relay settings that are given: one undo step.
    void ShowPhoneBook(const std::vector<std::string>& numbers, std::optional<std::uint16_t> relayTimeout,
        std::optional<bool> externalOff);
    // "Clear All": empties the phone book in the window only.
    void ClearAll();
    // The phone book as it stands is the current file's content (loaded or
    // saved); the mark leaves the title.
    void MarkSaved();
    // After start-up's load: nothing to undo, nothing to save.
    void ResetHistory();
    // Start-up: the phone list's 500 empty rows.
    void BuildPhoneRows();

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

    // The status area: a text and the gauge.
    void HideStatusArea();
    // Shows the status area with the text, painted at once; the gauge shows
    // percent, or 0 when percent is over 100.
    void ShowStatus(const std::wstring& text, unsigned percent);
    // The gauge's value, kept within 0..100.
    void SetGauge(int percent);
    int Gauge() const;
    // While a read runs the gauge advances by one every 400 ms.
    void StartGaugeTicking();
    void StopGaugeTicking();

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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildWindow();
    QGroupBox* BuildCurrentFileBox();
    QGroupBox* BuildRelaySettingsBox();
    QGroupBox* BuildPhonesBox();
    void BuildStatusArea();
    void BuildButtons();
    QGridLayout* ArrangeButtons();
    void ArrangeWindow(QGroupBox* currentFile, QGroupBox* relaySettings, QGroupBox* phones);
    void BuildFileDialogs();
    // The local .csv file a drag carries, when the phone list takes one.
    std::optional<std::string> DroppableCsvFile(const QMimeData& data) const;
    void BuildEditActions();
    void ShowTitle(bool modified);
    // Close with changes: Save (to the current file), Discard or Cancel.
    // True when the window may close.
    bool AskToSaveChanges();

    CurrentFileLabel* currentFile_ = nullptr;
    QLineEdit* relayTimeout_ = nullptr;
    QCheckBox* externalOff_ = nullptr;
    phonelist::PhoneListEditor* phoneList_ = nullptr;
    QLabel* statusText_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QPushButton* loadFromFileButton_ = nullptr;
    QPushButton* saveToFileButton_ = nullptr;
    QPushButton* loadFromDeviceButton_ = nullptr;
    QPushButton* writeToDeviceButton_ = nullptr;
    QPushButton* clearAllButton_ = nullptr;
    QPushButton* configurePortButton_ = nullptr;
    QFileDialog* loadDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    QTimer* gaugeTimer_ = nullptr;
    phonelist::FindBar* findBar_ = nullptr;
    phonelist::PhoneBookHistory* history_ = nullptr;
    QString title_;

    std::unique_ptr<FileOperationsController> files_;
    // Declared last, so it goes first: the worker's teardown may still serve
    // calls that reach the window's controls.
    std::unique_ptr<DeviceOperationsController> operations_;
};

} // namespace app
