#include "platform/deadline.h"

#include <thread>

namespace platform {

void SleepMs(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace platform
