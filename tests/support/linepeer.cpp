// qem_line_peer: far ends of serial lines for the tests and the benchmark
// that run under Wine, where a Windows program cannot reach a
// pseudo-terminal's master side.
//
//   qem_line_peer [--echo LINK] [--state LINK] [--ack LINK]
//
// Each option makes a pseudo-terminal pair and a symbolic link LINK to its
// slave (a Wine prefix's dosdevices/comN):
//   echo   sends back every byte as it arrived;
//   state  answers every byte with the slave's line settings
//          (tests/support/linestatewire.h);
//   ack    acknowledges every 16 bytes with 0x81 at once, and at exit prints
//          the time from each acknowledgement to the next byte that arrives
//          (median, 99th percentile, maximum).
// Prints "ready" when the links exist and runs until SIGTERM or SIGINT.
#include "device/protocol.h"
#include "platform/deadline.h"
#include "tests/support/linestatewire.h"
#include "tests/support/ptypair.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using platform::Clock;

volatile sig_atomic_t stopRequested = 0;

extern "C" void OnStop(int)
{
    stopRequested = 1;
}

enum class Role { Echo, State, Ack };

struct Line {
    Role role;
    std::unique_ptr<serialtest::PtyPair> pty = std::make_unique<serialtest::PtyPair>();
    std::size_t pending = 0; // ack: bytes of the frame so far
    Clock::time_point ackSent{};
};

std::vector<Clock::duration> turnarounds;

void Serve(Line& line, const std::string& bytes)
{
    switch (line.role) {
    case Role::Echo:
        line.pty->WriteToPort(bytes);
        break;
    case Role::State:
        for (std::size_t i = 0; i < bytes.size(); ++i)
            line.pty->WriteToPort(serialtest::EncodeLineState(serialtest::ReadLineState(line.pty->Slave())));
        break;
    case Role::Ack:
        if (line.pending == 0 && line.ackSent != Clock::time_point{})
            turnarounds.push_back(Clock::now() - line.ackSent);
        line.pending += bytes.size();
        while (line.pending >= device::protocol::FrameSize) {
            line.pending -= device::protocol::FrameSize;
            line.pty->WriteToPort(std::string(1, device::protocol::Ack));
            line.ackSent = Clock::now();
        }
        break;
    }
}

void PrintTurnarounds()
{
    if (turnarounds.empty())
        return;
    std::sort(turnarounds.begin(), turnarounds.end());
    const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    const auto at = [](double q) { return turnarounds[static_cast<std::size_t>(q * (turnarounds.size() - 1))]; };
    std::printf("acknowledgements         %zu\n", turnarounds.size());
    std::printf("turnaround median        %.3f ms\n", ms(at(0.5)));
    std::printf("turnaround p99           %.3f ms\n", ms(at(0.99)));
    std::printf("turnaround max           %.3f ms\n", ms(turnarounds.back()));
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Line> lines;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const Role role = option == "--echo" ? Role::Echo : option == "--state" ? Role::State : Role::Ack;
        if (option != "--echo" && option != "--state" && option != "--ack") {
            std::fprintf(stderr, "usage: qem_line_peer [--echo LINK] [--state LINK] [--ack LINK]\n");
            return 2;
        }
        Line& line = lines.emplace_back(Line{role});
        std::error_code ignored;
        std::filesystem::remove(argv[i + 1], ignored);
        std::filesystem::create_symlink(line.pty->SlavePath(), argv[i + 1]);
    }
    struct sigaction action = {};
    action.sa_handler = &OnStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<pollfd> fds;
    for (const Line& line : lines)
        fds.push_back({line.pty->Master(), POLLIN, 0}); // the pair keeps its slave open: no hang-up
    char buffer[4096];
    while (!stopRequested) {
        if (poll(fds.data(), fds.size(), -1) <= 0)
            continue;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0)
                Serve(lines[i], std::string(buffer, static_cast<std::size_t>(n)));
        }
    }
    PrintTurnarounds();
    return 0;
}
