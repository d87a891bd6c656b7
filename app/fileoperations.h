#pragma once
// The main window's phone book file operations: the current file, saving
// and loading, and switching the current file. A file that cannot be read
// or written is not reported; a settings file that cannot be written is.
// Also the phone list's CSV import and export, which say when a file
// cannot be read or written.

#include "settings/programsettings.h"

#include <QCoreApplication>

#include <string>

namespace app {

class MainWindow;

class FileOperationsController {
    Q_DECLARE_TR_FUNCTIONS(FileOperationsController)
public:
    // Shows currentFile in the window, which reports its clicks here.
    FileOperationsController(MainWindow& view, settings::FileLocations locations, std::string currentFile);

    const std::string& CurrentFile() const { return currentFile_; }
    const settings::FileLocations& Locations() const { return locations_; }

    // Start-up: builds the 500 rows and loads the current file, or creates
    // it empty and says so.
    void OpenCurrentFile();
    // "Write To File...": saves the phone book to a chosen file, which
    // becomes current.
    void SaveToFile();
    // Saves the phone book to the current file (each "Write To Device", and
    // closing with changes); false when it could not be written.
    bool SaveToCurrentFile();
    // "Load From File...": loads a chosen file and records it for the next
    // start; the current file stays.
    void LoadFromFile();
    // Click on the current file (or Space or Enter on it): loads a chosen
    // file and makes it current.
    void SwitchCurrentFile();
    // Reads a phone book file into the window; a file that cannot be read
    // changes nothing. A whole book read is the window's saved state.
    void LoadPhoneBookFile(const std::string& path);

    // "Import CSV...": a chosen CSV file through ImportCsvFile.
    void ImportCsv();
    // Shows the file's import report; on "Import" the phone list becomes
    // the good and changed rows' numbers, packed from slot 0. The relay
    // time-out and the switch stay.
    void ImportCsvFile(const std::string& path);
    // "Export CSV...": the slots in use, as saving would store them, into a
    // chosen CSV file.
    void ExportCsv();

private:
    bool Save(const std::string& target);
    // Records the path under current_file when the settings file exists; a
    // failure is shown and the operation goes on.
    void RememberCurrentFile(const std::string& path);

    MainWindow& view_;
    const settings::FileLocations locations_;
    std::string currentFile_;
};

} // namespace app
