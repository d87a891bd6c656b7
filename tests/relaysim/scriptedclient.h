#pragma once
// The tool's side of the line, scripted by tests: opens a pseudo-terminal
// slave the way the serial port does (raw, no controlling terminal) and
// writes and reads bytes with time limits.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace relaysim::testing {

using namespace std::chrono_literals;

class ScriptedClient {
public:
    // Opens the slave; throws std::system_error when it cannot.
    explicit ScriptedClient(std::string path);
    ~ScriptedClient();
    ScriptedClient(const ScriptedClient&) = delete;
    ScriptedClient& operator=(const ScriptedClient&) = delete;

    void Open();
    void Close();

    void Write(const std::string& bytes);
    // Whatever arrives until `count` bytes are in or the time runs out.
    std::string Read(std::size_t count, std::chrono::milliseconds timeout = 5s);
    // Bytes that have arrived and are not yet read.
    std::size_t Available() const;
    // Waits until the line reports a hang-up; false when the time ran out.
    bool WaitForHangUp(std::chrono::milliseconds timeout);

private:
    std::string path_;
    int fd_ = -1;
};

// A valid image (check value included) whose slots and settings are
// derived from seed; every byte value occurs, the protocol's own included.
std::string MakeImage(int seed);
// The data frames the tool sends for an image: consecutive 16-byte frames,
// the last one completed with what stood in the frame buffer before.
std::vector<std::string> FramesOf(const std::string& image);

} // namespace relaysim::testing
