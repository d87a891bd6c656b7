// Every fault of the virtual device does what it says, and nothing more.

#include "tests/relaysim/devicefixture.h"

#include "platform/deadline.h"
#include "tools/relaysim/image.h"

namespace relaysim::testing {
namespace {

using RelaySimFaults = DeviceFixture;

Options WithFaults(const Faults& faults)
{
    Options options;
    options.faults = faults;
    return options;
}

TEST_F(RelaySimFaults, silentHelloSkipsOnlyThatHello)
{
    Faults faults;
    faults.silentHello = 2;
    Start(WithFaults(faults));
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    Send("\x55");
    ExpectSilence(1);
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_EQ(device_->GetStatus().hellos, 4);
}

TEST_F(RelaySimFaults, lateWriteStartAckArrivesBeforeTheFirstFrameAck)
{
    Faults faults;
    faults.writeStartAckDelay = 300ms;
    Start(WithFaults(faults));
    const auto start = platform::Clock::now();
    client_->Write("\x7E");
    client_->Write(FramesOf(MakeImage(1)).front()); // the tool's 50 ms ran out: the frame follows
    EXPECT_EQ(client_->Read(2), "\x81\x81");
    EXPECT_GE(platform::Clock::now() - start, 300ms);
}

TEST_F(RelaySimFaults, stopAckingAfterFrameLeavesLaterFramesUnanswered)
{
    for (const int lastAcked : {0, 3}) {
        SCOPED_TRACE(lastAcked);
        Faults faults;
        faults.stopAckingAfterFrame = lastAcked;
        Start(WithFaults(faults));
        const std::vector<std::string> frames = FramesOf(MakeImage(1));
        ASSERT_EQ(Ask("\x7E", 1), "\x81");
        for (int k = 1; k <= lastAcked; ++k)
            ASSERT_EQ(Ask(frames[k - 1], 1), "\x81") << "frame " << k;
        const std::size_t sent = BytesSent();
        Send(frames[lastAcked]);
        ExpectSilence(sent);
    }
}

TEST_F(RelaySimFaults, stopAckingAfterTheLastFrameWithholdsOnlyTheFinalAck)
{
    Faults faults;
    faults.stopAckingAfterFrame = kFramesPerImage;
    Start(WithFaults(faults));
    const std::string image = MakeImage(2);
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    const std::vector<std::string> frames = FramesOf(image);
    for (std::size_t k = 0; k + 1 < frames.size(); ++k)
        ASSERT_EQ(Ask(frames[k], 1), "\x81");
    const std::size_t sent = BytesSent();
    Send(frames.back());
    ASSERT_EQ(client_->Read(1), "\x81");
    ExpectSilence(sent + 1);
    EXPECT_EQ(device_->StoredImage(), image);
}

TEST_F(RelaySimFaults, hangUpAtFrameClosesTheLineInsteadOfAnsweringIt)
{
    Faults faults;
    faults.hangUpAtFrame = 3;
    Start(WithFaults(faults));
    const std::vector<std::string> frames = FramesOf(MakeImage(1));
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    ASSERT_EQ(Ask(frames[0], 1), "\x81");
    ASSERT_EQ(Ask(frames[1], 1), "\x81");
    client_->Write(frames[2]);
    EXPECT_TRUE(client_->WaitForHangUp(5s));
    EXPECT_EQ(client_->Available(), 0u);
    EXPECT_TRUE(device_->WaitUntil([](const Status& s) { return s.hungUp; }, 5s));
}

TEST_F(RelaySimFaults, dumpPausesAfterTheGivenByte)
{
    Faults faults;
    faults.dumpPause = DumpPause{100, 1000ms};
    Start(WithFaults(faults));
    const auto start = platform::Clock::now();
    client_->Write("\x77");
    std::size_t sentBeforePause = 0;
    ASSERT_TRUE(device_->WaitUntil(
        [&](const Status& s) {
            sentBeforePause = s.bytesSent;
            return s.bytesSent > 0;
        },
        5s));
    EXPECT_EQ(sentBeforePause, 100u);
    EXPECT_EQ(client_->Read(100), BuildDump(EmptyImage()).substr(0, 100));
    EXPECT_EQ(client_->Read(1), std::string(1, '\0'));
    EXPECT_GE(platform::Clock::now() - start, 1000ms);
    EXPECT_EQ(client_->Read(kDumpSize - 101), BuildDump(EmptyImage()).substr(101));
}

TEST_F(RelaySimFaults, dumpLengthCutsOrPadsTheDump)
{
    const std::string image = MakeImage(3);
    for (const std::size_t length : {std::size_t{5}, std::size_t{200}, kDumpSize, kDumpSize + 40}) {
        SCOPED_TRACE(length);
        Faults faults;
        faults.dumpLength = length;
        Start(WithFaults(faults));
        device_->SetImage(image);
        std::string expected = BuildDump(image);
        expected.resize(length, '\0');
        EXPECT_EQ(Ask("\x77", length), expected);
        ExpectSilence(length);
    }
}

TEST_F(RelaySimFaults, dumpContentReplacesTheDump)
{
    Faults faults;
    faults.dumpContent = std::string("\x01\x00\x02", 3);
    Start(WithFaults(faults));
    EXPECT_EQ(Ask("\x77", 3), std::string("\x01\x00\x02", 3));
    ExpectSilence(3);

    faults.dumpLength = 5; // both: the given content, then cut or padded
    device_->SetFaults(faults);
    EXPECT_EQ(Ask("\x77", 5), std::string("\x01\x00\x02\x00\x00", 5));
    ExpectSilence(8);
}

TEST_F(RelaySimFaults, garbageGoesBeforeEveryAnswer)
{
    Faults faults;
    faults.garbage = "\x01\xFE";
    Start(WithFaults(faults));
    EXPECT_EQ(Ask("\x55", 3), "\x01\xFE\xAA");
    EXPECT_EQ(Ask("\x7E", 3), "\x01\xFE\x81");
    EXPECT_EQ(Ask(FramesOf(MakeImage(1)).front(), 3), "\x01\xFE\x81");
    client_->Close();
    ASSERT_TRUE(device_->WaitUntil([](const Status& s) { return s.clientCloses == 1; }, 5s));
    client_->Open();
    EXPECT_EQ(Ask("\x77", kDumpSize + 2), "\x01\xFE" + BuildDump(EmptyImage()));
}

TEST_F(RelaySimFaults, faultsSetWhileRunningApplyToTheNextBytes)
{
    Start();
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    Faults faults;
    faults.garbage = "G";
    device_->SetFaults(faults);
    EXPECT_EQ(Ask("\x55", 2), "G\xAA");
}

TEST_F(RelaySimFaults, silentOnBadCheckValueRefusesOnlyBadImages)
{
    std::string badImage = MakeImage(4);
    badImage.back() ^= 0x01;
    struct Case {
        bool silentOnBadCheck;
        bool imageValid;
        bool storedAndAcknowledged;
    };
    for (const Case& c : {Case{true, false, false}, Case{true, true, true}, Case{false, false, true}}) {
        SCOPED_TRACE(::testing::Message() << "fault " << c.silentOnBadCheck << ", valid " << c.imageValid);
        Faults faults;
        faults.silentOnBadCheckValue = c.silentOnBadCheck;
        Start(WithFaults(faults));
        const std::string image = c.imageValid ? MakeImage(4) : badImage;
        ASSERT_EQ(Ask("\x7E", 1), "\x81");
        const std::vector<std::string> frames = FramesOf(image);
        for (const std::string& frame : frames)
            ASSERT_EQ(Ask(frame, 1), "\x81"); // the last frame is acknowledged either way
        if (c.storedAndAcknowledged) {
            EXPECT_EQ(client_->Read(1), "\x81");
            EXPECT_EQ(device_->StoredImage(), image);
        } else {
            ExpectSilence(1 + frames.size());
            EXPECT_EQ(device_->StoredImage(), EmptyImage());
            EXPECT_EQ(device_->GetStatus().imagesRejected, 1);
        }
    }
}

} // namespace
} // namespace relaysim::testing
