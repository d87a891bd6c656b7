#pragma once
// A virtual relay switch device on a pseudo-terminal, for tests and for
// trying the tool without hardware.
//
// Start() opens a pseudo-terminal and answers on its own thread whatever a
// client writes to the slave (SlavePath()), like the real device: 0xAA to a
// hello, 0x81 to write start, to each 16-byte frame and once more after the
// image is stored, and the dump to a read request (see responder.h and
// image.h). The client may close and reopen the slave at any time; closing
// it abandons a write in progress and drops answers not yet delivered.
//
// Thread safety: Start, Stop and the destructor belong to the thread that
// owns the Device. Every other member may be called from any thread at any
// time, before Start and after Stop included. The device's own thread waits
// in poll on the line and a wake-up descriptor, never spinning.

#include "tools/relaysim/options.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace relaysim {

// What the device has done so far; counters start at 0 with Start.
struct Status {
    std::size_t bytesReceived = 0; // the transcript's length
    std::size_t bytesSent = 0;     // answer bytes delivered to the line
    std::size_t bytesPending = 0;  // answer bytes scheduled, not yet delivered
    int hellos = 0;                // hello bytes taken as hellos
    int framesReceived = 0;        // complete frames of the write in progress
    int imagesStored = 0;          // complete writes stored (SetImage not counted)
    int imagesRejected = 0;        // complete writes refused for their check value
    int clientCloses = 0;          // times the client closed the slave
    // The most an answer byte has gone out after its moment: the device's
    // thread held up (a loaded machine) or the client leaving the line full.
    // An answer dropped unsent because the client left counts as going out
    // at the drop, if it was due by then.
    std::chrono::microseconds longestSendDelay{0};
    bool hungUp = false;  // the device closed the line (hang-up fault) and has ended
    bool stopped = false; // Stop has run
};

class Device {
public:
    explicit Device(Options options);
    // Stops the device.
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Loads the image file (an empty device when it does not exist), opens
    // the pseudo-terminal and starts answering. Throws std::runtime_error
    // (or std::system_error) when either fails. A Device starts once.
    void Start();
    // Ends the device's thread and closes the line. Safe to call twice.
    void Stop();

    // The path a client opens; empty before Start.
    std::string SlavePath() const;
    // Every byte received so far, in order.
    std::string Transcript() const;
    // The device's memory: kImageSize bytes (an empty device's before Start
    // has loaded the image file).
    std::string StoredImage() const;
    // Replaces the device's memory (and its file, if any) as a write would.
    // Throws std::invalid_argument unless the image is kImageSize bytes, and
    // std::runtime_error when the file cannot be written.
    void SetImage(const std::string& image);
    // Faults for every byte received from now on.
    void SetFaults(const Faults& faults);
    Status GetStatus() const;
    // Status::longestSendDelay so far, starting it over from 0.
    std::chrono::microseconds TakeLongestSendDelay();

    // Waits until condition(status) holds or the time runs out; returns
    // whether it holds. The condition runs with the device's lock held: it
    // must only look at the Status it is given.
    bool WaitUntil(const std::function<bool(const Status&)>& condition, std::chrono::milliseconds timeout) const;
    // The same without a time limit.
    void WaitUntil(const std::function<bool(const Status&)>& condition) const;

private:
    class Line; // the device's thread and what only it touches

    void StoreImageLocked(const std::string& image);
    void UpdateStatus(const std::function<void(Status&)>& change);

    const Options options_;
    std::unique_ptr<Line> line_;
    std::thread thread_;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    // Guarded by mutex_:
    Faults faults_;
    std::string image_;
    std::string transcript_;
    std::string slavePath_;
    Status status_;
};

} // namespace relaysim
