// qem-cli against a device that stops answering: the protocol's 10 s
// time-outs run out, and the message names the step.

#include "tests/cli/clifixture.h"
#include "tests/cli/goldenbook.h"

namespace {

TEST_F(CliWithDevice, aSilentDeviceFailsTheWriteAtTheStepItFellSilent)
{
    struct Case {
        const char* name;
        relaysim::Faults faults;
        std::string message;
    };
    relaysim::Faults silentHello;
    silentHello.silentHello = 1;
    relaysim::Faults stopsAtFrame100;
    stopsAtFrame100.stopAckingAfterFrame = 100;
    for (const Case& c : std::vector<Case>{{"hello", silentHello, "no answer to the hello within 10 s"},
             {"frame 101", stopsAtFrame100, "no acknowledgement at frame 101 of 470"}}) {
        SCOPED_TRACE(c.name);
        relaysim::Options options;
        options.faults = c.faults;
        StartDevice(options);
        const Result result = Run({"write", File("a.kalc", GoldenBook({{0, "12"}}))});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.find(c.message) != std::string::npos) << result.err;
        EXPECT_EQ(device->GetStatus().imagesStored, 0);
    }
}

} // namespace
