#include "tests/support/ptypair.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <thread>

#include "platform/deadline.h"

namespace serialtest {

PtyPair::PtyPair()
{
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = name;
}

PtyPair::~PtyPair()
{
    HangUp();
    if (slave_ >= 0)
        close(slave_);
}

void PtyPair::WriteToPort(const std::string& bytes) const
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{master_, POLLOUT, 0};
            poll(&p, 1, 100);
        } else if (n < 0 && errno != EINTR) {
            throw std::runtime_error("writing to the pseudo-terminal failed");
        }
    }
}

std::string PtyPair::ReadFromPort(std::size_t count, std::chrono::milliseconds timeout) const
{
    const platform::Deadline deadline(timeout);
    std::string got;
    char buffer[4096];
    while (got.size() < count && !deadline.Expired()) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(deadline.Remaining().count()) + 1) <= 0)
            continue;
        const ssize_t n = read(master_, buffer, std::min(sizeof buffer, count - got.size()));
        if (n > 0)
            got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

void PtyPair::HangUp()
{
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

int ThreadCount()
{
    // ThreadSanitizer starts a helper thread of its own with the first
    // thread of the process: have it start before anything is counted.
    static const bool warmedUp = [] {
        std::thread([] {}).join();
        return true;
    }();
    (void)warmedUp;
    int count = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (const dirent* e = readdir(dir)) {
            if (e->d_name[0] != '.')
                ++count;
        }
        closedir(dir);
    }
    return count;
}

std::chrono::microseconds ProcessCpuTime()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto micros = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    };
    return micros(usage.ru_utime) + micros(usage.ru_stime);
}

} // namespace serialtest
