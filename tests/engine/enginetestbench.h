#pragma once
// Test support: an engine on one end of a pseudo-terminal and a scripted
// device on the other, with the window thread run by the test's thread.

#include "platform/deadline.h"
#include "tests/engine/engineonline.h"
#include "tests/support/ptypair.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace enginetest {

using namespace std::chrono_literals;

// Plays the device on the pty's master: waits for the command, then sends
// its chunks, each after its pause (the device's own timing, not a wait for
// the code under test).
class ScriptedDevice {
public:
    ScriptedDevice(serialtest::PtyPair& pty, std::size_t commandLength, std::vector<Chunk> chunks)
        : thread_([&pty, commandLength, chunks = std::move(chunks), this] {
            command_ = pty.ReadFromPort(commandLength, 5s);
            for (const Chunk& chunk : chunks) {
                std::this_thread::sleep_for(chunk.after);
                pty.WriteToPort(chunk.bytes);
            }
        })
    {
    }
    ~ScriptedDevice() { Join(); }
    // What the device received; valid once it has been destroyed or joined.
    const std::string& Command() const { return command_; }
    void Join()
    {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::string command_;
    std::thread thread_;
};

// The pair comes first, so that the engine can open its slave.
struct PtyHolder {
    serialtest::PtyPair pty;
};

class EngineOnPty : public PtyHolder, public EngineOnLine {
public:
    EngineOnPty()
        : EngineOnLine(pty.SlavePath())
    {
    }
};

} // namespace enginetest
