#pragma once
// The main window running device operations, whatever the device is: waits
// that keep the window's event loop running, the window's idle state, and
// error windows answered with "OK" and their messages recorded.

#include "dialogs/errorwindow.h"

#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtwait.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

using namespace std::chrono_literals;

class MainWindowFlowTest : public MainWindowTest {
protected:
    std::string Book() const { return dir / "book.kalc"; }

    // Settings naming the port and the phone book `Book()` holding bookBytes.
    void PrepareSettings(const std::string& port, const std::string& bookBytes, const std::string& baudRate = "115200")
    {
        WriteBytes(SettingsPath(), SettingsText(port, baudRate));
        WriteBytes(Book(), bookBytes);
    }
    std::string SettingsText(const std::string& port, const std::string& baudRate = "115200") const
    {
        return "[PortSettings]\ncurrent_file=" + Book() + "\nport=" + port
            + "\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=" + baudRate + "\n";
    }

    // The window started and shown, as the program shows it.
    void Start()
    {
        MainWindowTest::Start();
        form->show();
    }

    // Keeps the window's event loop running until pred holds or the time is
    // up; returns pred(). Hand-overs from the worker and the port are served
    // at once, without the pauses of a sleeping wait.
    static bool WaitFor(const std::function<bool()>& pred, std::chrono::milliseconds limit)
    {
        return qtwait::WaitFor(pred, limit);
    }

    // The operation controls are enabled again: the write or read is over.
    bool Idle() const { return LoadFromFileButton(*form)->isEnabled() && ConfigurePortButton(*form)->isEnabled(); }
    bool WaitUntilIdle(std::chrono::milliseconds limit = 30s)
    {
        return WaitFor([this] { return Idle(); }, limit);
    }

    bool StatusAreaShown() const
    {
        return StatusText(*form)->isVisibleTo(form.get()) || Gauge(*form)->isVisibleTo(form.get());
    }

    // Every operation control enabled and the button captioned for writing.
    void ExpectIdleWindow() const
    {
        for (QWidget* control : {static_cast<QWidget*>(LoadFromFileButton(*form)),
                 static_cast<QWidget*>(SaveToFileButton(*form)), static_cast<QWidget*>(LoadFromDeviceButton(*form)),
                 static_cast<QWidget*>(WriteToDeviceButton(*form)), static_cast<QWidget*>(ClearAllButton(*form)),
                 static_cast<QWidget*>(ConfigurePortButton(*form)), static_cast<QWidget*>(PhoneList(*form))})
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_EQ(WriteToDeviceButton(*form)->text(), QStringLiteral("Write To Device"));
    }
    // After an operation: idle, and the status area gone.
    void ExpectIdleAfterOperation() const
    {
        ExpectIdleWindow();
        EXPECT_FALSE(StatusAreaShown());
    }

    // The next modal window is an error window: its message is recorded and
    // "OK" pressed.
    void ExpectErrorWindow()
    {
        watch.Then([this](QWidget& window) {
            auto* error = dynamic_cast<dialogs::ErrorWindow*>(&window);
            if (error == nullptr) {
                ADD_FAILURE() << "not an error window: " << window.windowTitle().toStdString();
                window.close();
                return;
            }
            errors.push_back(error->Message->text().toStdString());
            error->OkButton->click();
        });
    }

    // The next modal window is the general exception box: its text is
    // recorded and it is closed.
    void ExpectExceptionBox()
    {
        watch.Then([this](QWidget& window) {
            auto* box = dynamic_cast<QMessageBox*>(&window);
            if (box == nullptr) {
                ADD_FAILURE() << "not a message box: " << window.windowTitle().toStdString();
                window.close();
                return;
            }
            errors.push_back(box->text().toStdString());
            box->accept();
        });
    }

    std::vector<std::string> errors;
};
