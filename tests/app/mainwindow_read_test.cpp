// "Load From Device" through the real window, worker and serial component
// against the virtual device: what the window shows afterwards, what went
// over the line, and that nothing is saved.

#include "dialogs/messagewindow.h"
#include "tests/app/deviceflowfixture.h"
#include "tests/support/fakesysfs.h"
#include "tests/support/refuseduser.h"

#include <QLabel>

#include <filesystem>
#include <map>

namespace {

std::map<std::string, std::string> Snapshot(const TempDir& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        files[entry.path().filename().string()] = ReadBytes(entry.path().string());
    return files;
}

// 500 slots, these numbers in them, the rest empty.
std::vector<std::string> Slots(std::initializer_list<std::pair<int, const char*>> numbers)
{
    std::vector<std::string> rows(500);
    for (const auto& [slot, number] : numbers)
        rows[slot] = number;
    return rows;
}

// Compares the rows with the numbers, naming the first slot that differs.
::testing::AssertionResult RowsAre(const app::MainWindow& form, const std::vector<std::string>& numbers)
{
    const std::vector<std::string> rows = PhoneList(form)->Values();
    for (std::size_t slot = 0; slot < rows.size() || slot < numbers.size(); ++slot) {
        const std::string row = slot < rows.size() ? rows[slot] : "(none)";
        const std::string number = slot < numbers.size() ? numbers[slot] : "(none)";
        if (row != number)
            return ::testing::AssertionFailure()
                << "row " << slot << " shows \"" << row << "\" instead of \"" << number << "\"";
    }
    return ::testing::AssertionSuccess();
}

// What the window shows before a read: different from every device image below.
void FillWindow(app::MainWindow& form)
{
    for (int slot = 0; slot < 500; ++slot)
        PhoneList(form)->SetValue(slot, "9" + std::to_string(slot));
    RelayTimeoutField(form)->setText(QStringLiteral("77"));
    ExternalOffBox(form)->setChecked(false);
}

class ReadTest : public DeviceFlowTest {
protected:
    void StartWithImage(const std::string& image, relaysim::Options options = {})
    {
        StartWithDevice("", std::move(options));
        Device().SetImage(image);
        FillWindow(*form);
    }
};

TEST_F(ReadTest, readShowsTheDeviceNumbersBySlotAndSavesNothing)
{
    // A lone digit is shown too (a phone book file would not keep it).
    const std::string image = BookBytes({{0, "111"}, {3, "+123"}, {42, "5"}, {499, "123456789012345"}}, 500, true);
    StartWithImage(image);
    const auto before = Snapshot(dir);

    LoadFromDeviceButton(*form)->click();
    EXPECT_TRUE(form->Operations().ReadRunning());
    EXPECT_TRUE(GaugeTimer(*form)->isActive());
    EXPECT_EQ(StatusText(*form)->text(), QStringLiteral("Reading data from device..."));
    for (QWidget* control : {static_cast<QWidget*>(LoadFromFileButton(*form)),
             static_cast<QWidget*>(SaveToFileButton(*form)), static_cast<QWidget*>(LoadFromDeviceButton(*form)),
             static_cast<QWidget*>(WriteToDeviceButton(*form)), static_cast<QWidget*>(ClearAllButton(*form)),
             static_cast<QWidget*>(ConfigurePortButton(*form)), static_cast<QWidget*>(PhoneList(*form))})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_TRUE(RowsAre(*form, Slots({{0, "111"}, {3, "+123"}, {42, "5"}, {499, "123456789012345"}})));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("500"));
    EXPECT_TRUE(ExternalOffBox(*form)->isChecked());
    EXPECT_FALSE(form->Operations().ReadRunning());
    EXPECT_FALSE(GaugeTimer(*form)->isActive());
    ExpectIdleAfterOperation();
    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_EQ(Device().Transcript(), "\x55\x77");
    EXPECT_EQ(Snapshot(dir), before);
}

TEST_F(ReadTest, undoAfterAReadGivesBackTheListTimeOutAndSwitch)
{
    StartWithImage(BookBytes({{0, "111"}}, 500, true));
    const std::vector<std::string> shown = PhoneList(*form)->Values();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_TRUE(RowsAre(*form, Slots({{0, "111"}})));

    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);

    EXPECT_TRUE(RowsAre(*form, shown));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("77"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
}

TEST_F(ReadTest, slowAdapterIsNoticedOnceAsInformationAndTheReadGoesOn)
{
    StartWithImage(BookBytes({{0, "111"}}, 500, true));
    // The device's line as a tty whose adapter holds bytes 16 ms.
    FakeSysfs sysfs;
    sysfs.SetLatencyTimer(std::filesystem::path(Device().SlavePath()).filename(), "16\n");
    std::string notice;
    watch.Then([&](QWidget& window) {
        if (auto* message = dynamic_cast<dialogs::MessageWindow*>(&window))
            notice = message->Message->text().toStdString();
        window.close();
    });

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("Info")});
    EXPECT_NE(notice.find("ATTR{latency_timer}=\"1\""), std::string::npos) << notice;
    EXPECT_TRUE(RowsAre(*form, Slots({{0, "111"}})));

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(watch.Titles().size(), 1) << "told twice";
}

TEST_F(ReadTest, dumpPausedInTheMiddleIsCutAtThePause)
{
    // Slot 199 ends at dump byte 2999; the cut reply's last five bytes are
    // its characters "12345".
    const std::string image = BookBytes({{0, "111"}, {199, "123456789012345"}, {200, "222"}}, 500, true);
    relaysim::Options options;
    options.faults.dumpPause = relaysim::DumpPause{3000, 600ms};
    StartWithImage(image, options);

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());

    std::vector<std::string> expected = Slots({{0, "111"}, {199, "123456789012345"}});
    for (int slot = 200; slot < 500; ++slot)
        expected[slot] = "9" + std::to_string(slot); // beyond the reply: kept
    EXPECT_TRUE(RowsAre(*form, expected));
    // Time-out from the bytes '1' and '2' (0x3231), flag byte '3' is not 1.
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("12849"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
    EXPECT_TRUE(watch.Titles().isEmpty());
    ExpectIdleAfterOperation();
}

TEST_F(ReadTest, timeOutAboveSignedRangeAndFlagOtherThanOneAreShownAsRead)
{
    // Time-out bytes 0x40 0x9C, flag byte 2.
    std::string dump(7505, '\0');
    dump[7500] = '\x40';
    dump[7501] = '\x9C';
    dump[7502] = '\x02';
    dump.replace(15 * 3, 6, "12A45\x01");
    relaysim::Options options;
    options.faults.dumpContent = dump;
    StartWithImage(BookBytes({}), options);
    ExternalOffBox(*form)->setChecked(true);

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("40000"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
    EXPECT_EQ(PhoneList(*form)->Value(3), "12");
    EXPECT_EQ(PhoneList(*form)->Value(4), "");
}

struct ReadFailure {
    const char* name;
    std::optional<std::string> dumpContent;
    const char* message;
};

class ReadFailureTest : public ReadTest, public ::testing::WithParamInterface<ReadFailure> {};

TEST_P(ReadFailureTest, failedReadShowsItsMessageAndClearsTheWindow)
{
    relaysim::Options options;
    options.faults.dumpContent = GetParam().dumpContent;
    StartWithImage(BookBytes({{0, "111"}}, 500, true), options);
    ExpectErrorWindow();

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_EQ(errors, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")});
    ExpectIdleAfterOperation();
    EXPECT_FALSE(form->Operations().ReadRunning());
    EXPECT_FALSE(GaugeTimer(*form)->isActive());
    EXPECT_EQ(PhoneList(*form)->Values(), std::vector<std::string>(500));
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
    EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadFailureTest,
    ::testing::Values(
        // Nothing within 1.5 s of the read request.
        ReadFailure{"noDump", std::string(), "There was error while reading from device!"},
        // Too short to hold the relay settings: not a dump.
        ReadFailure{
            "dumpUnderFiveBytes", std::string("\x31\x32\x01\x00", 4), "There was error while reading from device!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadTest, refusedPortSaysWhyAndHowToFixIt)
{
    relaysim::Device& device = StartDevice();
    PrepareSettings(device.SlavePath(), "");
    Start();
    ExpectErrorWindow();
    {
        const RefusedUser refused(device.SlavePath());
        ASSERT_TRUE(refused.Refused());
        LoadFromDeviceButton(*form)->click();
    }

    ASSERT_EQ(errors.size(), 1u);
    const std::string message = errors[0];
    const auto lineBreak = message.find('\n');
    ASSERT_NE(lineBreak, std::string::npos) << message;
    EXPECT_EQ(message.substr(0, lineBreak), "Unable to start reading process! Please check connection to the device.");
    EXPECT_EQ(message.substr(lineBreak + 1).rfind(device.SlavePath() + ": Permission denied. Join group \"", 0), 0u)
        << message;
    ExpectIdleAfterOperation();
    EXPECT_EQ(Device().Transcript(), "");

    // Access given (the operator joined the group): the read goes through.
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(Device().Transcript(), "\x55\x77");
}

} // namespace
