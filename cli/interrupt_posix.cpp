#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace cli {
namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int)
{
    requested = true;
}

} // namespace

InterruptCatcher::InterruptCatcher()
{
    requested = false;
    struct sigaction action = {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

InterruptCatcher::~InterruptCatcher()
{
    std::signal(SIGINT, SIG_DFL);
}

bool InterruptRequested()
{
    return requested;
}

} // namespace cli
