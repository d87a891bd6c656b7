#pragma once
// The write and read sequences as requests posted to the worker: which
// message goes out in which order, which answer each awaits and for how
// long. The write and read operations (device/operations.h) post them, so
// the line sees the same bytes from the window and the command line.
//
// Thread safety: window thread, like every poster of requests; PostWriteBody
// is meant to run inside the handler of the first hello's answer, while the
// worker waits for it, so every request of the write is queued before the
// second hello goes out.

#include "device/request.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace device {
class DeviceWorker;
} // namespace device

namespace device::sequence {

inline constexpr std::int8_t Priority = 1;

inline constexpr int WriteHelloTimeout = 10000;
inline constexpr int WriteStartTimeout = 50;
inline constexpr int FrameTimeout = 10000;
inline constexpr int ClosingWaitTimeout = 1000;
// The device is given time to get ready between the two hellos of a write.
inline constexpr int PauseAfterFirstHelloMs = 2000;
// An image shorter than this is not a phone book.
inline constexpr std::uint64_t SmallestImageSize = 7000;

inline constexpr int ReadHelloTimeout = 5000;
// The dump must start within this time; it ends after its quiet time.
inline constexpr int DumpStartTimeout = 1500;
// A read that has not completed this long after it started is given up.
inline constexpr int ReadGiveUpMs = 40000;

// Closes and reopens the worker's port with its current settings, so each
// sequence starts on a freshly opened line; true when the port is open.
bool ReopenPort(DeviceWorker& worker);

// The first hello of a write (W1).
void PostWriteHello(DeviceWorker& worker, RequestHandler handler);

// One handler for all three outcomes of each request of a write's body.
struct WriteHandlers {
    RequestHandler handshake;  // the second hello
    RequestHandler firstFrame; // frame 1
    RequestHandler frame;      // frames 2 to N
    RequestHandler finished;   // the closing wait
};

// After the pause between the hellos: the second hello, write start (its
// outcome not looked at), one request per 16-byte frame of the image and the
// closing wait. Without an image (it could not be read) only the closing
// wait is posted. goOn runs before each frame is cut (the window lets a
// "Cancel" click run there); once it says no, nothing more is posted, not
// even the closing wait. Returns the number of frames posted.
std::uint32_t PostWriteBody(DeviceWorker& worker, std::optional<std::string> image, const WriteHandlers& handlers,
    const std::function<bool()>& goOn);

// The hello and the read request, each with its handler for all outcomes.
void PostRead(DeviceWorker& worker, RequestHandler handshake, RequestHandler data);

} // namespace device::sequence
