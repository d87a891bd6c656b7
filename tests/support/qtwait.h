#pragma once
// Waits for a condition while the Qt event loop keeps running, checking it
// every couple of milliseconds (the condition may depend on other threads,
// which do not wake the loop).

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace qtwait {

inline bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    poll.start(2);
    loop.exec();
    return done();
}

} // namespace qtwait
