// The write and read operations against the virtual device: an observer
// that throws ends its operation at that step, with nothing more of it on
// the line, and the next operation works.

#include "device/operations.h"

#include "device/mainthreat.h"
#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"
#include "tools/relaysim/device.h"

#include <gtest/gtest.h>

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
    void Failed(device::Step step) override { failed = step; }
    void Finished(const std::string& dump) override
    {
        if (throwOnFinish)
            throw std::runtime_error("observer failed");
        finished = dump;
    }
    std::uint32_t throwAtFrame = 0;
    bool throwOnFinish = false;
    std::optional<device::Step> failed;
    std::optional<std::string> finished;
};

class Operations : public ::testing::Test {
protected:
    Operations()
    {
        device.Start();
        worker = std::make_unique<TMainThreat>(
            window, device.SlavePath(), 115200, dbEight, parity, sbOneStopBit, flowControl);
    }
    void RunToTheEnd(const device::DeviceOperation& operation)
    {
        ASSERT_TRUE(window.RunUntil([&] { return !operation.Running(); }, 30s));
        // Whatever of it was still on its way has arrived by now.
        ASSERT_TRUE(window.RunUntil([&] { return worker->QueuedCount() == 0; }, 15s));
    }

    relaysim::Device device{relaysim::Options{}};
    platform::PlainWindowThread window;
    TComParity parity;
    TComFlowControl flowControl;
    std::unique_ptr<TMainThreat> worker;
};

TEST_F(Operations, throwingObserverEndsItsOperationAtThatStepAndTheNextOneWorks)
{
    const std::string image(7507, '\x35');
    Watch write;
    write.throwAtFrame = 3;
    device::WriteOperation brokenWrite(*worker, write);
    ASSERT_TRUE(brokenWrite.Start([&] { return image; }));
    RunToTheEnd(brokenWrite);
    EXPECT_EQ(write.failed, device::Step::Frames);
    // Frame 4 may have been on the line when frame 3's answer came.
    EXPECT_LE(device.GetStatus().framesReceived, 4);

    Watch read;
    read.throwOnFinish = true;
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

} // namespace
