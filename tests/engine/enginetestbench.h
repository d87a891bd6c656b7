#pragma once
// Test support: an engine on one end of a pseudo-terminal and a scripted
// device on the other, with the window thread run by the test's thread.

#include "engine/engine.h"
#include "platform/deadline.h"
#include "platform/event.h"
#include "platform/plainwindowthread.h"
#include "tests/support/ptypair.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace enginetest {

using namespace std::chrono_literals;

// Bytes the device sends after a pause.
struct Chunk {
    std::chrono::milliseconds after;
    std::string bytes;
};

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

enum class Outcome { None, Reply, ErrorReply, Timeout };

class EngineOnPty {
public:
    EngineOnPty()
        : engine(window, pty.SlavePath(), 9600, {send, reply, errorReply, timeout})
    {
        engine.Port().Open();
    }

    // Runs the window thread until the engine reports an outcome.
    Outcome AwaitOutcome(std::chrono::milliseconds limit = 10s)
    {
        Outcome outcome = Outcome::None;
        window.RunUntil([&] {
            outcome = Take();
            return outcome != Outcome::None;
        }, limit);
        return outcome;
    }

    // An outcome already signalled, without waiting.
    Outcome Take()
    {
        switch (platform::WaitAny({&reply, &errorReply, &timeout}, 0ms)) {
        case 0:
            return Outcome::Reply;
        case 1:
            return Outcome::ErrorReply;
        case 2:
            return Outcome::Timeout;
        default:
            return Outcome::None;
        }
    }

    void Send(const std::string& command, const TAts& ats, int replyTimeout)
    {
        engine.PrepareCommand(command, ats, replyTimeout);
        send.Set();
    }

    platform::PlainWindowThread window;
    serialtest::PtyPair pty;
    platform::Event send, reply, errorReply, timeout;
    TTestEngine engine;
};

} // namespace enginetest
