#include "platform/qtwindowthread.h"

#include <QThread>
#include <QTimer>

namespace platform {
namespace {

class QtTimer : public OneShotTimer {
public:
    explicit QtTimer(std::function<void()> onExpiry)
    {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [fn = std::move(onExpiry)] { fn(); });
    }
    void Start(std::chrono::milliseconds interval) override { timer_.start(interval); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

QtWindowThread::QtWindowThread() = default;

QtWindowThread::~QtWindowThread() = default;

bool QtWindowThread::IsCurrentThread() const
{
    return QThread::currentThread() == context_.thread();
}

std::unique_ptr<OneShotTimer> QtWindowThread::CreateTimer(std::function<void()> onExpiry)
{
    return std::make_unique<QtTimer>(std::move(onExpiry));
}

void QtWindowThread::CallQueued()
{
    // One event per queued call; a call already taken by ServeUntil leaves
    // its event with nothing to do.
    QMetaObject::invokeMethod(
        &context_, [this] { RunQueuedCall(); }, Qt::QueuedConnection);
}

} // namespace platform
