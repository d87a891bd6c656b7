// The worker, its engine and the serial component against the virtual
// relay device on a pseudo-terminal.

#include "device/mainthreat.h"
#include "device/protocol.h"

#include "platform/plainwindowthread.h"
#include "serial/comsettings.h"
#include "tools/relaysim/device.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Log {
    std::vector<std::pair<std::string, int>> calls;
    std::function<void(TMainThreat*)> next;
};

TRequestHandler Record(Log& log)
{
    return [&log](TMainThreat& worker, const std::string& reply, TOutcome outcome) {
        log.calls.emplace_back(reply, static_cast<int>(outcome));
        if (log.next)
            log.next(&worker);
    };
}

class WorkerWithDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        device.Start();
        worker = std::make_unique<TMainThreat>(
            window, device.SlavePath(), 115200, dbEight, parity, sbOneStopBit, flowControl);
    }
    void PostHello()
    {
        worker->PostRequest(std::string(1, protocol::Hello), protocol::AnswerContaining(protocol::HelloAck), 2000,
            Record(log), Record(log), Record(log), 1);
    }
    bool RunUntilCalls(size_t n)
    {
        return window.RunUntil([&] { return log.calls.size() >= n; }, 10s);
    }

    relaysim::Device device{relaysim::Options{}};
    platform::PlainWindowThread window;
    TComParity parity;
    TComFlowControl flowControl;
    Log log;
    std::unique_ptr<TMainThreat> worker;
};

TEST_F(WorkerWithDevice, chainOfFiftyRequestsPostedFromHandlers)
{
    ASSERT_TRUE(worker->Connect("", 0));
    worker->BeginOperation();
    log.next = [this](TMainThreat*) {
        if (log.calls.size() < 50)
            PostHello();
    };
    PostHello();
    ASSERT_TRUE(RunUntilCalls(50));
    for (const auto& call : log.calls)
        EXPECT_EQ(call, std::make_pair(std::string("\xAA"), 1));
    EXPECT_EQ(device.Transcript(), std::string(50, protocol::Hello));
}

} // namespace
