#pragma once
// The main window: the phone book editor, the current phone book file, the
// port settings read at start-up, and (later) the device operations.
//
// The constructor is the start-up sequence: build the window, put the
// version into the title, create or complete the settings file beside the
// program and read the port settings and the current file from it, then
// open the current phone book file. Nothing is saved when the window closes.

#include "serial/portsettings.h"
#include "platform/programpath.h"

#include <QWidget>

#include <optional>
#include <string>

class ClickableLabel;
class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace phonebook {
class PhoneListEditor;
struct LoadedPhoneBook;
} // namespace phonebook

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // programPath places the settings file and the default phone book file
    // (tests give a path in a folder of their own). Throws
    // settings::WriteError when the settings file cannot be written.
    explicit TForm1(const std::string& programPath = platform::ProgramPath(), QWidget* parent = nullptr);
    ~TForm1() override;

    QGroupBox* GrB_CurrentFile;
    ClickableLabel* LBL_CurrentFile;
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
    // The port settings read at start-up, for the device worker.
    TPortSettings PortSettings;

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
    // Click on the current file: loads a chosen file and makes it current.
    void LBL_CurrentFileClick();
    // "Clear All": empties the phone book in the window only.
    void BTN_ClearAllClick();

private:
    void BuildLayout();
    void ShowCurrentFile();
    // Records the path under current_file when the settings file exists; a
    // failure is shown and the operation goes on.
    void RememberCurrentFile(const std::string& path);
    std::optional<std::string> ChooseFile(QFileDialog& dialog);
    void ShowLoadedPhoneBook(const phonebook::LoadedPhoneBook& loaded);

    std::string programPath_;
    std::string settingsPath_;
};
