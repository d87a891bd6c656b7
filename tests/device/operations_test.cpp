// The write and read operations against the virtual device: an observer
// that throws, in its failure news too, ends its operation at that step, with nothing more of it on
// the line, and the next operation works; an acknowledgement that comes too
// late for its own message never answers the next one before it is written.

#include "device/operations.h"

#include "device/deviceworker.h"
#include "phonebook/phonebookfile.h"
#include "platform/deadline.h"
#include "platform/plainwindowthread.h"
#include "serial/portsettings.h"
#include "serial/serialport.h"
#include "tools/relaysim/device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

struct Watch : device::OperationObserver {
    void FrameWritten(std::uint32_t frame, std::uint32_t) override
    {
        if (frame == throwAtFrame)
            throw std::runtime_error("observer failed");
    }
    void Failed(device::Step step, device::FrameCount) override
    {
        failed = step;
        if (throwOnFailure)
            throw std::runtime_error("observer failed too");
    }
    void Finished(const std::string& dump) override
    {
        if (throwOnFinish)
            throw std::runtime_error("observer failed");
        finished = dump;
    }
    std::uint32_t throwAtFrame = 0;
    bool throwOnFinish = false;
    bool throwOnFailure = false;
    std::optional<device::Step> failed;
    std::optional<std::string> finished;
};

class Operations : public ::testing::Test {
protected:
    explicit Operations(relaysim::Options options = {})
        : device(std::move(options))
    {
        device.Start();
        serial::PortSettings settings;
        settings.Port = device.SlavePath();
        settings.BaudRate = 115200;
        worker = device::MakeDeviceWorker(window, settings);
    }
    void RunToTheEnd(const device::DeviceOperation& operation)
    {
        ASSERT_TRUE(window.RunUntil([&] { return !operation.Running(); }, 30s));
        // Whatever of it was still on its way has arrived by now.
        ASSERT_TRUE(window.RunUntil([&] { return worker->QueuedCount() == 0; }, 15s));
    }

    relaysim::Device device;
    platform::PlainWindowThread window;
    std::unique_ptr<device::DeviceWorker> worker;
};

TEST_F(Operations, throwingObserverEndsItsOperationAtThatStepAndTheNextOneWorks)
{
    const std::string image(7507, '\x35');
    Watch write;
    write.throwAtFrame = 3;
    write.throwOnFailure = true;
    device::WriteOperation brokenWrite(*worker, write);
    ASSERT_TRUE(brokenWrite.Start([&] { return image; }));
    RunToTheEnd(brokenWrite);
    EXPECT_EQ(write.failed, device::Step::Frames);
    // Frame 4 may have been on the line when frame 3's answer came.
    EXPECT_LE(device.GetStatus().framesReceived, 4);

    Watch read;
    read.throwOnFinish = true;
    read.throwOnFailure = true;
    device::ReadOperation brokenRead(*worker, window, read);
    ASSERT_TRUE(brokenRead.Start());
    RunToTheEnd(brokenRead);
    EXPECT_EQ(read.failed, device::Step::Dump);

    Watch next;
    device::WriteOperation goodWrite(*worker, next);
    ASSERT_TRUE(goodWrite.Start([&] { return image; }));
    RunToTheEnd(goodWrite);
    device::ReadOperation goodRead(*worker, window, next);
    ASSERT_TRUE(goodRead.Start());
    RunToTheEnd(goodRead);
    EXPECT_FALSE(next.failed);
    EXPECT_EQ(device.StoredImage(), image);
    ASSERT_TRUE(next.finished);
    EXPECT_EQ(next.finished->size(), 7505u);
}

// The device acknowledges the write start 10 ms after its time-out ran out;
// frame 1 is prepared meanwhile. Every write waits until all the device has
// sent has reached the engine, so the late acknowledgement is in before
// frame 1 goes out: frame 1 must still be written and answered by its own
// acknowledgement, and the device must store the image byte for byte.
class LateWriteStartAck : public Operations {
protected:
    LateWriteStartAck()
        : Operations(Options())
    {
    }
    static relaysim::Options Options()
    {
        relaysim::Options options;
        options.faults.writeStartAckDelay = 60ms;
        return options;
    }
};

TEST_F(LateWriteStartAck, doesNotAnswerFrameOneAndTheImageIsStored)
{
    std::atomic<std::size_t> received{0};
    serial::PortLink link;
    link.OnRxBuf = [&](serial::SerialPort&, const char*, int count) { received += static_cast<std::size_t>(count); };
    worker->Engine().Port().RegisterLink(&link);
    worker->Engine().SetBeforeWriteHook([&] {
        for (int turn = 0; turn < 500; ++turn) {
            const relaysim::Status status = device.GetStatus();
            if (status.bytesPending == 0 && status.bytesSent == received)
                return;
            platform::SleepMs(10);
        }
    });
    phonebook::PhoneBook book;
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot)
        book.numbers[static_cast<std::size_t>(slot)] = std::to_string(860000000 + slot);
    book.relayTimeout = 40000;
    const std::string image = phonebook::EncodePhoneBook(book);
    Watch watch;
    device::WriteOperation write(*worker, watch);
    ASSERT_TRUE(write.Start([&] { return image; }));
    RunToTheEnd(write);
    worker->Engine().Port().UnRegisterLink(&link);
    EXPECT_FALSE(watch.failed);
    EXPECT_EQ(device.GetStatus().imagesStored, 1);
    EXPECT_EQ(device.StoredImage(), image);
}

} // namespace
