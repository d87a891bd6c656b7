#pragma once
// A virtual device started in-process with a scripted client on its slave,
// and a scratch directory removed after each test.

#include "tests/relaysim/scriptedclient.h"
#include "tools/relaysim/device.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace relaysim::testing {

class DeviceFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the device and opens its slave.
    void Start(const Options& options = {});
    // Writes the bytes and waits until the device has taken all of them, so
    // that any answer is then either delivered or counted as pending.
    void Send(const std::string& bytes);
    // Answer bytes sent so far, once nothing is on its way.
    std::size_t BytesSent();
    // After Send: once nothing is on its way, the device has sent no more
    // than `sentBefore` bytes.
    void ExpectSilence(std::size_t sentBefore);
    // Sends and returns the answer of `expectedLength` bytes.
    std::string Ask(const std::string& bytes, std::size_t expectedLength);
    // The tool's write sequence from hello to the final acknowledgement.
    void WriteImage(const std::string& image);
    std::string ReadDump();

    std::filesystem::path scratch_;
    std::unique_ptr<Device> device_;
    std::unique_ptr<ScriptedClient> client_;
};

} // namespace relaysim::testing
