// qem-screenshots FOLDER: pictures of the main window, its file dialog, the
// port setup dialog and an error window in English and every translated
// language, as PNG files <language>-main.png, <language>-file.png,
// <language>-setup.png and <language>-error.png, for a reviewer of the
// translations (the file dialog is mostly Qt's own texts). The main window runs in a temporary folder
// of its own, with a few numbers and a write in progress on its status line.

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/statusarea.h"
#include "dialogs/errorwindow.h"
#include "dialogs/portsetupdialog.h"
#include "phonebook/phonebookfile.h"
#include "platform/qtwindowthread.h"
#include "serial/serialport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

QString Text(const char* source)
{
    return QCoreApplication::translate("DeviceOperationsController", source);
}

bool Save(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    if (!saved)
        std::fprintf(stderr, "qem-screenshots: cannot write %s\n", qPrintable(path));
    return saved;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The three windows in the language now installed.
bool TakePictures(const QString& prefix, const QTemporaryDir& folder, platform::WindowThread& windowThread)
{
    phonebook::PhoneBook book;
    book.numbers[0] = "+37060000001";
    book.numbers[1] = "860000002";
    book.numbers[4] = "+37167000005";
    book.relayTimeout = 3000;
    const std::string bytes = phonebook::EncodePhoneBook(book);
    const QString bookPath = folder.filePath(QStringLiteral("qem.kalc"));
    if (!WriteFile(bookPath, QByteArray::fromStdString(bytes)))
        return false;
    app::MainWindow window(windowThread, folder.filePath(QStringLiteral("qem")).toStdString());
    window.Status().Show(Text("Writing data to device...").toStdWString(), 40);
    bool saved = Save(window, prefix + QStringLiteral("-main.png"));

    auto* files = window.findChild<QFileDialog*>(QStringLiteral("DLG_LoadFrom"));
    files->setDirectory(folder.path());
    saved = Save(*files, prefix + QStringLiteral("-file.png")) && saved;
    files->hide();

    // The settings of a first start.
    serial::SerialPort port(windowThread);
    dialogs::PortSetupDialog setup;
    setup.Bind(port);
    saved = Save(setup, prefix + QStringLiteral("-setup.png")) && saved;

    QTimer::singleShot(0, [&] {
        QWidget* error = QApplication::activeModalWidget();
        saved = error != nullptr && Save(*error, prefix + QStringLiteral("-error.png")) && saved;
        if (error != nullptr)
            error->close();
    });
    dialogs::ShowErrorWindow(Text("ERROR").toStdWString(),
        Text("Unable to start writing process! Please check connection to the device.").toStdWString()
            + L"\n/dev/ttyUSB0: No such file or directory",
        Text("OK").toStdWString(), L"", true, false);
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qem-screenshots FOLDER\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    platform::QtWindowThread windowThread;
    QStringList languages = app::TranslatedLanguages();
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        const app::WindowLanguage speaking(language);
        const QTemporaryDir folder;
        if (!folder.isValid() || !TakePictures(output.filePath(language), folder, windowThread))
            return 1;
    }
    return 0;
}
