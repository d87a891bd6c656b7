// The worker's request chain on a named serial line whose far end runs
// elsewhere: the way to measure it under Wine, where the far end is a Linux
// process. The far end (qem_line_peer --ack LINK) acknowledges every frame
// at once and reports the turnaround from each acknowledgement to the next
// frame; this side reports the chain as a whole.
//
//   worker_chain_bench PORT [requests]
//
// 473 requests by default, a full write, posted in one go with a handler
// each, as worker_turnaround_bench sends them on a pseudo-terminal it owns.

#include "device/deviceworker.h"
#include "device/protocol.h"
#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace std::chrono_literals;
using platform::Clock;

namespace {

int handled = 0;

void CountHandled(device::DeviceWorker&, const std::string&, engine::Outcome outcome)
{
    if (outcome == engine::Outcome::Reply)
        ++handled;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: worker_chain_bench PORT [requests]\n");
        return 2;
    }
    const std::string port = argv[1];
    const int requests = argc > 2 ? std::atoi(argv[2]) : 473;
    platform::PlainWindowThread window;
    serial::ParitySettings parity;
    serial::FlowControlSettings flowControl;
    device::DeviceWorker worker(window, port, 115200, serial::dbEight, parity, serial::sbOneStopBit, flowControl);
    if (!worker.Connect("", 0)) {
        std::fprintf(stderr, "cannot open %s\n", port.c_str());
        return 1;
    }

    const std::string frame(device::protocol::FrameSize, '\x5A');
    for (int i = 0; i < requests; ++i)
        worker.PostRequest(frame, device::protocol::AnswerContaining(device::protocol::Ack), 10000, &CountHandled,
            &CountHandled, &CountHandled, 1);
    const auto start = Clock::now();
    worker.BeginOperation();
    window.RunUntil([&] { return handled == requests; }, 120s);
    const double totalMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (handled != requests) {
        std::fprintf(stderr, "only %d of %d requests answered\n", handled, requests);
        return 1;
    }
    std::printf("requests                 %d\n", requests);
    std::printf("chain total              %.1f ms\n", totalMs);
    std::printf("per request              %.3f ms\n", totalMs / requests);
    return 0;
}
