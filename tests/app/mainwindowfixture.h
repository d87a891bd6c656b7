#pragma once
// A main window started in a folder of its own: the program path is
// <folder>/qem, so the settings file is qem.INI and the default phone book
// qem.kalc beside it. Modal windows are driven by a ModalWatch. The window
// builds its device worker as the program does.

#include "app/deviceoperations.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/toolkitsettings.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/phonelisteditor.h"
#include "platform/qtwindowthread.h"

#include "tests/app/windowcontrols.h"
#include "tests/support/modalwatch.h"
#include "tests/support/samebytes.h"
#include "tests/support/tempdir.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    // As in the program, the file dialogs keep their state out of the user's
    // settings.
    static void SetUpTestSuite() { static const app::PrivateToolkitSettings toolkitSettings; }

    std::string ProgramPath() const { return dir / "qem"; }
    std::string SettingsPath() const { return dir / "qem.INI"; }
    std::string DefaultBook() const { return dir / "qem.kalc"; }

    // Settings naming `book` as the current file, the book existing (empty).
    void PrepareStart(const std::string& book, const std::string& bookBytes = "")
    {
        WriteBytes(SettingsPath(),
            "[PortSettings]\ncurrent_file=" + book
                + "\nport=COM1\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=2400\n");
        WriteBytes(book, bookBytes);
    }

    void Start() { form = std::make_unique<app::MainWindow>(window, ProgramPath()); }

    // Started, shown and active, so that clicks and keys move the focus.
    void StartShown()
    {
        Start();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // The next file dialog chooses path (or is cancelled with an empty path).
    void NextFileDialogChooses(const std::string& path)
    {
        watch.Then([path](QWidget& window) {
            auto& dialog = dynamic_cast<QFileDialog&>(window);
            if (path.empty()) {
                dialog.reject();
                return;
            }
            // Typed into the name field, as an operator would; the dialog
            // resolves the name against a folder only if that folder exists.
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(path));
            static_cast<QDialog&>(dialog).accept(); // runs the file dialog's own accept
        });
    }

    TempDir dir;
    ModalWatch watch;
    // The device worker's calls reach the window through it; it outlives the window.
    platform::QtWindowThread window;
    std::unique_ptr<app::MainWindow> form;
};

// The file bytes of a phone book with the given numbers.
inline std::string BookBytes(std::initializer_list<std::pair<int, const char*>> numbers, std::uint16_t relayTimeout = 0,
    bool externalOff = false)
{
    phonebook::PhoneBook book;
    for (const auto& [slot, value] : numbers)
        book.numbers[slot] = value;
    book.relayTimeout = relayTimeout;
    book.externalOff = externalOff;
    return phonebook::EncodePhoneBook(book);
}
