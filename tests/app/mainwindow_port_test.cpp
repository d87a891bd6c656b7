// "Configure Port..." driven as an operator would: the setup dialog's
// lists chosen and "OK" or "Cancel" pressed; then the settings file's text,
// the new worker, and where the next write goes.

#include "tests/app/deviceflowfixture.h"

#include "dialogs/portsetupdialog.h"

#include <QComboBox>
#include <QDialog>

#include <sys/stat.h>

#include <filesystem>
#include <map>

namespace {

// List name → entry to choose.
using Choices = std::map<std::string, std::string>;

class PortConfigurationTest : public DeviceFlowTest {
protected:
    static void SetUpTestSuite()
    {
        DeviceFlowTest::SetUpTestSuite();
        dialogs::InstallPortSetupDialog();
    }

    // The next modal window is the setup dialog: the entries are chosen,
    // then before() runs and the button is pressed.
    void NextSetupDialog(Choices choices, const char* button, std::function<void()> before = {})
    {
        watch.Then([=, this](QWidget& window) {
            ASSERT_EQ(window.windowTitle(), QStringLiteral("Setup"));
            for (const auto& [list, entry] : choices) {
                auto* box = window.findChild<QComboBox*>(QString::fromStdString(list));
                ASSERT_NE(box, nullptr) << list;
                const int index = box->findText(QString::fromStdString(entry));
                ASSERT_GE(index, 0) << list << ": " << entry;
                box->setCurrentIndex(index);
            }
            if (before)
                before();
            window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }

    // A request the old worker holds (dispatching is off until an operation
    // begins): a new worker starts with an empty queue.
    void MarkWorker()
    {
        form->Operations().Worker()->PostRequest("\x55", engine::MatchRule{}, 1000, nullptr, nullptr, nullptr, 1);
    }
    bool IsMarkedWorker() const
    {
        return form->Operations().Worker() != nullptr && form->Operations().Worker()->QueuedCount() == 1;
    }

    std::string PortText(const std::string& port, const char* baudRate, const char* stopBits, const char* parity) const
    {
        return "[PortSettings]\ncurrent_file=" + Book() + "\nport=" + port + "\ndataBits=8\nstopBits=" + stopBits
            + "\nparity=" + parity + "\nflowControl=None\nbaudrate=" + baudRate + "\n";
    }
};

TEST_F(PortConfigurationTest, okStoresTheChosenSettingsAndReplacesTheWorker)
{
    StartWithDevice(BookBytes({}));
    MarkWorker();
    NextSetupDialog({{"BaudRate", "57600"}, {"StopBits", "1.5"}, {"Parity", "Even"}}, "OK");

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Setup")});
    EXPECT_EQ(ReadBytes(SettingsPath()), PortText(Device().SlavePath(), "57600", "25", "Even"));
    ASSERT_NE(form->Operations().Worker(), nullptr);
    EXPECT_FALSE(IsMarkedWorker());
    const serial::PortSettings settings = form->Operations().Worker()->GetPortSettings();
    EXPECT_EQ(settings.BaudRate, 57600u);
    EXPECT_EQ(settings.StopBits, serial::sbOne5StopBits);
    EXPECT_EQ(settings.Parity, serial::prEven);
    EXPECT_EQ(settings.Port, Device().SlavePath());
    EXPECT_FALSE(form->Operations().Worker()->Engine().IsPortOpen());
    ExpectIdleWindow();
}

TEST_F(PortConfigurationTest, cancelStillWritesTheSixKeysInTheirStoredForms)
{
    StartDevice();
    // Forms the program does not write: a hexadecimal rate, a lower-case
    // parity (which reads as the default).
    WriteBytes(SettingsPath(),
        "[PortSettings]\ncurrent_file=" + Book() + "\nport=" + Device().SlavePath()
            + "\nbaudrate=0x960\nparity=even\nextra=kept\n");
    WriteBytes(Book(), BookBytes({}));
    Start();
    MarkWorker();
    NextSetupDialog({{"Parity", "Odd"}}, "Cancel");

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(ReadBytes(SettingsPath()),
        "[PortSettings]\ncurrent_file=" + Book() + "\nport=" + Device().SlavePath()
            + "\nbaudrate=2400\nparity=None\nextra=kept\ndataBits=8\nstopBits=1\nflowControl=None\n");
    ASSERT_NE(form->Operations().Worker(), nullptr);
    EXPECT_FALSE(IsMarkedWorker());
    EXPECT_EQ(form->Operations().Worker()->GetPortSettings().Parity, serial::prNone);
}

TEST_F(PortConfigurationTest, customStoresTheRateTheWorkerWasBuiltWith)
{
    StartDevice();
    WriteBytes(SettingsPath(), SettingsText(Device().SlavePath(), "0x7A12")); // 31250
    WriteBytes(Book(), BookBytes({}));
    Start();
    NextSetupDialog({{"BaudRate", "Custom"}}, "OK");

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(ReadBytes(SettingsPath()), PortText(Device().SlavePath(), "31250", "1", "None"));
    EXPECT_EQ(form->Operations().Worker()->GetPortSettings().BaudRate, 31250u);
}

TEST_F(PortConfigurationTest, nextWriteGoesToTheNewlyChosenPort)
{
    relaysim::Device& first = StartDevice();
    relaysim::Device& second = StartDevice();
    const FakePortList ports({first.SlavePath(), second.SlavePath()});
    PrepareSettings(first.SlavePath(), BookBytes({{5, "555"}}, 100, false));
    Start();
    NextSetupDialog({{"Port", second.SlavePath()}}, "OK");

    ConfigurePortButton(*form)->click();
    EXPECT_EQ(ReadBytes(SettingsPath()), PortText(second.SlavePath(), "115200", "1", "None"));
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_TRUE(watch.Titles() == QStringList{QStringLiteral("Setup")});
    EXPECT_EQ(first.Transcript(), "");
    EXPECT_EQ(second.Transcript().size(), 7523u);
    ASSERT_TRUE(second.WaitUntil([](const relaysim::Status& s) { return s.imagesStored == 1; }, 5s));
    EXPECT_TRUE(SameBytes(second.StoredImage(), ReadBytes(Book())));
}

TEST_F(PortConfigurationTest, missingSettingsFileIsCreatedWithOnlyThePortKeys)
{
    StartWithDevice(BookBytes({}));
    std::filesystem::remove(SettingsPath());
    NextSetupDialog({}, "Cancel");

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(ReadBytes(SettingsPath()),
        "[PortSettings]\nbaudrate=115200\nport=" + Device().SlavePath()
            + "\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\n");
}

TEST_F(PortConfigurationTest, portThatCannotReopenEndsTheFlowInsideTheDialog)
{
    relaysim::Device& device = StartDevice();
    const FakePortList ports({device.SlavePath(), "/dev/pts/qem-unplugged"});
    PrepareSettings(device.SlavePath(), BookBytes({}));
    Start();
    // A read leaves the port open.
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_TRUE(form->Operations().Worker()->Engine().IsPortOpen());
    const std::string settingsBefore = ReadBytes(SettingsPath());
    MarkWorker();
    NextSetupDialog({{"Port", "/dev/pts/qem-unplugged"}}, "OK");
    ExpectExceptionBox();

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(watch.Titles(), (QStringList{QStringLiteral("Setup"), QStringLiteral("QEM")}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(serial::ComErrorText(1), 0), 0u) << errors[0];
    EXPECT_EQ(ReadBytes(SettingsPath()), settingsBefore);
    EXPECT_TRUE(IsMarkedWorker());
    ExpectIdleWindow();
}

TEST_F(PortConfigurationTest, unwritableSettingsFileKeepsTheOldWorker)
{
    StartWithDevice(BookBytes({}));
    MarkWorker();
    // Something that is not a file stands where the settings file was.
    std::filesystem::remove(SettingsPath());
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0);
    NextSetupDialog({{"Parity", "Odd"}}, "OK");
    ExpectExceptionBox();

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(watch.Titles(), (QStringList{QStringLiteral("Setup"), QStringLiteral("QEM")}));
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + SettingsPath()});
    EXPECT_TRUE(IsMarkedWorker());
}

TEST_F(PortConfigurationTest, failedNewWorkerLeavesNoneAndTheButtonsRefuseUntilRecovered)
{
    StartWithDevice(BookBytes({}));
    // The dialog is built with the port list; the new worker then cannot
    // read it.
    NextSetupDialog({}, "OK", [] { FakePortList::MakeUnreadable(); });
    ExpectErrorWindow();

    ConfigurePortButton(*form)->click();

    EXPECT_EQ(errors, std::vector<std::string>{"Unable to open COM port!"});
    EXPECT_EQ(form->Operations().Worker(), nullptr);
    EXPECT_EQ(ReadBytes(SettingsPath()), PortText(Device().SlavePath(), "115200", "1", "None"));
    ExpectIdleWindow();

    // The device buttons refuse instead of touching the missing worker.
    ExpectErrorWindow();
    WriteToDeviceButton(*form)->click();
    ExpectErrorWindow();
    LoadFromDeviceButton(*form)->click();
    ASSERT_EQ(errors.size(), 3u);
    const std::string refusal = "The serial port is not available. Please choose the port with \"Configure Port...\".";
    EXPECT_EQ(errors[1], refusal);
    EXPECT_EQ(errors[2], refusal);
    ExpectIdleWindow();
    EXPECT_EQ(Device().Transcript(), "");

    // Still unreadable: "Configure Port..." cannot build a worker either.
    ExpectErrorWindow();
    ConfigurePortButton(*form)->click();
    EXPECT_EQ(errors.back(), "Unable to open COM port!");
    EXPECT_EQ(form->Operations().Worker(), nullptr);

    // Readable again: it builds one, shows the dialog on it and goes on.
    serial::SetComPortListRoots("/sys/class/tty", "/dev");
    NextSetupDialog({}, "Cancel");
    ConfigurePortButton(*form)->click();
    ASSERT_NE(form->Operations().Worker(), nullptr);
    EXPECT_EQ(watch.Titles().back(), QStringLiteral("Setup"));
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(Device().Transcript().size(), 7523u);
}

} // namespace
