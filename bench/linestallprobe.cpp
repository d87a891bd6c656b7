#include "bench/linestallprobe.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace {

std::int64_t NowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

LineStallProbe::LineStallProbe()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("line stall probe: no pseudo-terminal");
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slave_ < 0 || tcgetattr(slave_, &raw) != 0) {
        close(master_);
        if (slave_ >= 0)
            close(slave_);
        throw std::runtime_error("line stall probe: pseudo-terminal not usable");
    }
    // Raw: no echo back into the master, no line editing holding bytes.
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    receiver_ = std::thread([this] { Receive(); });
    sender_ = std::thread([this] { Send(); });
}

LineStallProbe::~LineStallProbe()
{
    stopping_ = true;
    sender_.join();
    // The slave's read ends with a hang-up once the master is gone.
    close(master_);
    receiver_.join();
    close(slave_);
}

std::chrono::microseconds LineStallProbe::TakeLongest()
{
    return std::chrono::microseconds(longestMicroseconds_.exchange(0));
}

void LineStallProbe::Send()
{
    while (!stopping_) {
        const std::int64_t stamp = NowNanoseconds();
        if (write(master_, &stamp, sizeof stamp) != static_cast<ssize_t>(sizeof stamp))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void LineStallProbe::Receive()
{
    // Stamps may arrive split or several at once: collect whole ones.
    unsigned char pending[sizeof(std::int64_t)];
    std::size_t have = 0;
    unsigned char chunk[512];
    for (;;) {
        const ssize_t got = read(slave_, chunk, sizeof chunk);
        if (got <= 0)
            return;
        const std::int64_t now = NowNanoseconds();
        for (ssize_t i = 0; i < got; ++i) {
            pending[have++] = chunk[i];
            if (have < sizeof pending)
                continue;
            have = 0;
            std::int64_t stamp;
            std::memcpy(&stamp, pending, sizeof stamp);
            const std::int64_t transit = (now - stamp) / 1000;
            std::int64_t longest = longestMicroseconds_.load();
            while (transit > longest && !longestMicroseconds_.compare_exchange_weak(longest, transit)) {
            }
        }
    }
}
