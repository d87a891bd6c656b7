// Soak: write + read cycles through the real main window (offscreen), its
// worker, engine and serial component, against the virtual device at
// 115200 bit/s, each cycle with a fault drawn at random: garbage or a flood
// before every answer, acknowledgements near their time-outs, a pause in
// the dump, or the port's path gone. (The port held by another program is
// left to the fault matrix test: between operations the window keeps the
// port open and locked, so no other program can take it then.)
//
//   soak_bench [cycles] [seed]      (default: 200 cycles, a random seed)
//
// A cycle is correct when both operations end with the window idle, the
// flows' message (or none) and the expected result: what the device stored
// and what the window shows. Reported: the share of correct cycles, and the
// resident memory, open descriptors and threads of the process before the
// first cycle and after the last.
//
// A machine busy enough can hold pseudo-terminal bytes back for longer than
// the 500 ms that end a dump; the dump then arrives cut, as from a device
// that fell silent. Each cycle therefore also measures how late the device
// sent and how long bytes waited unread at QEM's port: a dump cut while
// both kept up was held in the line between them. A probe on a pseudo-
// terminal of its own shows how long this machine holds bytes back at all
// (its stalls do not fall on the same moments as another line's).

#include "app/deviceoperations.h"
#include "app/mainwindow.h"
#include "app/phonebookeditor.h"
#include "bench/linestallprobe.h"
#include "bench/portbacklogwatch.h"
#include "device/deviceworker.h"
#include "dialogs/errorwindow.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/phonelisteditor.h"
#include "platform/qtwindowthread.h"
#include "tests/app/windowcontrols.h"
#include "tests/support/qtwait.h"
#include "tools/relaysim/device.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

const std::string CannotStartWriting = "Unable to start writing process! Please check connection to the device.";
const std::string CannotStartReading = "Unable to start reading process! Please check connection to the device.";

struct Fault {
    const char* name;
    void (*apply)(relaysim::Faults&);
    enum { Line, PathGone } port = Line;
    // Garbage before the dump moves the numbers; the relay settings, read
    // from the dump's end, stay right.
    bool numbersMoved = false;
};

// clang-format off
const Fault Faults[] = {
    {"none", [](relaysim::Faults&) {}},
    {"garbage", [](relaysim::Faults& f) { f.garbage = "\x01\xfe"; }, Fault::Line, true},
    {"flood", [](relaysim::Faults& f) { f.garbage = std::string(1100, '\x55'); }, Fault::Line, true},
    {"write start acknowledged at 30 ms", [](relaysim::Faults& f) { f.writeStartAckDelay = 30ms; }},
    {"write start acknowledged at 200 ms", [](relaysim::Faults& f) { f.writeStartAckDelay = 200ms; }},
    {"frame 200 acknowledged 1.5 s late", [](relaysim::Faults& f) { f.lateFrameAck = relaysim::LateAnswer{200, 1500ms}; }},
    {"dump starting 1100 ms late", [](relaysim::Faults& f) { f.dumpDelay = 1100ms; }},
    {"dump pause of 350 ms", [](relaysim::Faults& f) { f.dumpPause = relaysim::DumpPause{3000, 350ms}; }},
    {"port path gone", [](relaysim::Faults&) {}, Fault::PathGone},
};
// clang-format on

// Error windows are answered with "OK" and their messages kept.
class ErrorRecorder : public QObject {
public:
    ErrorRecorder() { qApp->installEventFilter(this); }
    std::vector<std::string> messages;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow() && widget->isModal()) {
            auto* error = dynamic_cast<dialogs::ErrorWindow*>(widget);
            messages.push_back(error ? error->Message->text().toStdString() : "(other window)");
            QTimer::singleShot(0, widget,
                [widget, error] { error ? error->OkButton->click() : void(widget->close()); });
        }
        return false;
    }
};

struct ProcessFigures {
    long rssKiB = 0;
    long threads = 0;
    long descriptors = 0;
};

ProcessFigures Measure()
{
    ProcessFigures figures;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            figures.rssKiB = std::atol(line.c_str() + 6);
        else if (line.rfind("Threads:", 0) == 0)
            figures.threads = std::atol(line.c_str() + 8);
    }
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++figures.descriptors;
    return figures;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class Soak {
public:
    explicit Soak(const std::string& dir)
        : dir_(dir)
        , device_(Options())
        , backlog_(Started(device_))
    {
        std::filesystem::create_symlink(device_.SlavePath(), Link());
        for (int slot = 0; slot < 500; ++slot)
            book_.numbers[slot] = "+3706" + std::to_string(1000000 + slot * 17);
        book_.relayTimeout = 3000;
        book_.externalOff = true;
        WriteFile(dir + "/book.kalc", phonebook::EncodePhoneBook(book_));
        WriteFile(dir + "/qem.INI",
            "[PortSettings]\ncurrent_file=" + dir + "/book.kalc\nport=" + Link()
                + "\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=115200\n");
        form_ = std::make_unique<app::MainWindow>(window_, dir + "/qem");
        form_->show();
    }

    // One write and one read with the fault; true when both end as they should.
    bool Cycle(const Fault& fault, int cycle)
    {
        relaysim::Faults faults;
        fault.apply(faults);
        device_.SetFaults(faults);
        if (fault.port == Fault::PathGone)
            std::filesystem::remove(Link());
        const bool refused = fault.port != Fault::Line;

        // Each cycle writes a different relay time-out, so a stored image
        // cannot be mistaken for an earlier one.
        const int stored = device_.GetStatus().imagesStored;
        // The window holds the phone book again (a refused read leaves it cleared).
        PhoneList(*form_)->SetValues(book_.numbers);
        ExternalOffBox(*form_)->setChecked(book_.externalOff);
        RelayTimeoutField(*form_)->setText(QString::number(1000 + cycle));
        const bool write = Run(WriteToDeviceButton(*form_), refused ? CannotStartWriting : "")
            && (refused
                || device_.WaitUntil([&](const relaysim::Status& s) { return s.imagesStored == stored + 1; }, 5s));
        if (write && !refused)
            storedTimeout_ = 1000 + cycle;
        const bool kept = phonebook::DecodePhoneBook(device_.StoredImage()).relayTimeout == storedTimeout_;

        form_->Editor().ClearAll();
        RelayTimeoutField(*form_)->setText(QStringLiteral("7"));
        const bool read = Run(LoadFromDeviceButton(*form_), refused ? CannotStartReading : "")
            && (refused || fault.numbersMoved || PhoneList(*form_)->Values() == book_.numbers)
            && RelayTimeoutField(*form_)->text() == (refused ? QStringLiteral("7") : QString::number(storedTimeout_))
            && (refused || ExternalOffBox(*form_)->isChecked());

        if (fault.port == Fault::PathGone)
            std::filesystem::create_symlink(device_.SlavePath(), Link());
        const bool correct = write && kept && read;
        if (!correct)
            std::printf("  write %s, device keeps %s, read %s (time-out field \"%s\")\n", write ? "ok" : "wrong",
                kept ? "ok" : "wrong", read ? "ok" : "wrong", RelayTimeoutField(*form_)->text().toStdString().c_str());
        Account(correct, write && kept && errors_.messages.empty());
        // A wrong cycle counts once: the next starts from what the device holds.
        storedTimeout_ = phonebook::DecodePhoneBook(device_.StoredImage()).relayTimeout.value_or(0);
        return correct;
    }

    void PrintDelays() const { Print("at worst: ", worst_); }
    int WrongInTheLine() const { return wrongInTheLine_; }

    // A byte normally crosses a pseudo-terminal in well under a millisecond,
    // and the device and QEM's reader each keep up within a few; a tenth of
    // a second is a stall.
    static constexpr std::chrono::milliseconds Stall{100};

private:
    struct Delays {
        std::chrono::microseconds sendDelay{0}; // the device's lateness
        std::chrono::microseconds unread{0};    // bytes waiting at QEM's port
        std::chrono::microseconds lineStall{0}; // the probe's own line
    };

    static void Print(const char* when, const Delays& delays)
    {
        std::printf("%sthe device sent up to %.1f ms late, QEM's port went unread or unwatched up to %.1f ms, "
                    "the probe line held bytes up to %.1f ms\n",
            when, delays.sendDelay.count() / 1000.0, delays.unread.count() / 1000.0, delays.lineStall.count() / 1000.0);
    }

    // Takes this cycle's delays and starts them over; for a wrong cycle says
    // where the time went. A read that silently got less than the whole dump
    // while the device sent on time and QEM read all that reached its port
    // lost its bytes between the two: inside the kernel's line, which a
    // loaded machine can hold back past the 500 ms that end a dump.
    void Account(bool correct, bool onlyTheReadCutSilently)
    {
        const Delays cycle{device_.TakeLongestSendDelay(), backlog_.TakeLongest(), probe_.TakeLongest()};
        worst_.sendDelay = std::max(worst_.sendDelay, cycle.sendDelay);
        worst_.unread = std::max(worst_.unread, cycle.unread);
        worst_.lineStall = std::max(worst_.lineStall, cycle.lineStall);
        if (correct)
            return;
        Print("  in this cycle: ", cycle);
        if (onlyTheReadCutSilently && cycle.sendDelay < Stall && cycle.unread < Stall) {
            ++wrongInTheLine_;
            std::printf("  the dump was held in the line\n");
        }
    }

    // Starts the device and names its line, for the watch on QEM's port.
    static std::string Started(relaysim::Device& device)
    {
        device.Start();
        return device.SlavePath();
    }
    static relaysim::Options Options()
    {
        relaysim::Options options;
        options.baud = 115200;
        return options;
    }
    std::string Link() const { return dir_ + "/port"; }

    // A write with a flood before each of its ~470 answers spends 45 s on the
    // line alone; a loaded machine adds its turnarounds. A window not idle by
    // then has hung.
    static constexpr std::chrono::seconds IdleWithin{180};

    // Clicks and waits until the window is idle with nothing left queued;
    // true when exactly the expected message (or none) was shown.
    bool Run(QPushButton* button, const std::string& message)
    {
        errors_.messages.clear();
        button->click();
        const bool idle = qtwait::WaitFor(
            [&] {
                return LoadFromFileButton(*form_)->isEnabled() && ConfigurePortButton(*form_)->isEnabled()
                    && form_->Operations().Worker()->QueuedCount() == 0;
            },
            IdleWithin);
        const std::vector<std::string> expected = message.empty() ? std::vector<std::string>{} : std::vector{message};
        if (!idle)
            std::printf("  the window did not come back to idle\n");
        for (const std::string& shown : errors_.messages)
            if (shown != message)
                std::printf("  message: %s\n", shown.c_str());
        if (!message.empty() && errors_.messages.empty())
            std::printf("  no message (expected: %s)\n", message.c_str());
        return idle && errors_.messages == expected;
    }

    std::string dir_;
    relaysim::Device device_;
    phonebook::PhoneBook book_;
    int storedTimeout_ = 0; // the relay time-out of the image the device holds
    LineStallProbe probe_;
    PortBacklogWatch backlog_;
    Delays worst_;
    int wrongInTheLine_ = 0;
    ErrorRecorder errors_;
    platform::QtWindowThread window_;
    std::unique_ptr<app::MainWindow> form_;
};

void Print(const char* when, const ProcessFigures& f)
{
    std::printf("%-6s resident %ld KiB, %ld open descriptors, %ld threads\n", when, f.rssKiB, f.descriptors, f.threads);
}

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A soak runs for half an hour, often into a file: each line as it comes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 200;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(Faults) - 1);

    std::string pattern = (std::filesystem::temp_directory_path() / "qem-soak-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    int correct = 0;
    int wrongInTheLine = 0;
    {
        Soak soak(pattern);
        // The first cycle warms up what stays for the program's life (fonts,
        // the worker's threads); the figures start after it.
        correct += soak.Cycle(Faults[0], 0) ? 1 : 0;
        const ProcessFigures start = Measure();
        std::printf("seed %u, %d cycles at 115200 bit/s\n", seed, cycles);
        for (int cycle = 1; cycle < cycles; ++cycle) {
            const Fault& fault = Faults[pick(random)];
            const bool ok = soak.Cycle(fault, cycle);
            correct += ok ? 1 : 0;
            if (!ok)
                std::printf("cycle %d (%s): wrong outcome\n", cycle, fault.name);
        }
        Print("start", start);
        Print("end", Measure());
        soak.PrintDelays();
        wrongInTheLine = soak.WrongInTheLine();
    }
    std::filesystem::remove_all(pattern);
    std::printf("correct: %d of %d cycles (%.1f %%)\n", correct, cycles, 100.0 * correct / cycles);
    if (correct < cycles)
        std::printf("wrong: %d with the dump held in the line, %d otherwise\n", wrongInTheLine,
            cycles - correct - wrongInTheLine);
    return correct == cycles ? 0 : 1;
}
