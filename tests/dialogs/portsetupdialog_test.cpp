// The port setup dialog driven offscreen: what it shows, what "OK" and
// "Cancel" do to the port, and failures while building or storing.
#include "dialogs/portsetupdialog.h"

#include "platform/qtwindowthread.h"
#include "serial/comportlist.h"
#include "serial/serialport.h"
#include "tests/support/fakesysfs.h"
#include "tests/support/ptypair.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace {

namespace fs = std::filesystem;
using serialtest::PtyPair;
using serialtest::ReadLineState;

// Entries to pick, by list name.
using Choices = std::map<std::string, QString>;

class SetupDialogTest : public ::testing::Test {
protected:
    SetupDialogTest()
    {
        char name[] = "/tmp/qem-sysfs-XXXXXX";
        root_ = mkdtemp(name);
        for (const char* tty : {"ttyQEM1", "ttyQEM2"}) {
            fs::create_directories(fs::path(root_) / tty / "device");
            fs::create_symlink("../../drivers/qem", fs::path(root_) / tty / "device/driver");
        }
        serial::SetComPortListRoots(root_, "/dev");
        dialogs::InstallPortSetupDialog();
        port.SetPort(pty.SlavePath());
    }
    ~SetupDialogTest() override
    {
        port.Close();
        serial::SetComSetupDialog({});
        serial::SetComPortListRoots("/sys/class/tty", "/dev");
        fs::remove_all(root_);
    }

    // Shows the dialog through the port; once it is up, inspect() looks at
    // it, the choices are picked and the button is pressed.
    void RunDialog(
        const Choices& choices, const char* button, const std::function<void(QDialog&)>& inspect = [](QDialog&) {})
    {
        bool pressed = false;
        std::function<void()> whenShown = [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(5, whenShown);
                return;
            }
            inspect(*dialog);
            for (const auto& [list, entry] : choices) {
                auto* box = dialog->findChild<QComboBox*>(QString::fromStdString(list));
                ASSERT_NE(box, nullptr) << list;
                const int index = box->findText(entry);
                ASSERT_GE(index, 0) << entry.toStdString();
                box->setCurrentIndex(index);
            }
            dialog->findChild<QPushButton*>(button)->click();
            pressed = true;
        };
        QTimer::singleShot(0, whenShown);
        try {
            port.ShowSetupDialog();
        } catch (...) {
            EXPECT_TRUE(pressed);
            throw;
        }
        EXPECT_TRUE(pressed);
    }

    std::string root_;
    platform::QtWindowThread window;
    PtyPair pty;
    serial::SerialPort port{window};
};

QStringList Entries(QDialog& dialog, const char* list)
{
    QStringList texts;
    auto* box = dialog.findChild<QComboBox*>(list);
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

TEST_F(SetupDialogTest, showsSixFixedListsWithTheCurrentValuesSelected)
{
    port.SetBaudRate(serial::br115200);
    port.Parity().SetBits(serial::prSpace);
    port.FlowControl().SetFlowControl(serial::fcSoftware);
    RunDialog({}, "Cancel", [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Setup");
        EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), " Settings ");
        const QStringList ports = Entries(dialog, "Port");
        EXPECT_EQ(ports, QStringList({QString::fromStdString(pty.SlavePath()), "/dev/ttyQEM1", "/dev/ttyQEM2"}))
            << "the current name is not listed by the system, so it comes first";
        EXPECT_EQ(Entries(dialog, "BaudRate").size(), 16);
        EXPECT_EQ(Entries(dialog, "DataBits"), QStringList({"5", "6", "7", "8"}));
        EXPECT_EQ(Entries(dialog, "StopBits"), QStringList({"1", "1.5", "2"}));
        EXPECT_EQ(Entries(dialog, "Parity"), QStringList({"None", "Odd", "Even", "Mark", "Space"}));
        EXPECT_EQ(Entries(dialog, "FlowControl"), QStringList({"Hardware", "Software", "None", "Custom"}));
        const std::map<const char*, QString> selected = {{"Port", QString::fromStdString(pty.SlavePath())},
            {"BaudRate", "115200"}, {"DataBits", "8"}, {"StopBits", "1"}, {"Parity", "Space"},
            {"FlowControl", "Software"}};
        for (const auto& [list, text] : selected) {
            auto* box = dialog.findChild<QComboBox*>(list);
            EXPECT_FALSE(box->isEditable()) << list;
            EXPECT_EQ(box->currentText(), text) << list;
        }
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        EXPECT_EQ(labels, QStringList({"Port", "Baud rate", "Data bits", "Stop bits", "Parity", "Flow control"}));
    });
}

// The font the dialog gets: none (its own, the program's), or the desktop
// font at the sizes desktops commonly use.
class SetupDialogFontTest : public SetupDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(SetupDialogFontTest, noCaptionIsCut)
{
    dialogs::PortSetupDialog dialog;
    EXPECT_EQ(dialog.font().pixelSize(), 11) << "the program's font";
    if (GetParam() > 0) {
        QFont desktop = QApplication::font();
        desktop.setPointSize(GetParam());
        dialog.setFont(desktop);
    }
    dialog.show();
    QApplication::processEvents();

    std::vector<QWidget*> captioned;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        captioned.push_back(label);
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        captioned.push_back(button);
    captioned.push_back(dialog.findChild<QGroupBox*>());
    for (QWidget* widget : captioned) {
        SCOPED_TRACE(widget->objectName().toStdString() + " " + widget->metaObject()->className());
        EXPECT_GE(widget->width(), widget->sizeHint().width());
        EXPECT_GE(widget->height(), widget->sizeHint().height());
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, SetupDialogFontTest, ::testing::Values(0, 9, 10, 11, 12, 14), [](const auto& info) {
    return info.param == 0 ? std::string("ownFont") : "desktop" + std::to_string(info.param) + "pt";
});

TEST_F(SetupDialogTest, okStoresEveryChoiceAndAppliesThemToTheOpenLine)
{
    port.Open();
    RunDialog({{"BaudRate", "57600"}, {"DataBits", "7"}, {"StopBits", "1.5"}, {"Parity", "Mark"},
                  {"FlowControl", "Hardware"}},
        "OK");
    EXPECT_EQ(port.Port(), pty.SlavePath());
    EXPECT_EQ(port.BaudRate(), serial::br57600);
    EXPECT_EQ(port.DataBits(), serial::dbSeven);
    EXPECT_EQ(port.StopBits(), serial::sbOne5StopBits);
    EXPECT_EQ(port.Parity().Bits(), serial::prMark);
    EXPECT_EQ(port.FlowControl().GetFlowControl(), serial::fcHardware);
    const auto line = ReadLineState(pty.Slave());
    EXPECT_EQ(line.speed, 57600u);
    EXPECT_TRUE(line.twoStopBits);
    EXPECT_TRUE(line.parityStick && line.parityOdd);
    EXPECT_TRUE(line.rtsCts);
}

TEST_F(SetupDialogTest, cancelChangesNothing)
{
    port.Open();
    RunDialog({{"Port", "/dev/ttyQEM2"}, {"BaudRate", "57600"}, {"Parity", "Odd"}}, "Cancel");
    EXPECT_EQ(port.Port(), pty.SlavePath());
    EXPECT_EQ(port.BaudRate(), serial::br9600);
    EXPECT_EQ(port.Parity().Bits(), serial::prNone);
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 9600u);
}

TEST_F(SetupDialogTest, okWithoutChoosingKeepsAPortNameTheSystemDoesNotList)
{
    port.SetPort("/dev/qem-unplugged");
    RunDialog({}, "OK");
    EXPECT_EQ(port.Port(), "/dev/qem-unplugged");
}

TEST_F(SetupDialogTest, choosingAListedPortStoresIt)
{
    RunDialog({{"Port", "/dev/ttyQEM2"}}, "OK");
    EXPECT_EQ(port.Port(), "/dev/ttyQEM2");
}

TEST_F(SetupDialogTest, customBaudRateKeepsTheCustomRate)
{
    port.SetCustomBaudRate(31250);
    RunDialog({{"BaudRate", "Custom"}}, "OK");
    EXPECT_EQ(port.BaudRate(), serial::brCustom);
    EXPECT_EQ(port.CustomBaudRate(), 31250);
}

TEST_F(SetupDialogTest, failedStoringStillClosesTheUpdateBracket)
{
    port.Open();
    try {
        RunDialog({{"Port", "/dev/ttyQEM1"}, {"BaudRate", "1200"}}, "OK");
        FAIL() << "reopening under a missing name succeeded";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 1);
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Port(), "/dev/ttyQEM1") << "stored before the failure";
    EXPECT_EQ(port.BaudRate(), serial::br9600) << "never reached";

    // With the bracket closed, settings reach the line at once again.
    port.SetPort(pty.SlavePath());
    port.Open();
    port.SetBaudRate(serial::br4800);
    EXPECT_EQ(ReadLineState(pty.Slave()).speed, 4800u);
}

TEST_F(SetupDialogTest, portListSaysWhatEachPortIsAndKeepsAnUnpluggedCurrentOne)
{
    const FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB0", "ftdi_sio", true,
        {{"manufacturer", "FTDI"}, {"product", "FT232R USB UART"}, {"serial", "A50285BI"}, {"idVendor", "0403"},
            {"idProduct", "6001"}});
    sysfs.AddStableName("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");
    sysfs.AddTty("ttyS0", "serial8250", "4");
    const QString dev = QString::fromStdString(sysfs.DevDir());
    const std::string unplugged = sysfs.DevDir() + "/ttyUSB1";
    port.SetPort(unplugged);

    // A running virtual device is listed; one whose process is gone is not.
    const serial::VirtualPortRegistration running(sysfs.Root() + "/relay-port", "virtual relay device on /dev/pts/9");
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    std::ofstream(sysfs.VirtualPortDir() + "/" + std::to_string(gone)) << "/home/gone/relay-port\nvirtual\n";

    RunDialog({}, "OK", [&](QDialog& dialog) {
        const QString byId = dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        EXPECT_EQ(Entries(dialog, "Port"),
            QStringList({dev + "/ttyUSB1 \u2014 not present", dev + "/ttyS0 \u2014 built-in serial port",
                dev + "/ttyUSB0 \u2014 FTDI FT232R USB UART", byId + " \u2014 FTDI FT232R USB UART",
                QString::fromStdString(sysfs.Root()) + "/relay-port \u2014 virtual relay device on /dev/pts/9"}));
        auto* box = dialog.findChild<QComboBox*>("Port");
        EXPECT_EQ(box->currentIndex(), 0);
        // Arrow keys move through the list and back to the current port.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentIndex(), 1);
        QTest::keyClick(box, Qt::Key_Up);
        EXPECT_EQ(box->currentIndex(), 0);
        EXPECT_EQ(box->itemData(2, Qt::ToolTipRole).toString(),
            dev + "/ttyUSB0\n" + dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n"
                + "serial number A50285BI\nUSB id 0403:6001");
    });
    EXPECT_EQ(port.Port(), unplugged) << "\"OK\" keeps the path as it was chosen";

    // Plugged in again: the next opening lists it once, described and selected.
    sysfs.AddUsbTty("ttyUSB1", "cp210x", true,
        {{"manufacturer", "Silicon Labs"}, {"product", "CP2102"}, {"idVendor", "10c4"}, {"idProduct", "ea60"}});
    RunDialog({}, "Cancel", [&](QDialog& dialog) {
        const auto* box = dialog.findChild<QComboBox*>("Port");
        EXPECT_EQ(box->count(), 5);
        EXPECT_EQ(box->currentText(), dev + "/ttyUSB1 \u2014 Silicon Labs CP2102");
    });
}

TEST_F(SetupDialogTest, unreadablePortListFailsBeforeTheDialogShows)
{
    serial::SetComPortListRoots(root_ + "/missing", "/dev");
    try {
        port.ShowSetupDialog();
        FAIL() << "no error";
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), 23);
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
