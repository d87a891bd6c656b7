#pragma once
// Test support: an engine on a named serial line, with the window thread
// run by the test's thread. enginetestbench.h puts it on a pseudo-terminal;
// under Wine the line is a COM port (engine_wine_test.cpp).

#include "engine/engine.h"
#include "platform/event.h"
#include "platform/plainwindowthread.h"

#include <chrono>
#include <string>

namespace enginetest {

using namespace std::chrono_literals;

// Bytes the device sends after a pause.
struct Chunk {
    std::chrono::milliseconds after;
    std::string bytes;
};

enum class Signal { None, Reply, ErrorReply, Timeout };

class EngineOnLine {
public:
    explicit EngineOnLine(const std::string& portName)
        : engine(window, portName, 9600, {send, reply, errorReply, timeout})
    {
        engine.Port().Open();
    }

    // Runs the window thread until the engine reports an outcome.
    Signal AwaitOutcome(std::chrono::milliseconds limit = 10s)
    {
        Signal outcome = Signal::None;
        window.RunUntil(
            [&] {
                outcome = Take();
                return outcome != Signal::None;
            },
            limit);
        return outcome;
    }

    // An outcome already signalled, without waiting.
    Signal Take()
    {
        switch (platform::WaitAny({&reply, &errorReply, &timeout}, 0ms)) {
        case 0:
            return Signal::Reply;
        case 1:
            return Signal::ErrorReply;
        case 2:
            return Signal::Timeout;
        default:
            return Signal::None;
        }
    }

    std::uint64_t Send(const std::string& command, const engine::MatchRule& ats, int replyTimeout)
    {
        const std::uint64_t number = engine.PrepareCommand(command, ats, replyTimeout);
        send.Set();
        return number;
    }

    platform::PlainWindowThread window;
    platform::Event send, reply, errorReply, timeout;
    engine::Engine engine;
};

} // namespace enginetest
