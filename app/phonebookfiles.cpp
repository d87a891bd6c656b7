// The main window's phone book file operations: save, load, the current
// file at start-up, and switching the current file.

#include "app/form1.h"

#include "app/currentfilelabel.h"
#include "app/exceptionbox.h"
#include "settings/programsettings.h"
#include "dialogs/messagewindow.h"
#include "dialogs/widetext.h"
#include "phonebook/fileaccess.h"
#include "phonebook/phonebookfile.h"
#include "phonebook/phonelisteditor.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

void TForm1::BTN_SaveToFileClick()
{
    std::string target;
    if (SaveToCurrentFile) {
        target = CurrentFile;
        ShowCurrentFile();
        SaveToCurrentFile = false;
    } else {
        const std::optional<std::string> chosen = ChooseFile(*DLG_SaveTo, QStringLiteral("Write To File"));
        if (!chosen)
            return;
        // The chosen name becomes current even if it cannot be written.
        target = *chosen;
        CurrentFile = target;
        ShowCurrentFile();
        RememberCurrentFile(target);
    }

    // The rows as they stand, gaps included: nothing is compacted here.
    PhoneBook book;
    book.numbers = VLE_Telefonai->Values();
    const phonebook::RelayTimeout timeout = phonebook::ParseRelayTimeout(EDT_ReleTimeout->text().toStdString());
    book.relayTimeout = timeout.stored;
    book.externalOff = CHBX_EnableExternalOff->isChecked();
    if (files::WriteFileAtomically(target, phonebook::EncodePhoneBook(book)) && timeout.resetField)
        EDT_ReleTimeout->setText(QStringLiteral("0"));
}

void TForm1::LoadPhoneBookFile(const std::string& path)
{
    // Only the bytes up to the check value matter; it is not verified.
    const std::optional<std::string> bytes = files::ReadFileStart(path, phonebook::CheckedSize);
    if (bytes)
        ShowLoadedPhoneBook(phonebook::DecodePhoneBook(*bytes));
}

void TForm1::ShowLoadedPhoneBook(const phonebook::LoadedPhoneBook& loaded)
{
    // Rows are overwritten one by one, without clearing the others first.
    for (std::size_t slot = 0; slot < loaded.numbers.size(); ++slot)
        VLE_Telefonai->SetValue(static_cast<int>(slot), loaded.numbers[slot]);
    if (loaded.relayTimeout)
        EDT_ReleTimeout->setText(QString::number(*loaded.relayTimeout));
    if (loaded.externalOff)
        CHBX_EnableExternalOff->setChecked(*loaded.externalOff);
}

void TForm1::OpenCurrentFile()
{
    SaveToCurrentFile = false;
    VLE_Telefonai->BuildRows();

    if (CurrentFile.empty()) {
        CurrentFile = files_.DefaultPhoneBookPath;
        if (!files::IsExistingFile(CurrentFile))
            files::WriteFileAtomically(CurrentFile, {});
        ShowCurrentFile();
    }

    if (files::IsExistingFile(CurrentFile)) {
        LoadPhoneBookFile(CurrentFile);
        return;
    }
    files::WriteFileAtomically(CurrentFile, {});
    dialogs::ShowMessageWindow("Info",
        L"File containing saved phone numbers was not found (looking for: " + dialogs::ToWideText(CurrentFile)
            + L"). \r\n\r\nEmpty file was created.",
        L"OK");
}

void TForm1::BTN_LoadFromFileClick()
{
    const std::optional<std::string> chosen = ChooseFile(*DLG_LoadFrom, QStringLiteral("Load From File"));
    if (!chosen)
        return;
    LoadPhoneBookFile(*chosen);
    // The next start opens this file; until then saves still go to the
    // current file.
    RememberCurrentFile(*chosen);
}

void TForm1::LBL_CurrentFileClick()
{
    const std::optional<std::string> chosen = ChooseFile(*DLG_LoadFrom, QStringLiteral("Switch Current Work File"));
    if (!chosen)
        return;
    CurrentFile = *chosen;
    ShowCurrentFile();
    LoadPhoneBookFile(*chosen);
    RememberCurrentFile(*chosen);
}

void TForm1::ShowCurrentFile()
{
    LBL_CurrentFile->SetPath(QString::fromLocal8Bit(CurrentFile.data(), static_cast<qsizetype>(CurrentFile.size())));
}

void TForm1::RememberCurrentFile(const std::string& path)
{
    try {
        settings::RememberCurrentFile(files_.SettingsPath, path);
    } catch (const std::exception& error) {
        ShowExceptionMessage(this, error);
    }
}

std::optional<std::string> TForm1::ChooseFile(QFileDialog& dialog, const QString& title)
{
    // One open dialog serves two purposes; its title says which.
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
