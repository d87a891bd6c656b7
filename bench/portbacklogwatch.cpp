#include "bench/portbacklogwatch.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

PortBacklogWatch::PortBacklogWatch(std::string linePath)
    : linePath_(std::move(linePath))
    , thread_([this] { Watch(); })
{
}

PortBacklogWatch::~PortBacklogWatch()
{
    stopping_ = true;
    thread_.join();
}

int PortBacklogWatch::FindDescriptor(int cached) const
{
    auto names = [&](int fd) {
        char target[256];
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t n = readlink(link.c_str(), target, sizeof target);
        return n > 0 && linePath_.compare(0, std::string::npos, target, static_cast<std::size_t>(n)) == 0;
    };
    if (cached >= 0 && names(cached))
        return cached;
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/proc/self/fd", error), end; !error && entry != end;
         entry.increment(error)) {
        const int fd = std::atoi(entry->path().filename().c_str());
        if (names(fd))
            return fd;
    }
    return -1;
}

void PortBacklogWatch::Watch()
{
    using Clock = std::chrono::steady_clock;
    int fd = -1;
    int lastCount = 0;
    Clock::time_point waitingSince{};
    Clock::time_point lastLook = Clock::now();
    while (!stopping_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        fd = FindDescriptor(fd);
        int count = 0;
        if (fd < 0 || ioctl(fd, FIONREAD, &count) != 0)
            count = 0;
        const Clock::time_point now = Clock::now();
        // Bytes wait unread while the count stays above 0 and never falls:
        // a read by the client lowers it, unless as many bytes came in
        // between two looks, so the figure errs long, never short.
        if (count == 0 || lastCount == 0 || count < lastCount)
            waitingSince = now;
        lastCount = count;
        // While this thread was held up, so perhaps was the client's reader:
        // a gap between two looks counts as bytes left unread that long.
        longest_.Offer(std::chrono::duration_cast<std::chrono::microseconds>(
            std::max(now - waitingSince, now - lastLook - std::chrono::milliseconds(2))));
        lastLook = now;
    }
}
