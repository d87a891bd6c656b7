// How closely the virtual device keeps the emulated line speed: times a dump
// and a run of data frames over its pseudo-terminal and projects them onto
// the full 7505-byte dump and the full 470-frame write.
//
//   relaysim_pacing_bench [baud [dump bytes [frames]]]   (default 2400 1200 30)

#include "platform/deadline.h"
#include "tests/relaysim/scriptedclient.h"
#include "tools/relaysim/device.h"
#include "tools/relaysim/image.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Seconds = std::chrono::duration<double>;

double LineSeconds(unsigned baud, std::size_t bytes)
{
    return 10.0 * static_cast<double>(bytes) / baud;
}

void Report(const char* what, Seconds took, double expected, double projectedFactor, const char* projectedWhat)
{
    std::printf("%-22s %8.3f s   line time %8.3f s   ratio %.4f   %s %.2f s\n", what, took.count(), expected,
        took.count() / expected, projectedWhat, took.count() * projectedFactor);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace relaysim;
    const unsigned baud = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 2400;
    const std::size_t dumpBytes = argc > 2 ? static_cast<std::size_t>(std::atoi(argv[2])) : 1200;
    const int frames = argc > 3 ? std::atoi(argv[3]) : 30;
    if (baud == 0 || dumpBytes == 0 || frames <= 0 || frames >= kFramesPerImage) {
        std::fprintf(stderr, "usage: %s [baud [dump bytes [frames < %d]]]\n", argv[0], kFramesPerImage);
        return 2;
    }

    Options options;
    options.baud = baud;
    options.faults.dumpLength = dumpBytes;
    Device device(options);
    device.Start();
    testing::ScriptedClient client(device.SlavePath());

    // Dump: the request byte, then the answer.
    auto start = platform::Clock::now();
    client.Write("\x77");
    if (client.Read(dumpBytes, std::chrono::hours(1)).size() != dumpBytes)
        return 1;
    const Seconds dumpTook = platform::Clock::now() - start;
    Report("dump", dumpTook, LineSeconds(baud, dumpBytes + 1),
        static_cast<double>(kDumpSize + 1) / static_cast<double>(dumpBytes + 1), "full 7505-byte dump");

    // Frames: each 16 bytes out and its acknowledgement back, one after another.
    client.Write("\x7E");
    client.Read(1);
    const std::string frame(kFrameSize, '\x11');
    start = platform::Clock::now();
    for (int k = 0; k < frames; ++k) {
        client.Write(frame);
        if (client.Read(1) != "\x81")
            return 1;
    }
    const Seconds framesTook = platform::Clock::now() - start;
    Report("frames", framesTook, LineSeconds(baud, frames * (kFrameSize + 1)),
        static_cast<double>(kFramesPerImage) / frames, "full 470-frame write");
    return 0;
}
