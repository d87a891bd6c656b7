// The packet framer with the engine's reply matcher in its hooks, wired as
// the engine wires them, fed arbitrary byte chunks for a run of commands in
// every matching mode. Each command ends with exactly one outcome (reply,
// error reply or time-out) once its reply timer has had its say, never a
// second one, and the framer's buffer never reaches its maximum.
//
// Input: a sequence of operations. 'C' starts a command (mode, count and
// texts follow), 'W' ends its write (the engine then starts the reply timer
// unless the answer is already complete), 'T' lets a running timer expire,
// anything else feeds the next bytes as one received chunk.

#include "engine/replymatcher.h"
#include "serial/packetframer.h"
#include "tests/fuzz/fuzzcheck.h"

namespace {

class Harness : public engine::ReplyMatcher::Host {
public:
    Harness()
    {
        framer_.OnPacket = [this](const std::string& text) { matcher_.OnPacketReceived(text); };
        framer_.OnCustomStart = [this](const std::string& buffer, int& pos) { matcher_.OnPacketStart(buffer, pos); };
        framer_.OnCustomStop = [this](const std::string& buffer, int& pos) { matcher_.OnPacketStop(buffer, pos); };
    }

    void StartCommand(const engine::MatchRule& ats)
    {
        EndCommand();
        matcher_.Prepare(ats);
        // The engine's send steps before the write.
        timerRunning_ = false;
        framer_.SetBuffer({});
        outcomes_ = 0;
        written_ = false;
        active_ = true;
    }

    void EndWrite()
    {
        if (!active_ || written_)
            return;
        written_ = true;
        if (outcomes_ == 0)
            timerRunning_ = true;
    }

    void Expire()
    {
        if (timerRunning_)
            matcher_.OnReplyTimer();
    }

    void Receive(const std::string& chunk)
    {
        framer_.AddData(chunk);
        FUZZ_CHECK(framer_.Buffer().size() < static_cast<std::size_t>(framer_.MaxBufferSize()));
    }

    // The command's time runs out: a still running timer expires.
    void EndCommand()
    {
        if (!active_)
            return;
        EndWrite();
        Expire();
        FUZZ_CHECK(outcomes_ == 1);
        FUZZ_CHECK(!timerRunning_);
        active_ = false;
    }

    // ReplyMatcher::Host, as the engine implements it.
    void EmptyFramerBuffer() override { framer_.SetBuffer({}); }
    void Deliver(const std::string& text) override { framer_.DoPacket(text); }
    void SetTimerInterval(int) override {}
    void RestartTimer(int) override { timerRunning_ = true; }
    void DisableTimer() override { timerRunning_ = false; }
    void SignalReply() override { CountOutcome(); }
    void SignalErrorReply() override { CountOutcome(); }
    void SignalTimeout() override { CountOutcome(); }

private:
    void CountOutcome()
    {
        ++outcomes_;
        FUZZ_CHECK(outcomes_ == 1 || !active_);
    }

    serial::PacketFramer framer_;
    engine::ReplyMatcher matcher_{*this};
    bool timerRunning_ = false;
    bool written_ = false;
    bool active_ = false;
    int outcomes_ = 0;
};

std::string ShortText(fuzz::Input& input)
{
    return input.Bytes(input.Byte() % 4);
}

engine::MatchRule ReadAts(fuzz::Input& input)
{
    engine::MatchRule ats;
    ats.Mode = input.Byte() % 5;
    ats.Count = input.Byte() % 4;
    ats.MatchText = ShortText(input);
    ats.CountText = ShortText(input);
    ats.StartText = ShortText(input);
    ats.EndText = ShortText(input);
    // No error text: the device's protocol has none, and one arriving after
    // the answer is reported again by design.
    ats.QuietTime = 500;
    return ats;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    Harness harness;
    while (!input.Empty()) {
        const std::uint8_t op = input.Byte();
        switch (op) {
        case 'C':
            harness.StartCommand(ReadAts(input));
            break;
        case 'W':
            harness.EndWrite();
            break;
        case 'T':
            harness.Expire();
            break;
        default:
            // Chunks of up to 1100 bytes, so a single one can overflow the buffer.
            harness.Receive(input.Bytes(op < 0x80 ? op : (op - 0x80) * 9));
            break;
        }
    }
    harness.EndCommand();
    return 0;
}
