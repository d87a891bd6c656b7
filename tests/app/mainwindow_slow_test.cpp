// Device flows that end on the protocol's long time-outs (5 and 10 s) or
// the read watchdog's 40 s. Each case is its own ctest entry, so they run
// in parallel; all carry the label "slow".

#include "tests/app/deviceflowfixture.h"
#include "tests/app/faultmatrix.h"

namespace {

const std::string Hellos = "\x55\x55\x7E";

struct WriteFailure {
    const char* name;
    relaysim::Faults faults;
    const char* message;
    int framesSent;        // data frames that went out
    std::string handshake; // the single-byte messages that went out
};

relaysim::Faults SilentHello(int n)
{
    relaysim::Faults faults;
    faults.silentHello = n;
    return faults;
}

relaysim::Faults SilentAfterFrame(int k)
{
    relaysim::Faults faults;
    faults.stopAckingAfterFrame = k;
    return faults;
}

class WriteFailureTest : public DeviceFlowTest, public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(WriteFailureTest, unansweredStepEndsTheWriteWithItsMessage)
{
    relaysim::Options options;
    options.faults = GetParam().faults;
    const std::string book = BookBytes({{0, "111"}, {9, "999"}});
    StartWithDevice(book, options);
    ExpectErrorWindow();

    const auto start = std::chrono::steady_clock::now();
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle(60s));

    EXPECT_GE(std::chrono::steady_clock::now() - start, 10s) << "the step's 10 s time-out";
    EXPECT_EQ(errors, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")});
    ExpectIdleAfterOperation();
    ASSERT_TRUE(WaitFor([&] { return form->Operations().Worker()->QueuedCount() == 0; }, 5s))
        << "the rest was not discarded";
    const std::size_t frameBytes = 16u * static_cast<std::size_t>(GetParam().framesSent);
    EXPECT_TRUE(SameBytes(Device().Transcript(), GetParam().handshake + book.substr(0, frameBytes)));
    EXPECT_EQ(Device().GetStatus().imagesStored, 0);

    // Once the device answers again, the next write goes through.
    Device().SetFaults({});
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle(30s));
    EXPECT_TRUE(Device().WaitUntil([](const relaysim::Status& s) { return s.imagesStored == 1; }, 5s));
    EXPECT_TRUE(SameBytes(Device().StoredImage(), book));
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")}) << "a second message";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, WriteFailureTest,
    ::testing::Values(
        WriteFailure{"firstHello", SilentHello(1), "Unable to connect to the device!", 0, "\x55"},
        WriteFailure{"secondHello", SilentHello(2),
            "Unable to start writing process! Please check connection to the device.", 0, "\x55\x55"},
        WriteFailure{"firstFrame", SilentAfterFrame(0), "There was error while connecting to the device!", 1, Hellos},
        // Frames 101 to 470 are never sent.
        WriteFailure{"silentAfterFrame100", SilentAfterFrame(100), "There was error while writing to device!", 101,
            Hellos}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

void FillWindow(app::MainWindow& form)
{
    for (int slot = 0; slot < 500; ++slot)
        PhoneList(form)->SetValue(slot, "9" + std::to_string(slot));
    RelayTimeoutField(form)->setText(QStringLiteral("77"));
    ExternalOffBox(form)->setChecked(true);
}

void ExpectWindowAsFilled(const app::MainWindow& form)
{
    for (int slot = 0; slot < 500; ++slot)
        ASSERT_EQ(PhoneList(form)->Value(slot), "9" + std::to_string(slot));
    EXPECT_EQ(RelayTimeoutField(form)->text(), QStringLiteral("77"));
    EXPECT_TRUE(ExternalOffBox(form)->isChecked());
}

TEST_F(DeviceFlowTest, unansweredReadHelloEndsTheReadAndKeepsTheWindow)
{
    relaysim::Options options;
    options.faults = SilentHello(1);
    StartWithDevice(BookBytes({}), options);
    FillWindow(*form);
    ExpectErrorWindow();

    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle(30s));

    EXPECT_EQ(errors,
        std::vector<std::string>{"Unable to start reading process! Please check connection to the device."});
    ExpectIdleAfterOperation();
    EXPECT_FALSE(form->Operations().ReadRunning());
    EXPECT_FALSE(GaugeTimer(*form)->isActive());
    ExpectWindowAsFilled(*form);
    ASSERT_TRUE(WaitFor([&] { return form->Operations().Worker()->QueuedCount() == 0; }, 5s));
    EXPECT_EQ(Device().Transcript(), "\x55") << "the read request was discarded";

    // Once the device answers again, the next read goes through.
    Device().SetImage(BookBytes({{4, "444"}}, 9, false));
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle(30s));
    EXPECT_EQ(PhoneList(*form)->Value(4), "444");
    EXPECT_EQ(PhoneList(*form)->Value(5), "");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("9"));
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")}) << "a second message";
}

TEST_F(DeviceFlowTest, watchdogGivesUpAfter40SecondsAndTheNextReadGoesOutAtOnce)
{
    // At 1500 bit/s the 7505-byte dump takes 50 s.
    relaysim::Options options;
    options.baud = 1500;
    StartWithDevice(BookBytes({}), options);
    Device().SetImage(BookBytes({{0, "111"}}, 500, false));
    FillWindow(*form);
    ExpectErrorWindow();

    const auto start = std::chrono::steady_clock::now();
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle(60s));

    EXPECT_GE(std::chrono::steady_clock::now() - start, 39s);
    EXPECT_EQ(errors, std::vector<std::string>{"There was failure while reading data from device!"});
    EXPECT_EQ(Gauge(*form)->value(), 100);
    EXPECT_FALSE(form->Operations().ReadRunning());
    EXPECT_FALSE(GaugeTimer(*form)->isActive());
    ExpectIdleAfterOperation();
    ExpectWindowAsFilled(*form);
    ASSERT_LT(Device().GetStatus().bytesSent, 7505u + 1u) << "the dump was still arriving";

    // The operator loads again at once, while the old dump is still on its
    // way: the reopen ends it, the new hello goes out, and a short dump is
    // taken as the device's.
    relaysim::Faults shortDump;
    shortDump.dumpContent = std::string(5, '\0');
    Device().SetFaults(shortDump);
    LoadFromDeviceButton(*form)->click();
    ASSERT_TRUE(WaitFor([&] { return Device().GetStatus().hellos == 2; }, 5s)) << "the new hello did not go out";
    ASSERT_TRUE(WaitUntilIdle(30s));
    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")}) << "a second message";
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
    EXPECT_FALSE(form->Operations().ReadRunning());
    EXPECT_EQ(form->Operations().Worker()->QueuedCount(), 0u);
}

} // namespace

namespace faultmatrix {
namespace {

relaysim::Options LateHello(std::chrono::milliseconds delay)
{
    relaysim::Options options;
    options.faults.lateHello = relaysim::LateAnswer{1, delay};
    return options;
}

relaysim::Options LateHundredthFrameAck(std::chrono::milliseconds delay)
{
    relaysim::Options options;
    options.faults.lateFrameAck = relaysim::LateAnswer{100, delay};
    return options;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SlowRows, FaultMatrixTest,
    ::testing::Values(
        // Unplugged in a write: the line is gone, and the write ends when the
        // frame's 10 s time-out runs out.
        FaultRow{"writeUnplugged", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.faults.hangUpAtFrame = 100; }), Disturbance::None, WriteBrokeOff,
            Aftermath::NotStored},
        // Answers 0.7 s either side of the write's 10 s and the read hello's 5 s.
        FaultRow{"writeHelloJustInTime", Operation::Write, LateHello(9300ms), Disturbance::None, std::nullopt,
            Aftermath::Stored},
        FaultRow{"writeHelloTooLate", Operation::Write, LateHello(10700ms), Disturbance::None, CannotConnect,
            Aftermath::NotStored},
        FaultRow{"frameAckJustInTime", Operation::Write, LateHundredthFrameAck(9300ms), Disturbance::None,
            std::nullopt, Aftermath::Stored},
        FaultRow{"frameAckTooLate", Operation::Write, LateHundredthFrameAck(10700ms), Disturbance::None,
            WriteBrokeOff, Aftermath::NotStored},
        FaultRow{"readHelloJustInTime", Operation::Read, LateHello(4300ms), Disturbance::None, std::nullopt,
            Aftermath::Shown},
        FaultRow{"readHelloTooLate", Operation::Read, LateHello(5700ms), Disturbance::None, CannotStartReading,
            Aftermath::Kept}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace faultmatrix
