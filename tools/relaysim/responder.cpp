#include "tools/relaysim/responder.h"

#include "tools/relaysim/image.h"

#include <utility>

namespace relaysim {

namespace {

constexpr std::uint8_t kHello = 0x55;
constexpr std::uint8_t kHelloAck = 0xAA;
constexpr std::uint8_t kWriteStart = 0x7E;
constexpr std::uint8_t kAck = 0x81;
constexpr std::uint8_t kReadRequest = 0x77;

Answer AnswerOf(const Faults& faults, const std::string& bytes)
{
    Answer answer;
    answer.bytes = faults.garbage + bytes;
    return answer;
}

Answer AnswerOf(const Faults& faults, std::uint8_t byte)
{
    return AnswerOf(faults, std::string(1, static_cast<char>(byte)));
}

std::chrono::milliseconds DelayOf(const std::optional<LateAnswer>& late, int n)
{
    return late && late->n == n ? late->delay : std::chrono::milliseconds{0};
}

Answer DumpAnswer(const Faults& faults, const std::string& storedImage)
{
    std::string dump = faults.dumpContent ? *faults.dumpContent : BuildDump(storedImage);
    if (faults.dumpLength)
        dump.resize(*faults.dumpLength, '\0');
    Answer answer = AnswerOf(faults, dump);
    answer.delay = faults.dumpDelay;
    if (faults.dumpPause) {
        answer.pause = faults.dumpPause;
        answer.pause->afterByte += faults.garbage.size(); // counted in dump bytes
    }
    return answer;
}

} // namespace

Responder::Responder(std::chrono::milliseconds storeTime)
    : storeTime_(storeTime)
{
}

Reaction Responder::OnByte(std::uint8_t byte, const Faults& faults, const std::string& storedImage)
{
    return writing_ ? OnImageByte(byte, faults) : OnIdleByte(byte, faults, storedImage);
}

void Responder::Reset()
{
    writing_ = false;
    received_.clear();
}

Reaction Responder::OnIdleByte(std::uint8_t byte, const Faults& faults, const std::string& storedImage)
{
    Reaction reaction;
    switch (byte) {
    case kHello:
        ++hellos_;
        if (hellos_ != faults.silentHello) {
            Answer ack = AnswerOf(faults, kHelloAck);
            ack.delay = DelayOf(faults.lateHello, hellos_);
            reaction.answers.push_back(std::move(ack));
        }
        break;
    case kWriteStart: {
        writing_ = true;
        received_.clear();
        Answer ack = AnswerOf(faults, kAck);
        ack.delay = faults.writeStartAckDelay;
        reaction.answers.push_back(std::move(ack));
        break;
    }
    case kReadRequest:
        reaction.answers.push_back(DumpAnswer(faults, storedImage));
        break;
    default:
        break; // line noise: a real device ignores it too
    }
    return reaction;
}

Reaction Responder::OnImageByte(std::uint8_t byte, const Faults& faults)
{
    received_.push_back(static_cast<char>(byte));
    if (received_.size() % kFrameSize != 0)
        return {};

    const int frame = FramesReceived();
    Reaction reaction;
    if (faults.hangUpAtFrame == frame) {
        reaction.hangUp = true;
        return reaction;
    }
    if (Acknowledges(faults, frame)) {
        Answer ack = AnswerOf(faults, kAck);
        ack.delay = DelayOf(faults.lateFrameAck, frame);
        reaction.answers.push_back(std::move(ack));
    }
    if (frame < kFramesPerImage)
        return reaction;

    // The image is complete: the rest of the last frame is not part of it.
    std::string image = received_.substr(0, kImageSize);
    Reset();
    if (faults.silentOnBadCheckValue && !CheckValueValid(image)) {
        reaction.imageRejected = true;
        return reaction;
    }
    reaction.imageToStore = std::move(image);
    if (Acknowledges(faults, frame + 1)) {
        Answer stored = AnswerOf(faults, kAck);
        stored.delay = storeTime_;
        reaction.answers.push_back(std::move(stored));
    }
    return reaction;
}

int Responder::FramesReceived() const
{
    return static_cast<int>(received_.size() / kFrameSize);
}

bool Responder::Acknowledges(const Faults& faults, int frame)
{
    return !faults.stopAckingAfterFrame || frame <= *faults.stopAckingAfterFrame;
}

} // namespace relaysim
