// A full write and a full read of a 500-number phone book through the real
// main window (offscreen), its worker, engine and serial component, against
// the virtual device on a pseudo-terminal.
//
//   device_flows_bench [unpaced] [115200] [2400] ...   (default: unpaced 115200)
//
// Each argument is a line speed for the device to emulate (10 bits a byte,
// both directions), or "unpaced" for none. Reported per operation: the time
// from the click until the window is idle again; the fixed pauses of the
// protocol inside it (two 300 ms pauses of the port's reopening, the write's
// 2000 ms pause after the first hello, the read's 500 ms of quiet that ends
// the dump, and the virtual device's 100 ms of storing before its final
// acknowledgement); the time beyond them; and, on a paced line, the ratio to
// the lower bound: the fixed pauses plus every byte's line time.

#include "app/mainwindow.h"
#include "app/phonebookeditor.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/phonelisteditor.h"
#include "platform/qtwindowthread.h"
#include "tests/app/windowcontrols.h"
#include "tests/support/qtwait.h"
#include "tools/relaysim/device.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double OpenPauses = 0.6;
constexpr double PauseAfterFirstHello = 2.0;
constexpr double DumpQuietTime = 0.5;
constexpr std::chrono::milliseconds DeviceStoreTime{100};
// Tool to device and device to tool: hello, hello, write start, 470 frames;
// two hello acknowledgements, write start's, 470 frame acknowledgements and
// the final one.
constexpr double WriteBytes = 3 + 470 * 16 + 2 + 1 + 470 + 1;
// Hello and read request; the hello acknowledgement and the 7505-byte dump.
constexpr double ReadBytes = 2 + 1 + 7505;

// Any modal window is a failure of the run: it is noted and closed.
class ModalCloser : public QObject {
public:
    ModalCloser() { qApp->installEventFilter(this); }
    bool failed = false;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow() && widget->isModal()) {
            std::fprintf(stderr, "unexpected window: %s\n", widget->windowTitle().toLocal8Bit().constData());
            failed = true;
            QTimer::singleShot(0, widget, &QWidget::close);
        }
        return false;
    }
};

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Result {
    double seconds = 0;
    bool ok = false;
};

// Clicks the button and waits until the window's operation controls are
// enabled again.
Result Run(app::MainWindow& form, QPushButton* button, const ModalCloser& modals)
{
    const auto start = Clock::now();
    button->click();
    const bool idle = qtwait::WaitFor([&] { return LoadFromFileButton(form)->isEnabled(); }, 120s);
    return {std::chrono::duration<double>(Clock::now() - start).count(), idle && !modals.failed};
}

void Report(const char* operation, unsigned baud, const Result& result, double fixed, double lineBytes)
{
    std::printf("  %-5s %8.3f s total, fixed pauses %.3f s, beyond them %7.1f ms", operation, result.seconds, fixed,
        (result.seconds - fixed) * 1000);
    if (baud != 0) {
        const double bound = fixed + lineBytes * 10 / baud;
        std::printf(", line-time bound %.3f s, ratio %.4f (+%.2f %%)", bound, result.seconds / bound,
            (result.seconds / bound - 1) * 100);
    }
    std::printf("%s\n", result.ok ? "" : "  FAILED");
}

bool RunAt(unsigned baud, const ModalCloser& modals)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qem-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return false;
    const std::string dir = pattern;

    relaysim::Options options;
    options.baud = baud;
    options.storeTime = DeviceStoreTime;
    relaysim::Device device(options);
    device.Start();

    phonebook::PhoneBook book;
    for (int slot = 0; slot < 500; ++slot)
        book.numbers[slot] = "+3706" + std::to_string(1000000 + slot * 17);
    book.relayTimeout = 3000;
    book.externalOff = true;
    const std::string bookPath = dir + "/book.kalc";
    WriteFile(bookPath, phonebook::EncodePhoneBook(book));
    WriteFile(dir + "/qem.INI",
        "[PortSettings]\ncurrent_file=" + bookPath + "\nport=" + device.SlavePath()
            + "\ndataBits=8\nstopBits=1\nparity=None\nflowControl=None\nbaudrate="
            + std::to_string(baud != 0 ? baud : 115200) + "\n");

    bool ok = true;
    {
        platform::QtWindowThread window;
        app::MainWindow form(window, dir + "/qem");
        form.show();
        std::printf("%s:\n", baud != 0 ? (std::to_string(baud) + " bit/s").c_str() : "unpaced");

        const Result write = Run(form, WriteToDeviceButton(form), modals);
        const bool stored = device.WaitUntil([](const relaysim::Status& s) { return s.imagesStored == 1; }, 5s)
            && device.StoredImage() == ReadFile(bookPath);
        Report("write", baud, {write.seconds, write.ok && stored},
            OpenPauses + PauseAfterFirstHello + std::chrono::duration<double>(DeviceStoreTime).count(), WriteBytes);

        form.Editor().ClearAll();
        const Result read = Run(form, LoadFromDeviceButton(form), modals);
        const bool shown = PhoneList(form)->Values() == book.numbers;
        Report("read", baud, {read.seconds, read.ok && shown}, OpenPauses + DumpQuietTime, ReadBytes);
        ok = write.ok && stored && read.ok && shown;
    }
    std::filesystem::remove_all(dir);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ModalCloser modals;

    std::vector<unsigned> speeds;
    for (int i = 1; i < argc; ++i)
        speeds.push_back(std::string(argv[i]) == "unpaced" ? 0u : static_cast<unsigned>(std::atoi(argv[i])));
    if (speeds.empty())
        speeds = {0, 115200};

    bool ok = true;
    for (unsigned baud : speeds)
        ok = RunAt(baud, modals) && ok;
    return ok ? 0 : 1;
}
