// The program entry: the main window and its message loop. An exception
// from the start-up (the settings file cannot be written) is shown and ends
// the program with a failure status.

#include "app/exceptionbox.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/toolkitsettings.h"
#include "dialogs/pictures.h"
#include "dialogs/portsetupdialog.h"
#include "platform/programpath.h"
#include "platform/qtwindowthread.h"
#include "settings/programsettings.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <exception>

int main(int argc, char* argv[])
{
    // File names reach messages through the locale's multibyte conversion.
    std::setlocale(LC_ALL, "");
    QApplication application(argc, argv);
    // Outlives the window and its file dialogs.
    const app::PrivateToolkitSettings toolkitSettings;
    // Before the first text is shown, the start-up's failure included. On
    // Windows the desktop's languages are the user's display languages.
    const app::WindowLanguage language(
        app::ChooseLanguage(settings::ReadWindowLanguage(settings::LocateFiles(platform::ProgramPath()).SettingsPath),
            QLocale::system().uiLanguages()));
    application.setWindowIcon(dialogs::ProgramIcon());
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.qem.QEM"));
    // "Configure Port..." shows the serial component's own setup dialog.
    dialogs::InstallPortSetupDialog();
    try {
        // The device worker hands its calls to this thread; it outlives the window.
        platform::QtWindowThread windowThread;
        app::MainWindow mainWindow(windowThread);
        mainWindow.show();
        return application.exec();
    } catch (const std::exception& error) {
        app::ShowExceptionMessage(nullptr, error);
        return 1;
    }
}
