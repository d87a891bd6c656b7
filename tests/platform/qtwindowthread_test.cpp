#include "platform/qtwindowthread.h"

#include "windowthread_contract.h"

#include <QTest>

namespace {

struct QtLoop {
    platform::QtWindowThread window;
    platform::WindowThread& Window() { return window; }
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        return QTest::qWaitFor(done, static_cast<int>(timeout.count()));
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, WindowThreadContract, QtLoop);

} // namespace
