#include "platform/windowthread.h"

#include <exception>

namespace platform {

void WindowThread::Enqueue(std::function<void()> call)
{
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    changed_.notify_all();
    CallQueued();
}

void WindowThread::Post(std::function<void()> call)
{
    Enqueue(std::move(call));
}

void WindowThread::RunAndWait(std::function<void()> call)
{
    if (IsCurrentThread()) {
        call();
        return;
    }
    struct Completion {
        std::mutex mutex;
        std::condition_variable cv;
        bool done = false;
        std::exception_ptr error;
    };
    auto completion = std::make_shared<Completion>();
    Enqueue([call = std::move(call), completion] {
        std::exception_ptr error;
        try {
            call();
        } catch (...) {
            error = std::current_exception();
        }
        {
            std::lock_guard lock(completion->mutex);
            completion->error = error;
            completion->done = true;
        }
        // Outside the lock, so the caller does not wake only to wait for it;
        // this call's copy of the completion keeps it alive meanwhile.
        completion->cv.notify_all();
    });
    std::unique_lock lock(completion->mutex);
    completion->cv.wait(lock, [&] { return completion->done; });
    if (completion->error)
        std::rethrow_exception(completion->error);
}

bool WindowThread::RunQueuedCall()
{
    std::function<void()> call;
    {
        std::lock_guard lock(mutex_);
        if (calls_.empty())
            return false;
        call = std::move(calls_.front());
        calls_.pop_front();
    }
    call();
    return true;
}

void WindowThread::ServeUntil(const std::function<bool()>& done)
{
    for (;;) {
        std::uint64_t seen;
        {
            std::lock_guard lock(mutex_);
            seen = wakeCount_;
        }
        if (done())
            return;
        if (RunQueuedCall())
            continue;
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !calls_.empty() || wakeCount_ != seen; });
    }
}

void WindowThread::Wake()
{
    {
        std::lock_guard lock(mutex_);
        ++wakeCount_;
    }
    changed_.notify_all();
}

} // namespace platform
