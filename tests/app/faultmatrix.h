#pragma once
// A misbehaving device, line or port through the real window, one row per
// fault: the operation ends with the window idle and the flows' message (or
// none where they give none), and once the device is back the next
// operation works. The window reaches the device through a link that the
// test points at whichever virtual device is plugged in. The rows are
// instantiated where they belong: mainwindow_faults_test.cpp, and
// mainwindow_slow_test.cpp for those that wait for a long time-out.

#include "tests/app/deviceflowfixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace faultmatrix {

enum class Operation { Write, Read };

// What happens to the line while the operation runs.
enum class Disturbance {
    None,
    UnplugInDumpPause, // the device goes away in a pause inside the dump
    PortHeld,          // another program has the port open and locked
    PathGone,          // the port's name leads nowhere
};

// What the operation leaves behind.
enum class Aftermath {
    Stored,       // write: the device holds the file
    NotStored,    // write: the device still holds what it held
    Shown,        // read: the window shows the device's phone book
    SettingsOnly, // read: the relay settings, read from the dump's end, are right
    Kept,         // read: the window is as it was
    CutAt3000,    // read: the slots of the dump's first 3000 bytes, the relay settings from its last bytes
    Cleared,      // read: the window is emptied
};

struct FaultRow {
    const char* name;
    Operation operation;
    relaysim::Options device;
    Disturbance disturbance;
    std::optional<std::string> message;
    Aftermath outcome;
};

inline relaysim::Options WithFaults(void (*set)(relaysim::Options&))
{
    relaysim::Options options;
    set(options);
    return options;
}

inline const std::string CannotStartWriting = "Unable to start writing process! Please check connection to the device.";
inline const std::string CannotConnect = "Unable to connect to the device!";
inline const std::string WriteBrokeOff = "There was error while writing to device!";
inline const std::string ReadBrokeOff = "There was error while reading from device!";
inline const std::string CannotStartReading = "Unable to start reading process! Please check connection to the device.";

inline const std::string BookFile = BookBytes({{0, "111"}, {7, "+37060000000"}, {499, "123456789012345"}}, 3000, true);
inline const std::string Image = BookBytes({{1, "222"}, {200, "+4470000"}, {498, "987654321"}}, 40000, true);

class FaultMatrixTest : public DeviceFlowTest, public ::testing::WithParamInterface<FaultRow> {
protected:
    std::string PortSymlink() const { return dir / "port"; }

    // The device the window's port name leads to from now on.
    relaysim::Device& Plug(relaysim::Options options = {})
    {
        relaysim::Device& device = StartDevice(std::move(options));
        device.SetImage(Image);
        std::filesystem::remove(PortSymlink());
        std::filesystem::create_symlink(device.SlavePath(), PortSymlink());
        return device;
    }

    void FillWindow()
    {
        for (int slot = 0; slot < 500; ++slot)
            PhoneList(*form)->SetValue(slot, "9" + std::to_string(slot));
        RelayTimeoutField(*form)->setText(QStringLiteral("77"));
        ExternalOffBox(*form)->setChecked(false);
    }

    // Clicks the operation's button and waits until the window is idle. A
    // read starts from a window that differs from every image.
    void Run(Operation operation)
    {
        if (operation == Operation::Read)
            FillWindow();
        (operation == Operation::Write ? WriteToDeviceButton(*form) : LoadFromDeviceButton(*form))->click();
        ASSERT_TRUE(WaitUntilIdle(30s));
        ASSERT_TRUE(WaitFor([&] { return form->Operations().Worker()->QueuedCount() == 0; }, 15s))
            << "requests left behind";
    }

    void ExpectAftermath(Aftermath outcome, relaysim::Device& device)
    {
        const std::vector<std::string> image = phonebook::DecodePhoneBook(Image).numbers;
        switch (outcome) {
        case Aftermath::Stored:
            // The phone book as the click saved it.
            EXPECT_TRUE(WaitFor([&] { return device.StoredImage() == ReadBytes(Book()); }, 5s));
            break;
        case Aftermath::NotStored:
            EXPECT_TRUE(SameBytes(device.StoredImage(), Image));
            break;
        case Aftermath::Shown:
            EXPECT_EQ(PhoneList(*form)->Values(), image);
            [[fallthrough]];
        case Aftermath::SettingsOnly:
            EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("40000"));
            EXPECT_TRUE(ExternalOffBox(*form)->isChecked());
            break;
        case Aftermath::CutAt3000:
            EXPECT_EQ(PhoneList(*form)->Value(1), "222");
            EXPECT_EQ(PhoneList(*form)->Value(200), "9200");
            EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
            EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
            break;
        case Aftermath::Cleared:
            EXPECT_EQ(PhoneList(*form)->Values(), std::vector<std::string>(500));
            EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("0"));
            EXPECT_FALSE(ExternalOffBox(*form)->isChecked());
            break;
        case Aftermath::Kept:
            EXPECT_EQ(PhoneList(*form)->Value(1), "91");
            EXPECT_EQ(RelayTimeoutField(*form)->text(), QStringLiteral("77"));
            break;
        }
    }
};

TEST_P(FaultMatrixTest, operationEndsIdleWithItsMessageAndTheNextWorks)
{
    const FaultRow& row = GetParam();
    relaysim::Device& device = Plug(row.device);
    PrepareSettings(PortSymlink(), BookFile);
    Start();

    int holder = -1;
    if (row.disturbance == Disturbance::PortHeld) {
        holder = ::open(device.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    } else if (row.disturbance == Disturbance::PathGone) {
        std::filesystem::remove(PortSymlink());
    } else if (row.disturbance == Disturbance::UnplugInDumpPause) {
        // Polled from the window's loop: the dump has stopped in its pause.
        // The plug is pulled 250 ms into it, when the window has read what
        // came (its 500 ms of quiet have not passed yet): a hang-up also
        // takes the bytes still in the line's queue with it.
        QTimer* poll = new QTimer(form.get());
        QObject::connect(poll, &QTimer::timeout, [&device, poll] {
            if (device.GetStatus().bytesSent > 3000) {
                poll->stop();
                QTimer::singleShot(250ms, poll, [&device] { device.Stop(); });
            }
        });
        poll->start(5);
    }
    if (row.message)
        ExpectErrorWindow();

    Run(row.operation);

    // A port that cannot be opened is named with the reason on a second line.
    const int openError = row.disturbance == Disturbance::PortHeld ? EWOULDBLOCK
        : row.disturbance == Disturbance::PathGone                 ? ENOENT
                                                                   : 0;
    std::vector<std::string> expected;
    if (row.message)
        expected.push_back(*row.message + (openError ? "\n" + PortSymlink() + ": " + std::strerror(openError) : ""));
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(watch.Titles().size(), row.message ? 1 : 0) << watch.Titles().join(' ').toStdString();
    ExpectIdleAfterOperation();
    ExpectAftermath(row.outcome, device);
    if (row.disturbance == Disturbance::PortHeld || row.disturbance == Disturbance::PathGone) {
        EXPECT_EQ(device.Transcript(), "") << "reached the device";
    }

    // The device is back (a fresh one where it went away) and behaves.
    if (holder >= 0)
        ::close(holder);
    const bool gone = device.GetStatus().hungUp || device.GetStatus().stopped;
    relaysim::Device& back = gone ? Plug() : device;
    back.SetFaults({});
    if (row.disturbance == Disturbance::PathGone)
        std::filesystem::create_symlink(back.SlavePath(), PortSymlink());
    errors.clear();
    Run(row.operation);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(watch.Titles().size(), row.message ? 1 : 0) << "a second message";
    ExpectIdleAfterOperation();
    ExpectAftermath(row.operation == Operation::Write ? Aftermath::Stored : Aftermath::Shown, back);
}

} // namespace faultmatrix
