// The virtual device against a scripted client over its pseudo-terminal:
// the protocol, its memory and the client closing and reopening the line.

#include "tests/relaysim/devicefixture.h"

#include "phonebook/crc16.h"
#include "platform/deadline.h"
#include "tools/relaysim/image.h"
#include "tools/relaysim/imagefile.h"

#include <fstream>
#include <random>

namespace relaysim::testing {
namespace {

// The dump as the tool decodes it: the image's first 7503 bytes, then the
// low 16 bits of their check value, low byte first.
std::string ExpectedDump(const std::string& image)
{
    std::string dump = image.substr(0, kCheckedSize);
    const std::uint32_t check = phonebook::Crc16Of(dump);
    dump.push_back(static_cast<char>(check & 0xFF));
    dump.push_back(static_cast<char>((check >> 8) & 0xFF));
    return dump;
}

std::string FileContent(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

using RelaySimDevice = DeviceFixture;

TEST_F(RelaySimDevice, answersHelloAndIgnoresOtherBytesWhileIdle)
{
    Start();
    for (const char byte : std::string("\x00\x81\xAA\x41\xFF\x0A\x0D", 7)) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(byte)));
        Send(std::string(1, byte));
        ExpectSilence(0);
    }
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
}

TEST_F(RelaySimDevice, writeThenReadReturnsWhatWasWritten)
{
    Start();
    const std::string image = MakeImage(1); // holds 0x55, 0x7E and 0x77 as data
    ASSERT_NO_FATAL_FAILURE(WriteImage(image));
    EXPECT_EQ(device_->StoredImage(), image);
    EXPECT_EQ(device_->GetStatus().imagesStored, 1);

    EXPECT_EQ(ReadDump(), ExpectedDump(image));

    std::string sent = "\x55\x7E";
    for (const std::string& frame : FramesOf(image))
        sent += frame;
    sent += "\x77";
    EXPECT_EQ(device_->Transcript(), sent);
}

TEST_F(RelaySimDevice, finalAckFollowsOnceTheImageIsStored)
{
    Options options;
    options.storeTime = 300ms;
    Start(options);
    const std::vector<std::string> frames = FramesOf(MakeImage(1));
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    for (std::size_t k = 0; k + 1 < frames.size(); ++k)
        ASSERT_EQ(Ask(frames[k], 1), "\x81");
    const auto lastFrameSent = platform::Clock::now();
    ASSERT_EQ(Ask(frames.back(), 1), "\x81");
    EXPECT_EQ(client_->Read(1), "\x81");
    EXPECT_GE(platform::Clock::now() - lastFrameSent, 300ms);
}

TEST_F(RelaySimDevice, arbitraryBytesLeaveItAnswering)
{
    Start();
    std::mt19937 random(5);
    std::string noise;
    for (int i = 0; i < 50000; ++i)
        noise.push_back(static_cast<char>(random()));
    Send(noise); // its answers are never read
    client_->Close();
    ASSERT_TRUE(device_->WaitUntil([](const Status& s) { return s.clientCloses == 1; }, 5s));
    client_->Open();
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_EQ(device_->Transcript().substr(0, noise.size()), noise);
}

TEST_F(RelaySimDevice, emptyDeviceHoldsZerosAndDumpsTheirCheckBytes)
{
    Start();
    EXPECT_EQ(device_->StoredImage(), std::string(kCheckedSize, '\0') + "\xAF\xDD\x4F\xA4");
    EXPECT_EQ(ReadDump(), std::string(kCheckedSize, '\0') + "\xAF\xDD");
}

TEST_F(RelaySimDevice, storesOnlyTheImageBytesOfTheLastFrame)
{
    Start();
    const std::string image = MakeImage(2);
    std::vector<std::string> frames = FramesOf(image);
    frames.back().replace(3, 13, std::string(13, '\xEE'));
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    for (const std::string& frame : frames)
        ASSERT_EQ(Ask(frame, 1), "\x81");
    ASSERT_EQ(client_->Read(1), "\x81");
    EXPECT_EQ(device_->StoredImage(), image);
}

TEST_F(RelaySimDevice, successiveWritesReplaceTheImage)
{
    Start();
    ASSERT_NO_FATAL_FAILURE(WriteImage(MakeImage(3)));
    ASSERT_NO_FATAL_FAILURE(WriteImage(MakeImage(4)));
    EXPECT_EQ(ReadDump(), ExpectedDump(MakeImage(4)));
    EXPECT_EQ(device_->GetStatus().imagesStored, 2);
}

TEST_F(RelaySimDevice, imageFileKeepsTheMemoryAcrossRuns)
{
    const auto path = scratch_ / "device.kalc";
    Options options;
    options.imagePath = path.string();
    Start(options);
    EXPECT_FALSE(std::filesystem::exists(path)) << "a start alone writes nothing";
    const std::string image = MakeImage(5);
    ASSERT_NO_FATAL_FAILURE(WriteImage(image));
    client_.reset();
    device_.reset();
    EXPECT_EQ(FileContent(path), image);
    // Saved under a temporary name and renamed: nothing else is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch_), {}), 1);

    Start(options);
    EXPECT_EQ(device_->StoredImage(), image);
    EXPECT_EQ(ReadDump(), ExpectedDump(image));
}

TEST_F(RelaySimDevice, imageFileOfAnotherSizeIsRefusedAndKept)
{
    const auto path = scratch_ / "device.kalc";
    for (const std::size_t size : {std::size_t{0}, std::size_t{100}, kImageSize - 1, kImageSize + 1}) {
        SCOPED_TRACE(size);
        WriteFile(path, std::string(size, 'x'));
        Options options;
        options.imagePath = path.string();
        Device device(options);
        EXPECT_THROW(device.Start(), std::runtime_error);
        EXPECT_EQ(FileContent(path), std::string(size, 'x'));
    }
}

TEST_F(RelaySimDevice, setImageIsDumpedAndSaved)
{
    const auto path = scratch_ / "device.kalc";
    Options options;
    options.imagePath = path.string();
    Start(options);
    const std::string image = MakeImage(6);
    device_->SetImage(image);
    EXPECT_EQ(ReadDump(), ExpectedDump(image));
    EXPECT_EQ(LoadImageFile(path.string()), image);
    EXPECT_THROW(device_->SetImage(image + "x"), std::invalid_argument);
    EXPECT_EQ(device_->StoredImage(), image);
}

TEST_F(RelaySimDevice, servesAClientThatReopensTheSlave)
{
    Start();
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(Ask("\x55", 1), "\xAA");
        client_->Close();
        ASSERT_TRUE(device_->WaitUntil([&](const Status& s) { return s.clientCloses == round; }, 5s));
        client_->Open();
    }
    ASSERT_NO_FATAL_FAILURE(WriteImage(MakeImage(7)));
}

TEST_F(RelaySimDevice, closingTheSlaveAbandonsAWriteInProgress)
{
    Start();
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    ASSERT_EQ(Ask(std::string(16, '\x01'), 1), "\x81");
    client_->Write(std::string(8, '\x02')); // half a frame
    client_->Close();
    ASSERT_TRUE(device_->WaitUntil([](const Status& s) { return s.clientCloses == 1; }, 5s));
    EXPECT_EQ(device_->GetStatus().framesReceived, 0);
    client_->Open();
    // Taken as a hello, not as image data.
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_EQ(device_->StoredImage(), EmptyImage());
}

TEST_F(RelaySimDevice, answersLeftUnreadAreGoneWhenTheClientReopens)
{
    Start();
    Send("\x77"); // a dump the client never reads
    client_->Close();
    ASSERT_TRUE(device_->WaitUntil([](const Status& s) { return s.clientCloses == 1; }, 5s));
    client_->Open();
    EXPECT_EQ(client_->Available(), 0u);
    EXPECT_EQ(device_->GetStatus().bytesPending, 0u);
    EXPECT_EQ(Ask("\x55", 1), "\xAA");
    EXPECT_EQ(client_->Available(), 0u);
}

TEST_F(RelaySimDevice, stopEndsTheLine)
{
    Start();
    device_->Stop();
    EXPECT_TRUE(client_->WaitForHangUp(5s));
    EXPECT_TRUE(device_->GetStatus().stopped);
    device_->Stop(); // again: nothing happens
}

} // namespace
} // namespace relaysim::testing
