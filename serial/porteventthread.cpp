#include "serial/porteventthread.h"

#include "serial/serialport.h"

namespace serial {

PortEventThread::PortEventThread(SerialPort& port, serial::ComLine& line, platform::WindowThread& window,
    bool watchInput)
    : port_(port)
    , line_(line)
    , window_(window)
    , watchInput_(watchInput)
    , thread_(window)
{
    thread_.Start([this] { Execute(); });
}

PortEventThread::~PortEventThread()
{
    thread_.Terminate();
    line_.WakeWaiter();
    thread_.Join();
}

void PortEventThread::Execute()
{
    using WaitResult = serial::ComLine::WaitResult;
    // Bytes left queued after the last batch: only more than these is news.
    int seen = 0;
    // The line said "readable" without news: wait by the clock, not by it.
    bool readableWithoutNews = false;
    while (!thread_.Terminated()) {
        const bool armed = seen == 0 && !readableWithoutNews;
        const auto result = line_.WaitEvent(watchInput_ && armed,
            armed ? std::chrono::milliseconds(-1) : kRecheckInterval);
        if (result == WaitResult::Woken || result == WaitResult::LineLost)
            break;
        if (!watchInput_)
            continue;
        int queued = 0;
        try {
            queued = line_.QueuedInput();
        } catch (const PortError&) {
            break;
        }
        if (queued <= seen) {
            seen = queued;
            readableWithoutNews = result == WaitResult::Input;
            continue;
        }
        readableWithoutNews = false;
        // Only what the batch itself left queued is old; whatever came
        // after the window thread counted is news.
        if (!DispatchReceived(seen))
            break;
    }
    line_.Purge();
}

bool PortEventThread::DispatchReceived(int& leftQueued)
{
    try {
        window_.RunAndWait([this, &leftQueued] { leftQueued = port_.HandleEvents({evRxChar}); });
        return true;
    } catch (...) {
        // Handling the batch raised (a failed read, a listener's error):
        // the thread has nobody to report to and ends.
        return false;
    }
}

} // namespace serial
