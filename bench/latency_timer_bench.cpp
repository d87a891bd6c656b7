// What a USB adapter's latency timer costs a whole write: the phone book
// written through the shared write operation (device/operations.h, as
// qem-cli writes it) into the virtual device, which holds its answers as an
// FTDI adapter would (relaysim --latency-timer).
//
//   latency_timer_bench [baud...] [--timers MS,MS,...]
//                       (default: 2400 115200, timers 0,1,16)
//
// Reported per line speed and timer: the whole write from the start of the
// operation (the port's reopening and the 2 s pause after the first hello
// included) to the device's final acknowledgement, and its cost over the
// same write without an adapter.

#include "device/deviceworker.h"
#include "device/operations.h"
#include "phonebook/phonebookfile.h"
#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"
#include "tools/relaysim/device.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

class Watch : public device::OperationObserver {
public:
    void Failed(device::Step, device::FrameCount) override { over = failed = true; }
    void Finished(const std::string&) override { over = true; }
    bool over = false;
    bool failed = false;
};

// Seconds for one write, or none when it failed.
std::optional<double> WriteOnce(unsigned baud, std::chrono::milliseconds timer, const std::string& image)
{
    relaysim::Options options;
    options.baud = baud;
    options.latencyTimer = timer;
    relaysim::Device device(options);
    device.Start();
    platform::PlainWindowThread window;
    serial::ParitySettings parity;
    serial::FlowControlSettings flowControl;
    device::DeviceWorker worker(window, device.SlavePath(), static_cast<int>(baud), serial::dbEight, parity,
        serial::sbOneStopBit, flowControl);

    Watch watch;
    device::WriteOperation write(worker, watch);
    const auto start = platform::Clock::now();
    if (!write.Start([&] { return image; }))
        return std::nullopt;
    window.RunUntil([&] { return watch.over; }, 300s);
    const double seconds = std::chrono::duration<double>(platform::Clock::now() - start).count();
    if (!watch.over || watch.failed || device.StoredImage() != image)
        return std::nullopt;
    return seconds;
}

std::vector<unsigned> Numbers(const std::string& list)
{
    std::vector<unsigned> numbers;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        numbers.push_back(static_cast<unsigned>(std::strtoul(item.c_str(), nullptr, 10)));
    return numbers;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<unsigned> bauds;
    std::vector<unsigned> timers = {0, 1, 16};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--timers" && i + 1 < argc)
            timers = Numbers(argv[++i]);
        else
            bauds.push_back(static_cast<unsigned>(std::strtoul(argument.c_str(), nullptr, 10)));
    }
    if (bauds.empty())
        bauds = {2400, 115200};

    // A full book: every slot holds a number.
    phonebook::PhoneBook book;
    for (std::size_t slot = 0; slot < book.numbers.size(); ++slot)
        book.numbers[slot] = "+3706" + std::to_string(1000000 + slot);
    book.relayTimeout = 500;
    const std::string image = phonebook::EncodePhoneBook(book);

    std::printf("%10s %10s %12s %12s\n", "bit/s", "timer ms", "write s", "cost s");
    int failures = 0;
    for (const unsigned baud : bauds) {
        std::optional<double> withoutAdapter;
        for (const unsigned timer : timers) {
            const std::optional<double> seconds = WriteOnce(baud, std::chrono::milliseconds(timer), image);
            if (!seconds) {
                std::printf("%10u %10u %12s\n", baud, timer, "failed");
                ++failures;
                continue;
            }
            if (timer == 0)
                withoutAdapter = seconds;
            if (withoutAdapter)
                std::printf("%10u %10u %12.2f %+12.2f\n", baud, timer, *seconds, *seconds - *withoutAdapter);
            else
                std::printf("%10u %10u %12.2f %12s\n", baud, timer, *seconds, "-");
            std::fflush(stdout);
        }
    }
    return failures == 0 ? 0 : 1;
}
