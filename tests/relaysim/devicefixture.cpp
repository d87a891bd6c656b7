#include "tests/relaysim/devicefixture.h"

#include "tools/relaysim/image.h"

#include <cstdlib>

namespace relaysim::testing {

void DeviceFixture::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "relaysim-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    scratch_ = pattern;
}

void DeviceFixture::TearDown()
{
    client_.reset();
    device_.reset();
    std::filesystem::remove_all(scratch_);
}

void DeviceFixture::Start(const Options& options)
{
    device_ = std::make_unique<Device>(options);
    device_->Start();
    client_ = std::make_unique<ScriptedClient>(device_->SlavePath());
}

void DeviceFixture::Send(const std::string& bytes)
{
    const std::size_t expected = device_->GetStatus().bytesReceived + bytes.size();
    client_->Write(bytes);
    ASSERT_TRUE(device_->WaitUntil([&](const Status& status) { return status.bytesReceived >= expected; }, 5s))
        << "the device did not take " << bytes.size() << " bytes";
}

std::size_t DeviceFixture::BytesSent()
{
    // The device counts what it wrote just after writing it, possibly after
    // the client has read it.
    std::size_t sent = 0;
    EXPECT_TRUE(device_->WaitUntil(
        [&](const Status& s) {
            sent = s.bytesSent;
            return s.bytesPending == 0;
        },
        5s));
    return sent;
}

void DeviceFixture::ExpectSilence(std::size_t sentBefore)
{
    EXPECT_EQ(BytesSent(), sentBefore);
    EXPECT_EQ(client_->Available(), 0u);
}

std::string DeviceFixture::Ask(const std::string& bytes, std::size_t expectedLength)
{
    client_->Write(bytes);
    return client_->Read(expectedLength);
}

void DeviceFixture::WriteImage(const std::string& image)
{
    ASSERT_EQ(Ask("\x55", 1), "\xAA");
    ASSERT_EQ(Ask("\x7E", 1), "\x81");
    const std::vector<std::string> frames = FramesOf(image);
    for (std::size_t k = 0; k < frames.size(); ++k)
        ASSERT_EQ(Ask(frames[k], 1), "\x81") << "frame " << k + 1;
    ASSERT_EQ(client_->Read(1), "\x81") << "final acknowledgement";
}

std::string DeviceFixture::ReadDump()
{
    return Ask("\x77", kDumpSize);
}

} // namespace relaysim::testing
