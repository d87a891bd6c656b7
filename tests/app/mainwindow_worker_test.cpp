// The window's device worker: built at the end of start-up, missing when
// the port list cannot be read, destroyed on close without a handler call
// and without deadlock, also when the close comes from inside a handler.

#include "tests/app/deviceflowfixture.h"

namespace {

TEST_F(DeviceFlowTest, unreadablePortListLeavesTheWindowIdleWithoutWorker)
{
    PrepareSettings("COM1", BookBytes({{2, "222"}}, 40, true));
    FakePortList::MakeUnreadable();
    ExpectErrorWindow();

    Start();

    EXPECT_EQ(watch.Titles(), QStringList{QStringLiteral("ERROR")});
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to connect to the device."});
    EXPECT_EQ(form->Operations().Worker(), nullptr);
    ExpectIdleAfterOperation();
    EXPECT_EQ(PhoneList(*form)->Value(2), "222");
    EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("40"));
}

TEST_F(DeviceFlowTest, configuredPortThatDoesNotExistStillGetsAWorker)
{
    PrepareSettings(dir / "no-such-port", BookBytes({}));
    Start();
    EXPECT_TRUE(watch.Titles().isEmpty());
    ASSERT_NE(form->Operations().Worker(), nullptr);
    EXPECT_FALSE(form->Operations().Worker()->Engine().IsPortOpen());
    EXPECT_EQ(form->Operations().Worker()->GetPortSettings().Port, dir / "no-such-port");
}

TEST_F(DeviceFlowTest, closingWithARequestInFlightCallsNoHandler)
{
    relaysim::Options options;
    options.faults.silentHello = 1;
    StartWithDevice(BookBytes({}), options);
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitFor([&] { return Device().Transcript() == "\x55"; }, 5s));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(form->close());
    // Well before the hello's 10 s time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(form->Operations().Worker(), nullptr);
    EXPECT_TRUE(watch.Titles().isEmpty()) << "a handler ran";
    // No handler is left to run later: the worker is gone.
    EXPECT_EQ(WriteToDeviceButton(*form)->text(), QStringLiteral("Cancel"));
}

TEST_F(DeviceFlowTest, closeFromInsideTheFirstHandlerWaitsUntilItReturns)
{
    StartWithDevice(BookBytes({}));
    form->show();
    // Polled from the handler's own processing of pending messages, after
    // its 2 s pause: the close arrives while the worker waits for it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // "Prepearing" is the device's established text, spelled so on purpose.
        if (StatusText(*form)->text() == QStringLiteral("Prepearing to write data to device...")) {
            poll.stop();
            EXPECT_FALSE(form->close()) << "closed under a running handler";
        }
    });
    poll.start(5);

    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitFor([&] { return !form->isVisible(); }, 15s));

    EXPECT_EQ(form->Operations().Worker(), nullptr);
    // The close cancelled what the handler posted: the second hello never
    // went out.
    EXPECT_EQ(Device().Transcript(), "\x55");
    EXPECT_TRUE(watch.Titles().isEmpty());
}

} // namespace
