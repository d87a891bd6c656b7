#pragma once
// PortEventThread: the port's event thread, one per open period. It waits for
// the line (ComLine::WaitEvent: poll with a wake-up descriptor on Linux,
// WaitCommEvent with a wake-up event on Windows), hands each batch of
// events to the window thread and waits until it has been handled there.
//
// It ends when stopped, when the line is lost (hang-up, I/O error: an
// unplugged adapter), or when handling a batch raised; in each case it
// throws away whatever is still queued in both directions. Until the port
// is closed and opened again nothing more is received.
//
// Thread safety: created and destroyed by the port under its lock (Open and
// Close), on any thread. The destructor stops the thread and waits for it;
// on the window thread it keeps running hand-overs meanwhile.

#include "platform/thread.h"
#include "serial/comline.h"

#include <chrono>

namespace serial {

class SerialPort;

class PortEventThread {
public:
    // Starts at once. watchInput: report received characters (evRxChar).
    PortEventThread(SerialPort& port, serial::ComLine& line, platform::WindowThread& window, bool watchInput);
    PortEventThread(const PortEventThread&) = delete;
    PortEventThread& operator=(const PortEventThread&) = delete;
    ~PortEventThread();

private:
    void Execute();
    // Hands a received-characters event to the window thread; leftQueued
    // is the number of bytes it found and left unread. False when the thread
    // is to end.
    bool DispatchReceived(int& leftQueued);

    // While received bytes stay queued because nobody read them, the line
    // stays readable; the thread then looks for new bytes at this pace
    // instead of waking up at once, again and again.
    static constexpr std::chrono::milliseconds kRecheckInterval{50};

    SerialPort& port_;
    serial::ComLine& line_;
    platform::WindowThread& window_;
    const bool watchInput_;
    platform::ServedThread thread_;
};

} // namespace serial
