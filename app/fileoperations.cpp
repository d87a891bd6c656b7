#include "app/fileoperations.h"

#include "app/exceptionbox.h"
#include "app/mainwindow.h"
#include "app/phonebookeditor.h"
#include "csv/importreport.h"
#include "csv/records.h"
#include "csv/writer.h"
#include "dialogs/messagewindow.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"
#include "phonebook/phonebookfile.h"

#include <QCoreApplication>

namespace app {
namespace {

// Far more than any list of 500 numbers with notes.
constexpr std::size_t LargestCsv = 16 << 20;

QString Tr(const char* text)
{
    return QCoreApplication::translate("app::FileOperationsController", text);
}

QString PathText(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace

FileOperationsController::FileOperationsController(MainWindow& view, settings::FileLocations locations,
    std::string currentFile)
    : view_(view)
    , locations_(std::move(locations))
    , currentFile_(std::move(currentFile))
{
    view_.ShowCurrentFile(currentFile_);
    QObject::connect(&view_, &MainWindow::saveToFileClicked, &view_, [this] { SaveToFile(); });
    QObject::connect(&view_, &MainWindow::loadFromFileClicked, &view_, [this] { LoadFromFile(); });
    QObject::connect(&view_, &MainWindow::currentFileClicked, &view_, [this] { SwitchCurrentFile(); });
    QObject::connect(&view_, &MainWindow::importCsvClicked, &view_, [this] { ImportCsv(); });
    QObject::connect(&view_, &MainWindow::exportCsvClicked, &view_, [this] { ExportCsv(); });
    QObject::connect(&view_, &MainWindow::csvFileDropped, &view_,
        [this](const std::string& path) { ImportCsvFile(path); });
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

bool FileOperationsController::SaveToCurrentFile()
{
    view_.ShowCurrentFile(currentFile_);
    return Save(currentFile_);
}

bool FileOperationsController::Save(const std::string& target)
{
    // The rows as they stand, gaps included: nothing is compacted here.
    if (!phonebook::WriteFileAtomically(target, phonebook::EncodePhoneBook(view_.Editor().EditedPhoneBook())))
        return false;
    view_.Editor().ResetInvalidRelayTimeout();
    view_.Editor().MarkSaved();
    return true;
}

void FileOperationsController::LoadPhoneBookFile(const std::string& path)
{
    // Only the bytes up to the check value matter; it is not verified.
    const std::optional<std::string> bytes = phonebook::ReadFileStart(path, phonebook::CheckedSize);
    if (!bytes)
        return;
    const phonebook::LoadedPhoneBook loaded = phonebook::DecodePhoneBook(*bytes);
    view_.Editor().ShowPhoneBook(loaded.numbers, loaded.relayTimeout, loaded.externalOff);
    // A short file leaves rows as they were, which no file holds.
    if (loaded.relayTimeout)
        view_.Editor().MarkSaved();
}

void FileOperationsController::OpenCurrentFile()
{
    view_.Editor().BuildPhoneRows();
    if (currentFile_.empty()) {
        currentFile_ = locations_.DefaultPhoneBookPath;
        if (!phonebook::IsExistingFile(currentFile_))
            phonebook::WriteFileAtomically(currentFile_, {});
        view_.ShowCurrentFile(currentFile_);
    }

    if (phonebook::IsExistingFile(currentFile_)) {
        LoadPhoneBookFile(currentFile_);
        view_.Editor().ResetHistory();
        return;
    }
    phonebook::WriteFileAtomically(currentFile_, {});
    view_.Editor().ResetHistory();
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

void FileOperationsController::ImportCsv()
{
    if (const std::optional<std::string> chosen = view_.ChooseCsvFile(QFileDialog::AcceptOpen))
        ImportCsvFile(*chosen);
}

void FileOperationsController::ImportCsvFile(const std::string& path)
{
    const std::optional<std::string> bytes = phonebook::ReadFileStart(path, LargestCsv + 1);
    if (!bytes || bytes->size() > LargestCsv) {
        const QString problem = bytes ? Tr("%1 is too large for a list of phone numbers.") : Tr("%1 cannot be read.");
        view_.ShowCsvProblem(problem.arg(PathText(path)));
        return;
    }
    csv::ImportReport report;
    try {
        report = csv::ReadImportReport(*bytes);
    } catch (const csv::ParseError& error) {
        view_.ShowCsvProblem(Tr("%1 is no CSV file: %2").arg(PathText(path), QString::fromStdString(error.what())));
        return;
    }
    if (!view_.ConfirmImport(path, report))
        return;
    // The whole list is replaced: the slots after the imported numbers are
    // emptied too.
    std::vector<std::string> numbers = report.numbers;
    numbers.resize(phonebook::PhoneSlotCount);
    view_.Editor().ShowPhoneBook(numbers, std::nullopt, std::nullopt);
}

void FileOperationsController::ExportCsv()
{
    const std::optional<std::string> chosen = view_.ChooseCsvFile(QFileDialog::AcceptSave);
    if (!chosen)
        return;
    // What saving and loading the book again would show: spaces gone,
    // numbers cut to a slot's 15 bytes.
    const std::vector<std::string> stored =
        phonebook::DecodePhoneBook(phonebook::EncodePhoneBook(view_.Editor().EditedPhoneBook())).numbers;
    if (!phonebook::WriteFileAtomically(*chosen, csv::WriteBookCsv(stored)))
        view_.ShowCsvProblem(Tr("%1 cannot be written.").arg(PathText(*chosen)));
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
