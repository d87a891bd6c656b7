#include "platform/plainwindowthread.h"

#include "windowthread_contract.h"

namespace {

struct PlainLoop {
    platform::PlainWindowThread window;
    platform::WindowThread& Window() { return window; }
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        return window.RunUntil(done, timeout);
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Plain, WindowThreadContract, PlainLoop);

} // namespace
