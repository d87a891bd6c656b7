// relaysim: a virtual relay switch device on a pseudo-terminal. Prints the
// slave's path on the first line of its output and answers there until
// SIGINT, SIGTERM or SIGHUP, or until its hang-up fault fires.

#include "serial/virtualports.h"
#include "tools/relaysim/commandline.h"
#include "tools/relaysim/device.h"
#include "tools/relaysim/slavelink.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <pthread.h>
#include <thread>

namespace {

int Run(const relaysim::CommandLine& commandLine)
{
    // Every thread blocks the stop signals, so the main thread takes them in
    // sigwait and shuts down in order: the link is always removed.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    relaysim::Device device(commandLine.options);
    device.Start();
    std::optional<relaysim::SlaveLink> link;
    if (!commandLine.linkPath.empty())
        link.emplace(commandLine.linkPath, device.SlavePath());
    // QEM's port list offers the device by the name the operator gave it.
    const std::string offered = link ? std::filesystem::absolute(commandLine.linkPath).lexically_normal().string()
                                     : device.SlavePath();
    std::optional<serial::VirtualPortRegistration> registration;
    try {
        registration.emplace(offered, "virtual relay device on " + device.SlavePath());
    } catch (const std::exception& error) {
        // The device works all the same; it only has to be named by hand.
        std::fprintf(stderr, "relaysim: %s\n", error.what());
    }
    std::printf("%s\n", device.SlavePath().c_str());
    std::fflush(stdout);

    // A hang-up ends the device by itself; wake the main thread then.
    const pthread_t mainThread = pthread_self();
    bool hungUp = false;
    std::thread hangUpWatch([&] {
        device.WaitUntil([&](const relaysim::Status& status) {
            hungUp = status.hungUp;
            return status.hungUp || status.stopped;
        });
        if (hungUp)
            pthread_kill(mainThread, SIGTERM);
    });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    device.Stop();
    hangUpWatch.join();
    if (hungUp)
        std::fprintf(stderr, "relaysim: hung up at frame %d\n", *commandLine.options.faults.hangUpAtFrame);

    if (!commandLine.transcriptPath.empty()) {
        const std::string transcript = device.Transcript();
        std::ofstream file(commandLine.transcriptPath, std::ios::binary | std::ios::trunc);
        if (!file.write(transcript.data(), static_cast<std::streamsize>(transcript.size())).flush()) {
            std::fprintf(stderr, "relaysim: cannot write %s\n", commandLine.transcriptPath.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "qem-relaysim";
    relaysim::CommandLine commandLine;
    try {
        commandLine = relaysim::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n\n%s", program.c_str(), error.what(), relaysim::Usage(program).c_str());
        return 2;
    }
    if (commandLine.help) {
        std::fputs(relaysim::Usage(program).c_str(), stdout);
        return 0;
    }
    try {
        return Run(commandLine);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
        return 1;
    }
}
