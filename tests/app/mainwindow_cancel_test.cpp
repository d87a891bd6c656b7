// What an operator does next after "Cancel": clicks that come at once, and
// clicks that waited in the display's queue while the window was frozen in
// the 2 s preparation pause (delivered by the write handler's first
// processing of pending messages). After the cancel nothing of the cancelled
// write may reach the line, no handler of it may run, and the next click
// must do exactly what it says.

#include "tests/app/deviceflowfixture.h"

#include "dialogs/portsetupdialog.h"

namespace {

// The line's bytes of a whole write of a 7507-byte file: hello, hello,
// write start, 470 frames (the last one ends with image bytes 7491-7503).
std::string WholeWrite(const std::string& file)
{
    return std::string("\x55\x55\x7E") + file.substr(0, 7504) + file.substr(7504, 3) + file.substr(7491, 13);
}

enum class Moment { AfterUnansweredFrame, InThePreparationPause };
enum class Next { Write, Load, ConfigurePort };

struct CancelCase {
    const char* name;
    Moment moment;
    Next next;
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << c.name;
}

class CancelThenClick : public DeviceFlowTest, public ::testing::WithParamInterface<CancelCase> {
protected:
    static void SetUpTestSuite()
    {
        DeviceFlowTest::SetUpTestSuite();
        dialogs::InstallPortSetupDialog();
    }

    QPushButton* ButtonFor(Next next) const
    {
        switch (next) {
        case Next::Write:
            return WriteToDeviceButton(*form);
        case Next::Load:
            return LoadFromDeviceButton(*form);
        case Next::ConfigurePort:
            return ConfigurePortButton(*form);
        }
        return nullptr;
    }
};

TEST_P(CancelThenClick, nothingOfTheCancelledWriteFollows)
{
    const CancelCase& c = GetParam();
    relaysim::Options options;
    if (c.moment == Moment::AfterUnansweredFrame)
        options.faults.stopAckingAfterFrame = 10;
    const std::string book = BookBytes({{0, "111"}, {42, "+3706"}}, 3000, true);
    relaysim::Device& device = StartDevice(options);
    device.SetImage(BookBytes({{3, "999"}}, 777, false));
    const FakePortList ports({device.SlavePath()});
    PrepareSettings(device.SlavePath(), book);
    Start();
    if (c.next == Next::ConfigurePort)
        watch.Then([](QWidget& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("Cancel"))->click(); });

    std::size_t mark = 0;
    bool clicked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // "Prepearing" is the device's established text, spelled so on purpose.
        const bool now = c.moment == Moment::InThePreparationPause
            ? StatusText(*form)->text() == QStringLiteral("Prepearing to write data to device...")
            : device.GetStatus().framesReceived >= 11;
        if (!now)
            return;
        poll.stop();
        clicked = true;
        device.SetFaults({});
        mark = device.Transcript().size();
        WriteToDeviceButton(*form)->click(); // "Cancel"
        ButtonFor(c.next)->click();
    });
    poll.start(2);

    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitFor([&] { return clicked; }, 20s));
    std::string expected;
    switch (c.next) {
    case Next::Write:
        expected = WholeWrite(ReadBytes(Book()));
        break;
    case Next::Load:
        expected = "\x55\x77";
        break;
    case Next::ConfigurePort:
        break;
    }
    const auto settled = [&] {
        return Idle() && !form->Operations().ReadRunning() && form->Operations().Worker() != nullptr
            && form->Operations().Worker()->QueuedCount() == 0
            && device.Transcript().size() >= mark + expected.size()
            // The old worker's port stays open after the write; a new one's
            // is opened by the next operation only.
            && (c.next != Next::ConfigurePort || !form->Operations().Worker()->Engine().IsPortOpen());
    };
    ASSERT_TRUE(WaitFor(settled, 30s));

    EXPECT_TRUE(SameBytes(device.Transcript().substr(mark), expected));
    EXPECT_EQ(device.GetStatus().imagesStored, c.next == Next::Write ? 1 : 0);
    if (c.next == Next::Write) {
        EXPECT_TRUE(SameBytes(device.StoredImage(), ReadBytes(Book())));
    } else if (c.next == Next::Load) {
        EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("777"));
    }
    ExpectIdleAfterOperation();
    const QStringList dialogs = c.next == Next::ConfigurePort ? QStringList{QStringLiteral("Setup")} : QStringList{};
    EXPECT_EQ(watch.Titles(), dialogs) << "an error window appeared";
}

INSTANTIATE_TEST_SUITE_P(Table, CancelThenClick,
    ::testing::Values(CancelCase{"writeAgainAtOnceAfterAnUnansweredFrame", Moment::AfterUnansweredFrame, Next::Write},
        CancelCase{"writeAgainInThePause", Moment::InThePreparationPause, Next::Write},
        CancelCase{"loadFromDeviceInThePause", Moment::InThePreparationPause, Next::Load},
        CancelCase{"configurePortInThePause", Moment::InThePreparationPause, Next::ConfigurePort}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
