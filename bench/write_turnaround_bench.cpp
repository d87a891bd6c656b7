// Frame turnaround of a whole write, side by side: QEM's real window
// (offscreen, "Write To Device" clicked) and a minimal event-driven client on
// Qt's own serial port module, one frame per readyRead. Both talk to the same
// small peer on a pseudo-terminal, which answers like the device and times,
// with the monotonic clock on its own side, each acknowledgement leaving it
// until the first byte of the next frame arriving.
//
//   write_turnaround_bench [runs]      (default 3 runs of each client)
//
// Reported per client over all runs: median, 90th and 99th percentile of the
// turnaround, and the median time of the 470 frames (from the write start's
// acknowledgement to the last frame's last byte), and over the whole
// operation (the peer's own share, pauses and reopening included) the
// process's voluntary context switches per frame and its processor time;
// then QEM's ratios to the plain client.

#include "app/mainwindow.h"
#include "phonebook/phonebookfile.h"
#include "platform/qtwindowthread.h"
#include "tests/app/windowcontrols.h"
#include "tests/support/qtwait.h"

#include <QApplication>
#include <QPushButton>
#include <QSerialPort>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Frames = 470;
constexpr int FrameSize = 16;
constexpr unsigned char Hello = 0x55, HelloAck = 0xAA, WriteStart = 0x7E, Ack = 0x81;

// The device's side of the line: hello and write start answered, each
// 16-byte frame acknowledged at once, a final acknowledgement 20 ms after
// the last frame. Plain POSIX, its own thread.
class TimingPeer {
public:
    TimingPeer()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        slavePath_ = ptsname(master_);
        // Held open so the master never sees a hang-up while a client
        // closes and reopens the line.
        keepOpen_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios raw{};
        tcgetattr(keepOpen_, &raw);
        cfmakeraw(&raw);
        tcsetattr(keepOpen_, TCSANOW, &raw);
        thread_ = std::thread([this] { Serve(); });
    }
    ~TimingPeer()
    {
        stop_ = true;
        thread_.join();
        close(keepOpen_);
        close(master_);
    }
    const std::string& SlavePath() const { return slavePath_; }

    struct Run {
        std::vector<double> turnaroundsUs;
        double framesMs = 0;
        bool complete = false;
    };
    void Reset()
    {
        std::lock_guard lock(mutex_);
        run_ = {};
        frameBytes_ = -1;
        framesDone_ = 0;
    }
    Run Result() const
    {
        std::lock_guard lock(mutex_);
        return run_;
    }
    bool Complete() const
    {
        std::lock_guard lock(mutex_);
        return run_.complete;
    }

private:
    void Send(unsigned char byte) { [[maybe_unused]] const ssize_t n = write(master_, &byte, 1); }

    void Serve()
    {
        Clock::time_point ackSent, framesStart;
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            unsigned char buffer[256];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            const auto now = Clock::now();
            if (n <= 0)
                continue;
            std::lock_guard lock(mutex_);
            for (ssize_t i = 0; i < n; ++i) {
                const unsigned char byte = buffer[i];
                if (frameBytes_ < 0) {
                    if (byte == Hello)
                        Send(HelloAck);
                    if (byte == WriteStart) {
                        frameBytes_ = 0;
                        Send(Ack);
                        ackSent = framesStart = Clock::now();
                    }
                    continue;
                }
                if (frameBytes_ == 0 && framesDone_ > 0)
                    run_.turnaroundsUs.push_back(std::chrono::duration<double, std::micro>(now - ackSent).count());
                if (++frameBytes_ < FrameSize)
                    continue;
                frameBytes_ = 0;
                Send(Ack);
                ackSent = Clock::now();
                if (++framesDone_ == Frames) {
                    run_.framesMs = std::chrono::duration<double, std::milli>(now - framesStart).count();
                    std::this_thread::sleep_for(20ms);
                    Send(Ack);
                    run_.complete = true;
                    frameBytes_ = -1;
                }
            }
        }
    }

    int master_ = -1;
    int keepOpen_ = -1;
    std::string slavePath_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    Run run_;
    int frameBytes_ = -1; // -1: before write start
    int framesDone_ = 0;
    std::thread thread_;
};

std::string SampleImage()
{
    phonebook::PhoneBook book;
    for (int slot = 0; slot < 500; ++slot)
        book.numbers[slot] = "+3706" + std::to_string(1000000 + slot * 17);
    book.relayTimeout = 3000;
    book.externalOff = true;
    return phonebook::EncodePhoneBook(book);
}

// The write's frames: 16-byte blocks of the image, the last one completed by
// what the reused buffer still holds.
std::vector<QByteArray> FramesOf(const std::string& image)
{
    std::vector<QByteArray> frames;
    std::string buffer(FrameSize, '\0');
    for (std::size_t at = 0; at < image.size(); at += FrameSize) {
        const std::size_t n = std::min<std::size_t>(FrameSize, image.size() - at);
        buffer.replace(0, n, image, at, n);
        frames.emplace_back(buffer.data(), FrameSize);
    }
    return frames;
}

// Hello, hello, write start, then one frame per acknowledgement.
bool RunPlainClient(const std::string& port, const std::vector<QByteArray>& frames)
{
    QSerialPort line(QString::fromStdString(port));
    line.setBaudRate(115200);
    if (!line.open(QIODevice::ReadWrite))
        return false;
    int answers = 0;
    std::size_t next = 0;
    bool done = false;
    QObject::connect(&line, &QSerialPort::readyRead, [&] {
        const QByteArray got = line.readAll();
        for (char byte : got) {
            ++answers;
            if (answers == 1)
                line.write("\x55", 1);
            else if (answers == 2)
                line.write("\x7E", 1);
            else if (next < frames.size())
                line.write(frames[next++]);
            else
                done = byte == static_cast<char>(Ack);
        }
    });
    line.write("\x55", 1);
    const bool finished = qtwait::WaitFor([&] { return done; }, 30s);
    line.close();
    return finished;
}

// What the process spent so far: voluntary context switches (each is a
// thread going to sleep, so their number per frame counts the hand-overs
// between threads whatever else the machine is doing) and processor time.
struct Spent {
    long wakeUps = 0;
    double cpuMs = 0;

    static Spent SoFar()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto ms = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
        };
        return {usage.ru_nvcsw, ms(usage.ru_utime) + ms(usage.ru_stime)};
    }
    Spent operator-(const Spent& before) const { return {wakeUps - before.wakeUps, cpuMs - before.cpuMs}; }
};

// From the click on "Write To Device" to the window's end of the operation.
bool RunWindow(const std::string& port, const std::string& image, const std::string& dir,
    platform::QtWindowThread& window, Spent& spent)
{
    const std::string book = dir + "/book.kalc";
    std::ofstream(book, std::ios::binary | std::ios::trunc) << image;
    std::ofstream(dir + "/qem.INI", std::ios::trunc)
        << "[PortSettings]\ncurrent_file=" << book << "\nport=" << port
        << "\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate=115200\n";
    app::MainWindow form(window, dir + "/qem");
    form.show();
    const Spent before = Spent::SoFar();
    WriteToDeviceButton(form)->click();
    const bool done = qtwait::WaitFor([&] { return LoadFromFileButton(form)->isEnabled(); }, 60s);
    spent = Spent::SoFar() - before;
    return done;
}

struct Row {
    std::vector<double> turnaroundsUs;
    std::vector<double> framesMs;
    Spent spent;
    int runs = 0;
    bool ok = true;

    double Percentile(double p)
    {
        if (turnaroundsUs.empty())
            return 0;
        std::sort(turnaroundsUs.begin(), turnaroundsUs.end());
        return turnaroundsUs[static_cast<std::size_t>(p * static_cast<double>(turnaroundsUs.size() - 1))];
    }
    double FramesMedian()
    {
        if (framesMs.empty())
            return 0;
        std::sort(framesMs.begin(), framesMs.end());
        return framesMs[framesMs.size() / 2];
    }
    void Add(const TimingPeer::Run& run, bool finished, const Spent& spentOnRun)
    {
        ok = ok && finished && run.complete;
        spent.wakeUps += spentOnRun.wakeUps;
        spent.cpuMs += spentOnRun.cpuMs;
        ++runs;
        turnaroundsUs.insert(turnaroundsUs.end(), run.turnaroundsUs.begin(), run.turnaroundsUs.end());
        framesMs.push_back(run.framesMs);
    }
    void Print(const char* name)
    {
        std::printf("%-28s %8.1f %8.1f %8.1f %10.2f %9.1f %7.1f%s\n", name, Percentile(0.5), Percentile(0.9),
            Percentile(0.99), FramesMedian(), static_cast<double>(spent.wakeUps) / (runs * Frames), spent.cpuMs / runs,
            ok ? "" : "  FAILED");
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    std::string pattern = (std::filesystem::temp_directory_path() / "qem-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    const std::string image = SampleImage();
    const std::vector<QByteArray> frames = FramesOf(image);
    TimingPeer peer;
    platform::QtWindowThread window;

    Row qem, plain;
    for (int i = 0; i < runs; ++i) {
        peer.Reset();
        Spent spentByWindow;
        const bool windowDone = RunWindow(peer.SlavePath(), image, pattern, window, spentByWindow);
        qtwait::WaitFor([&] { return peer.Complete(); }, 2s);
        qem.Add(peer.Result(), windowDone, spentByWindow);

        peer.Reset();
        const Spent before = Spent::SoFar();
        const bool plainDone = RunPlainClient(peer.SlavePath(), frames);
        qtwait::WaitFor([&] { return peer.Complete(); }, 2s);
        plain.Add(peer.Result(), plainDone, Spent::SoFar() - before);
    }
    std::filesystem::remove_all(pattern);

    std::printf("%-28s %8s %8s %8s %10s %9s %7s\n", "turnaround (us)", "median", "p90", "p99", "470 fr. ms",
        "wakes/fr.", "CPU ms");
    qem.Print("QEM window, Write To Device");
    plain.Print("QSerialPort, per readyRead");
    std::printf("%-28s %8.2f %8.2f %8.2f %10.2f\n", "ratio QEM / QSerialPort",
        qem.Percentile(0.5) / plain.Percentile(0.5), qem.Percentile(0.9) / plain.Percentile(0.9),
        qem.Percentile(0.99) / plain.Percentile(0.99), qem.FramesMedian() / plain.FramesMedian());
    return qem.ok && plain.ok ? 0 : 1;
}
