// How fast bytes travel through the port on a pseudo-terminal: the round
// trip of a command and its echo (write, event thread, hand-over to the
// window thread, framer), receive throughput, and the processor time an
// open idle port costs.
//
//   build/bench/serial/serial_bench [iterations]
#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/packetframer.h"
#include "serial/serialport.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double CpuMillis()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The far end answers every byte with itself.
class Echo {
public:
    explicit Echo(int master)
        : thread_([this, master] {
            char buffer[4096];
            while (!stop_) {
                pollfd p{master, POLLIN, 0};
                if (poll(&p, 1, 20) <= 0)
                    continue;
                const ssize_t n = read(master, buffer, sizeof buffer);
                for (ssize_t done = 0; n > 0 && done < n;) {
                    const ssize_t w = write(master, buffer + done, static_cast<std::size_t>(n - done));
                    if (w > 0)
                        done += w;
                }
            }
        })
    {
    }
    ~Echo()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void RoundTrips(serial::SerialPort& port, platform::PlainWindowThread& window, std::string& received, std::size_t size,
    int iterations)
{
    const std::string command(size, 'U');
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        received.clear();
        const auto start = Clock::now();
        port.WriteStr(command);
        if (!window.RunUntil([&] { return received.size() >= size; }, 5s)) {
            std::printf("round trip %d of %zu bytes lost\n", i, size);
            return;
        }
        times.push_back(Micros(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    std::printf("round trip %3zu bytes: median %7.1f us, p99 %7.1f us, max %7.1f us (%d runs)\n", size,
        times[times.size() / 2], times[times.size() * 99 / 100], times.back(), iterations);
}

} // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    platform::PlainWindowThread window;
    serial::SerialPort port(window);
    serial::PacketFramer framer;
    std::string received;
    framer.OnPacket = [&](const std::string& text) { received += text; };
    framer.SetComPort(&port);
    port.SetPort(name);
    port.Open();

    {
        Echo echo(master);
        RoundTrips(port, window, received, 1, iterations);
        RoundTrips(port, window, received, 16, iterations);
        // The device's answer to a read request is the whole configuration.
        RoundTrips(port, window, received, 7507, std::max(1, iterations / 20));
    }

    const std::string block(4 << 20, 'x');
    received.clear();
    const auto start = Clock::now();
    std::thread writer([&] {
        for (std::size_t done = 0; done < block.size();) {
            const ssize_t n = write(master, block.data() + done, block.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else {
                pollfd p{master, POLLOUT, 0};
                poll(&p, 1, 10);
            }
        }
    });
    window.RunUntil([&] { return received.size() >= block.size(); }, 60s);
    writer.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("receive throughput: %.1f MB/s (%zu bytes in %.3f s)\n", block.size() / seconds / 1e6, received.size(),
        seconds);

    const double cpuBefore = CpuMillis();
    window.RunFor(1s);
    std::printf("idle open port: %.2f ms processor time per second\n", CpuMillis() - cpuBefore);

    port.Close();
    close(master);
    close(slave);
    return 0;
}
