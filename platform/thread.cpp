#include "platform/thread.h"

namespace platform {

ServedThread::~ServedThread()
{
    Terminate();
    Join();
}

void ServedThread::Start(std::function<void()> body)
{
    terminated_ = false;
    finished_ = false;
    thread_ = std::thread([this, body = std::move(body)] {
        body();
        finished_ = true;
        window_.Wake();
    });
}

void ServedThread::Join()
{
    if (!thread_.joinable())
        return;
    if (window_.IsCurrentThread())
        window_.ServeUntil([this] { return finished_.load(); });
    thread_.join();
}

} // namespace platform
