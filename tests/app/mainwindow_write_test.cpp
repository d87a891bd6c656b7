// "Write To Device" through the real window, worker and serial component
// against the virtual device: what went over the line, what the device
// stored, and the window's state and messages.

#include "tests/app/deviceflowfixture.h"

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <map>

namespace {

const std::string Hellos = "\x55\x55\x7E";

// A phone book with numbers in several slots.
std::string SeveralNumbers()
{
    return BookBytes({{0, "111"}, {7, "+37060000000"}, {250, "5"}, {499, "123456789012345"}}, 3000, true);
}

// Records the gauge's values and when the status area leaves, with the
// number of frames acknowledged at that moment, and when each status text
// was first painted.
class GaugeWatch : public QObject {
public:
    explicit GaugeWatch(app::MainWindow& form)
        : form_(form)
    {
        connect(Gauge(form), &QProgressBar::valueChanged, this,
            [this](int value) { changes.emplace_back(value, form_.Operations().FramesAcknowledged()); });
        Gauge(form)->installEventFilter(this);
        StatusText(form)->installEventFilter(this);
    }

    std::vector<std::pair<int, std::uint32_t>> changes; // value, frames acknowledged
    std::vector<std::pair<int, std::uint32_t>> hidden;  // the same, when the gauge left
    std::map<QString, std::chrono::steady_clock::time_point> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == Gauge(form_) && event->type() == QEvent::Hide)
            hidden.emplace_back(Gauge(form_)->value(), form_.Operations().FramesAcknowledged());
        if (watched == StatusText(form_) && event->type() == QEvent::Paint)
            painted.try_emplace(StatusText(form_)->text(), std::chrono::steady_clock::now());
        return false;
    }

private:
    app::MainWindow& form_;
};

TEST_F(DeviceFlowTest, writeStoresTheSavedPhoneBookInTheDevice)
{
    StartWithDevice(SeveralNumbers());
    ASSERT_NE(form->Operations().Worker(), nullptr);
    // An edit in the window reaches the device: the click saves first.
    PhoneList(*form)->SetValue(3, "555");
    GaugeWatch gauge(*form);

    WriteToDeviceButton(*form)->click();
    EXPECT_EQ(WriteToDeviceButton(*form)->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(WriteToDeviceButton(*form)->isEnabled());
    EXPECT_FALSE(LoadFromDeviceButton(*form)->isEnabled());
    EXPECT_FALSE(PhoneList(*form)->isEnabled());
    EXPECT_TRUE(RelayTimeoutField(*form)->isEnabled());
    EXPECT_TRUE(ExternalOffBox(*form)->isEnabled());
    EXPECT_EQ(StatusText(*form)->text(), QStringLiteral("Connecting to device..."));
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_TRUE(Device().WaitUntil([](const relaysim::Status& s) { return s.imagesStored == 1; }, 5s));

    const std::string file = ReadBytes(Book());
    ASSERT_EQ(file.size(), 7507u);
    EXPECT_EQ(phonebook::DecodePhoneBook(file).numbers[3], "555");
    EXPECT_TRUE(SameBytes(Device().StoredImage(), file));
    // 3 single-byte messages and 470 frames; the last frame repeats image
    // bytes 7491-7503 after the image's last 3 bytes.
    const std::string expected = Hellos + file.substr(0, 7504) + file.substr(7504, 3) + file.substr(7491, 13);
    ASSERT_EQ(expected.size(), 7523u);
    EXPECT_TRUE(SameBytes(Device().Transcript(), expected));
    EXPECT_EQ(form->Operations().FramesQueued(), 470u);
    ExpectIdleAfterOperation();
    EXPECT_TRUE(watch.Titles().isEmpty());

    // The gauge: 50 while preparing, 100 after frame 1, 0 after frame 2,
    // and the status area leaves with frame 465 at 99.
    ASSERT_GE(gauge.changes.size(), 3u);
    EXPECT_EQ(gauge.changes[0], std::make_pair(50, 0u));
    EXPECT_EQ(gauge.changes[1], std::make_pair(100, 1u));
    EXPECT_EQ(gauge.changes[2], std::make_pair(0, 2u));
    const std::vector<std::pair<int, std::uint32_t>> hiddenByFrame465 = {{99, 465u}};
    EXPECT_EQ(gauge.hidden, hiddenByFrame465) << "hidden once, at 99 %, by frame 465 (463 of 470 shown)";
    // The preparation is on screen for the whole pause, not only after it.
    // "Prepearing" and "uncomplete" are the device's established texts,
    // spelled as operators know them, kept on purpose.
    const QString preparing = QStringLiteral("Prepearing to write data to device...");
    const QString writing = QStringLiteral("Writing data to device...");
    ASSERT_TRUE(gauge.painted.count(preparing) && gauge.painted.count(writing));
    EXPECT_GE(gauge.painted[writing] - gauge.painted[preparing], std::chrono::milliseconds(2000));
}

TEST_F(DeviceFlowTest, cancelStopsAfterTheFrameInFlightWithoutMessage)
{
    StartWithDevice(SeveralNumbers());
    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitFor([&] { return Device().GetStatus().framesReceived >= 50; }, 20s));

    const std::uint32_t acknowledged = form->Operations().FramesAcknowledged();
    RelayTimeoutField(*form)->setText(QStringLiteral("1234"));
    WriteToDeviceButton(*form)->click();
    // Back at once, with nothing to confirm.
    ExpectIdleAfterOperation();
    EXPECT_TRUE(watch.Titles().isEmpty());
    // The cancelling click saved the phone book again.
    EXPECT_EQ(phonebook::DecodePhoneBook(ReadBytes(Book())).relayTimeout, 1234);

    ASSERT_TRUE(WaitFor([&] { return form->Operations().Worker()->QueuedCount() == 0; }, 15s));
    // Frames 1 .. acknowledged were handled; at most the one after them
    // was on its way when the click came.
    const int frames = Device().GetStatus().framesReceived;
    EXPECT_GE(frames, static_cast<int>(acknowledged));
    EXPECT_LE(frames, static_cast<int>(acknowledged) + 1);
    EXPECT_EQ(Device().Transcript().size(), Hellos.size() + 16u * static_cast<std::size_t>(frames));
    EXPECT_EQ(form->Operations().FramesAcknowledged(), acknowledged) << "a handler of the cancelled write ran";
    EXPECT_EQ(Device().GetStatus().imagesStored, 0);
    ExpectIdleAfterOperation();
    EXPECT_TRUE(watch.Titles().isEmpty());
}

// Files refuse to grow beyond `bytes` while it lives, as on a full disk: the
// save that starts every write fails and leaves the current file as it was.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t previousHandler_;
};

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 256);
    return bytes;
}

TEST_F(DeviceFlowTest, fileOf6999BytesIsRefusedAsUncomplete)
{
    StartWithDevice(Pattern(6999));
    ExpectErrorWindow();
    {
        const FileSizeLimit full(7000);
        WriteToDeviceButton(*form)->click();
    }
    ASSERT_EQ(ReadBytes(Book()).size(), 6999u) << "the save was to fail";
    // "uncomplete" is the device's established text, spelled so on purpose.
    EXPECT_EQ(errors,
        std::vector<std::string>{
            "The file You are trying to load to device ( " + Book() + " ) is empty or uncomplete!"});
    ExpectIdleWindow();
    EXPECT_EQ(Device().Transcript(), "");
}

TEST_F(DeviceFlowTest, fileOf7000BytesIsSentAs438Frames)
{
    const std::string file = Pattern(7000);
    StartWithDevice(file);
    {
        const FileSizeLimit full(7000);
        WriteToDeviceButton(*form)->click();
        ASSERT_TRUE(WaitUntilIdle());
    }
    ASSERT_EQ(ReadBytes(Book()), file) << "the save was to fail";
    // 437 full frames; the last holds 8 file bytes and 8 of the frame before.
    const std::string expected = Hellos + file.substr(0, 6992) + file.substr(6992, 8) + file.substr(6984, 8);
    EXPECT_TRUE(SameBytes(Device().Transcript(), expected));
    EXPECT_EQ(form->Operations().FramesQueued(), 438u);
    // The device waits for more frames; the closing wait ends the write.
    EXPECT_TRUE(watch.Titles().isEmpty()) << watch.Titles().join(' ').toStdString();
    ExpectIdleAfterOperation();
}

TEST_F(DeviceFlowTest, fileGoneWhenTheDeviceAnswersPostsOnlyTheClosingWait)
{
    StartWithDevice(SeveralNumbers());
    // Runs inside the click's processing of pending messages: after the save
    // and the size check, before the device answers the first hello.
    QTimer::singleShot(0, [this] { std::filesystem::remove(Book()); });

    WriteToDeviceButton(*form)->click();
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_EQ(Device().Transcript(), "\x55");
    EXPECT_TRUE(watch.Titles().isEmpty());
    EXPECT_EQ(WriteToDeviceButton(*form)->text(), QStringLiteral("Write To Device"));
    // The status area is left as the handler set it.
    EXPECT_TRUE(StatusText(*form)->isVisibleTo(form.get()));
    // "Prepearing" is the device's established text, spelled so on purpose.
    EXPECT_EQ(StatusText(*form)->text(), QStringLiteral("Prepearing to write data to device..."));
    EXPECT_EQ(Gauge(*form)->value(), 50);
}

} // namespace
