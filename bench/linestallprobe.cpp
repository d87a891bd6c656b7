#include "bench/linestallprobe.h"

#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::int64_t NowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

LineStallProbe::LineStallProbe()
{
    // Raw: no echo back into the master, no line editing holding bytes.
    termios raw{};
    tcgetattr(line_.Slave(), &raw);
    cfmakeraw(&raw);
    tcsetattr(line_.Slave(), TCSANOW, &raw);
    receiver_ = std::thread([this] { Receive(); });
    sender_ = std::thread([this] { Send(); });
}

LineStallProbe::~LineStallProbe()
{
    stopping_ = true;
    sender_.join();
    // The slave's read ends once the master is gone.
    line_.HangUp();
    receiver_.join();
}

void LineStallProbe::Send()
{
    while (!stopping_) {
        const std::int64_t stamp = NowNanoseconds();
        line_.WriteToPort(std::string(reinterpret_cast<const char*>(&stamp), sizeof stamp));
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
        const ssize_t got = read(line_.Slave(), chunk, sizeof chunk);
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
            longest_.Offer(std::chrono::microseconds((now - stamp) / 1000));
        }
    }
}
