#pragma once
// The window thread of the program: Qt's main thread. Queued calls are run
// from Qt's event loop (one call per posted event, so nested loops such as
// modal dialogs keep serving them) and from ServeUntil.

#include "platform/windowthread.h"

#include <QObject>

namespace platform {

class QtWindowThread : public WindowThread {
public:
    // Construct on the thread that runs the Qt event loop.
    QtWindowThread();
    ~QtWindowThread() override;

    bool IsCurrentThread() const override;
    std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onExpiry) override;

protected:
    void CallQueued() override;

private:
    QObject context_;
};

} // namespace platform
