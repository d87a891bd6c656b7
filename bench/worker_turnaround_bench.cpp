// How fast the worker turns an acknowledgement into the next command, and
// what an idle worker costs.
//
//   worker_turnaround_bench [requests]
//
// A peer on a pseudo-terminal acknowledges every 16-byte frame at once; the
// worker sends a chain of requests (473 by default, a full write) posted in
// one go, each with a handler run on the window thread, as the write does.
// Reported: the time from an acknowledgement leaving the peer to the next
// frame's first byte arriving there (median, 99th percentile, maximum), and
// the process's CPU use over 3 s with an idle worker.

#include "device/deviceworker.h"
#include "device/protocol.h"
#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"
#include "tests/support/ptypair.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using platform::Clock;

namespace {

int handled = 0;

void CountHandled(device::DeviceWorker&, const std::string&, engine::Outcome outcome)
{
    if (outcome == engine::Outcome::Reply)
        ++handled;
}

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The device's side: acknowledges every frame at once and times each
// acknowledgement until the next frame's first byte arrives.
void AcknowledgeFrames(int master, const std::atomic<bool>& stop, std::vector<Clock::duration>& turnarounds)
{
    Clock::time_point ackSent{};
    std::size_t pending = 0;
    char buffer[256];
    while (!stop) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0)
            continue;
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        const auto now = Clock::now();
        if (pending == 0 && ackSent != Clock::time_point{})
            turnarounds.push_back(now - ackSent);
        pending += static_cast<std::size_t>(n);
        while (pending >= device::protocol::FrameSize) {
            pending -= device::protocol::FrameSize;
            const char ack = device::protocol::Ack;
            if (write(master, &ack, 1) == 1)
                ackSent = Clock::now();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int requests = argc > 1 ? std::atoi(argv[1]) : 473;
    platform::PlainWindowThread window;
    serialtest::PtyPair pty;
    serial::ParitySettings parity;
    serial::FlowControlSettings flowControl;
    device::DeviceWorker worker(window, pty.SlavePath(), 115200, serial::dbEight, parity, serial::sbOneStopBit,
        flowControl);
    if (!worker.Connect("", 0)) {
        std::fprintf(stderr, "cannot open %s\n", pty.SlavePath().c_str());
        return 1;
    }

    std::vector<Clock::duration> turnarounds;
    std::atomic<bool> stop{false};
    std::thread peer([&] { AcknowledgeFrames(pty.Master(), stop, turnarounds); });

    const std::string frame(device::protocol::FrameSize, '\x5A');
    for (int i = 0; i < requests; ++i)
        worker.PostRequest(frame, device::protocol::AnswerContaining(device::protocol::Ack), 10000, &CountHandled,
            &CountHandled, &CountHandled, 1);
    const auto start = Clock::now();
    worker.BeginOperation();
    window.RunUntil([&] { return handled == requests; }, 60s);
    const auto total = Clock::now() - start;
    stop = true;
    peer.join();

    std::sort(turnarounds.begin(), turnarounds.end());
    if (handled != requests || turnarounds.empty()) {
        std::fprintf(stderr, "only %d of %d requests answered\n", handled, requests);
        return 1;
    }
    const auto at = [&](double q) { return turnarounds[static_cast<size_t>(q * (turnarounds.size() - 1))]; };
    std::printf("requests                 %d\n", requests);
    std::printf("turnaround median        %.3f ms\n", Ms(at(0.5)));
    std::printf("turnaround p99           %.3f ms\n", Ms(at(0.99)));
    std::printf("turnaround max           %.3f ms\n", Ms(turnarounds.back()));
    std::printf("chain total              %.1f ms\n", Ms(total));

    // An idle worker: its loop turns every 200 ms and nothing else runs.
    const auto cpuBefore = serialtest::ProcessCpuTime();
    const auto idleStart = Clock::now();
    window.RunFor(3s);
    const auto cpu = serialtest::ProcessCpuTime() - cpuBefore;
    std::printf("idle CPU                 %.3f %% of a core\n",
        100.0 * std::chrono::duration<double>(cpu).count()
            / std::chrono::duration<double>(Clock::now() - idleStart).count());
    return 0;
}
