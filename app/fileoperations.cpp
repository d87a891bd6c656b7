#include "app/fileoperations.h"

#include "app/exceptionbox.h"
#include "app/mainwindow.h"
#include "dialogs/messagewindow.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"
#include "phonebook/phonebookfile.h"

namespace app {

FileOperationsController::FileOperationsController(
    MainWindow& view, settings::FileLocations locations, std::string currentFile)
    : view_(view)
    , locations_(std::move(locations))
    , currentFile_(std::move(currentFile))
{
    view_.ShowCurrentFile(currentFile_);
    QObject::connect(&view_, &MainWindow::saveToFileClicked, &view_, [this] { SaveToFile(); });
    QObject::connect(&view_, &MainWindow::loadFromFileClicked, &view_, [this] { LoadFromFile(); });
    QObject::connect(&view_, &MainWindow::currentFileClicked, &view_, [this] { SwitchCurrentFile(); });
}

void FileOperationsController::SaveToFile()
{
    const std::optional<std::string> chosen = view_.ChooseFileToSave(tr("Write To File"));
    if (!chosen)
        return;
    // The chosen name becomes current even if it cannot be written.
    currentFile_ = *chosen;
    view_.ShowCurrentFile(currentFile_);
    RememberCurrentFile(*chosen);
    Save(*chosen);
}

void FileOperationsController::SaveToCurrentFile()
{
    view_.ShowCurrentFile(currentFile_);
    Save(currentFile_);
}

void FileOperationsController::Save(const std::string& target)
{
    // The rows as they stand, gaps included: nothing is compacted here.
    if (files::WriteFileAtomically(target, phonebook::EncodePhoneBook(view_.EditedPhoneBook())))
        view_.ResetInvalidRelayTimeout();
}

void FileOperationsController::LoadPhoneBookFile(const std::string& path)
{
    // Only the bytes up to the check value matter; it is not verified.
    const std::optional<std::string> bytes = files::ReadFileStart(path, phonebook::CheckedSize);
    if (!bytes)
        return;
    const phonebook::LoadedPhoneBook loaded = phonebook::DecodePhoneBook(*bytes);
    view_.ShowPhoneBook(loaded.numbers, loaded.relayTimeout, loaded.externalOff);
}

void FileOperationsController::OpenCurrentFile()
{
    view_.BuildPhoneRows();
    if (currentFile_.empty()) {
        currentFile_ = locations_.DefaultPhoneBookPath;
        if (!files::IsExistingFile(currentFile_))
            files::WriteFileAtomically(currentFile_, {});
        view_.ShowCurrentFile(currentFile_);
    }

    if (files::IsExistingFile(currentFile_)) {
        LoadPhoneBookFile(currentFile_);
        return;
    }
    files::WriteFileAtomically(currentFile_, {});
    dialogs::ShowMessageWindow(tr("Info").toStdWString(),
        tr("File containing saved phone numbers was not found (looking for: %1). \r\n\r\nEmpty file was created.")
            .arg(QString::fromStdWString(dialogs::ToWideText(currentFile_)))
            .toStdWString(),
        tr("OK").toStdWString());
}

void FileOperationsController::LoadFromFile()
{
    const std::optional<std::string> chosen = view_.ChooseFileToLoad(tr("Load From File"));
    if (!chosen)
        return;
    LoadPhoneBookFile(*chosen);
    // The next start opens this file; until then saves still go to the
    // current file.
    RememberCurrentFile(*chosen);
}

void FileOperationsController::SwitchCurrentFile()
{
    const std::optional<std::string> chosen = view_.ChooseFileToLoad(tr("Switch Current Work File"));
    if (!chosen)
        return;
    currentFile_ = *chosen;
    view_.ShowCurrentFile(currentFile_);
    LoadPhoneBookFile(*chosen);
    RememberCurrentFile(*chosen);
}

void FileOperationsController::RememberCurrentFile(const std::string& path)
{
    try {
        settings::RememberCurrentFile(locations_.SettingsPath, path);
    } catch (const std::exception& error) {
        ShowExceptionMessage(&view_, error);
    }
}

} // namespace app
