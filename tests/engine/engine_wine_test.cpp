// The engine's matching modes under Wine, on a COM port whose far end sends
// every byte back (tests/support/winelines.h): the command is the answer's
// first chunk, and the test writes the later chunks after their pauses.
#include "tests/engine/enginemodecases.h"
#include "tests/support/winelines.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace enginetest;

// Writes the later chunks of an answer into the line, each after its pause.
class LaterChunks {
public:
    LaterChunks(serial::SerialPort& port, std::vector<Chunk> chunks)
        : thread_([&port, chunks = std::move(chunks)] {
            for (std::size_t i = 1; i < chunks.size(); ++i) {
                std::this_thread::sleep_for(chunks[i].after);
                port.WriteStr(chunks[i].bytes);
            }
        })
    {
    }
    ~LaterChunks() { thread_.join(); }

private:
    std::thread thread_;
};

class EngineModesUnderWine : public ::testing::TestWithParam<ModeCase> {};

TEST_P(EngineModesUnderWine, cutTheReplyWhereTheModeSays)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    EngineOnLine bench(name);
    bench.Send(GetParam().answer.front().bytes, GetParam().ats, 3000);
    LaterChunks later(bench.engine.Port(), GetParam().answer);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::Reply);
    EXPECT_EQ(bench.engine.Reply(), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(Table, EngineModesUnderWine, ::testing::ValuesIn(EngineModeCases()),
    [](const auto& info) { return std::string(info.param.name); });

class EngineErrorTextUnderWine : public ::testing::TestWithParam<int> {};

TEST_P(EngineErrorTextUnderWine, endsTheCommandWithTheErrorTextInEveryMode)
{
    QEM_WINE_LINE("QEM_TEST_ECHO_PORT", name);
    EngineOnLine bench(name);
    bench.Send(kErrorAnswer, ErrorTextAts(GetParam()), 2000);
    EXPECT_EQ(bench.AwaitOutcome(), Signal::ErrorReply);
    EXPECT_EQ(bench.engine.Reply(), "ERR");
}

INSTANTIATE_TEST_SUITE_P(Modes, EngineErrorTextUnderWine, ::testing::ValuesIn(kAllModes),
    [](const auto& info) { return "mode" + std::to_string(info.param); });

} // namespace
