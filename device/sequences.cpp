#include "device/sequences.h"

#include "device/deviceworker.h"
#include "device/protocol.h"
#include "platform/deadline.h"

#include <exception>

namespace device::sequence {
namespace {

void PostAwaiting(DeviceWorker& worker, std::string command, char answer, int timeout, const RequestHandler& handler)
{
    worker.PostRequest(std::move(command), protocol::AnswerContaining(answer), timeout, handler, handler, handler,
        Priority);
}

} // namespace

bool ReopenPort(DeviceWorker& worker)
{
    try {
        worker.Connect("", 0);
    } catch (const std::exception&) {
    }
    return worker.Engine().IsPortOpen();
}

void PostWriteHello(DeviceWorker& worker, RequestHandler handler)
{
    PostAwaiting(worker, std::string(1, protocol::Hello), protocol::HelloAck, WriteHelloTimeout, handler);
}

std::uint32_t PostWriteBody(DeviceWorker& worker, std::optional<std::string> image, const WriteHandlers& handlers,
    const std::function<bool()>& goOn)
{
    // The frames are cut as from the file itself, so a short last read
    // keeps the previous frame's tail.
    // The worker waits for the handler running this, so nothing goes out
    // meanwhile.
    platform::SleepMs(PauseAfterFirstHelloMs);

    std::uint32_t frameCount = 0;
    if (image) {
        protocol::FrameReader frames(*image);
        bool firstPass = true;
        for (;;) {
            if (!goOn())
                return frameCount;
            if (firstPass) {
                PostAwaiting(worker, std::string(1, protocol::Hello), protocol::HelloAck, WriteHelloTimeout,
                    handlers.handshake);
                // Its outcome is not looked at: the first frame follows at once.
                worker.PostRequest(std::string(1, protocol::WriteStart), protocol::AnswerContaining(protocol::Ack),
                    WriteStartTimeout, nullptr, nullptr, nullptr, Priority);
                firstPass = false;
            }
            std::optional<std::string> frame = frames.Next();
            if (!frame)
                break;
            ++frameCount;
            PostAwaiting(worker, std::move(*frame), protocol::Ack, FrameTimeout,
                frameCount == 1 ? handlers.firstFrame : handlers.frame);
        }
    }
    PostAwaiting(worker, std::string(), protocol::Ack, ClosingWaitTimeout, handlers.finished);
    return frameCount;
}

void PostRead(DeviceWorker& worker, RequestHandler handshake, RequestHandler data)
{
    worker.PostRequest(std::string(1, protocol::Hello), protocol::AnswerContaining(protocol::HelloAck),
        ReadHelloTimeout, handshake, handshake, handshake, Priority);
    worker.PostRequest(std::string(1, protocol::ReadRequest), protocol::DumpAts(), DumpStartTimeout, data, data, data,
        Priority);
}

} // namespace device::sequence
