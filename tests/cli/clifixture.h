#pragma once
// qem-cli as a child process against a virtual relay device in this
// process, on a pseudo-terminal; the port settings come from the command
// line and an empty settings file, never from a developer's own.

#include "tools/relaysim/device.h"

#include "tests/support/childprocess.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CliWithDevice : public ::testing::Test {
protected:
    struct Result {
        std::optional<int> status;
        std::string out;
        std::string err;
    };

    void SetUp() override { WriteBytes(dir / "empty.INI", "[PortSettings]\n"); }

    relaysim::Device& StartDevice(relaysim::Options options = {})
    {
        device = std::make_unique<relaysim::Device>(std::move(options));
        device->Start();
        return *device;
    }

    std::vector<std::string> Arguments(const std::vector<std::string>& command) const
    {
        std::vector<std::string> all{"--port", device ? device->SlavePath() : dir / "no-such-port", "--baud", "115200",
            "--settings", dir / "empty.INI"};
        all.insert(all.end(), command.begin(), command.end());
        return all;
    }

    std::unique_ptr<ChildProcess> Launch(const std::vector<std::string>& command) const
    {
        return std::make_unique<ChildProcess>(QEM_CLI_PROGRAM, Arguments(command));
    }

    Result Run(const std::vector<std::string>& command,
        std::chrono::milliseconds limit = std::chrono::seconds(60)) const
    {
        const std::unique_ptr<ChildProcess> cli = Launch(command);
        Result result;
        result.status = cli->WaitForExit(limit);
        result.out = cli->Output();
        result.err = cli->ErrorOutput();
        return result;
    }

    std::string File(const std::string& name, const std::string& bytes) const
    {
        WriteBytes(dir / name, bytes);
        return dir / name;
    }

    TempDir dir;
    std::unique_ptr<relaysim::Device> device;
};
