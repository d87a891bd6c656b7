// The virtual device's responder, fed any bytes one at a time: it answers
// only what was asked (a hello, a write start, each complete frame and the
// complete image, a read request), never drops the line on its own, and
// after any input outside a write it still answers the next hello.
//
// Input: one byte choosing the faults (garbage before every answer, which
// hello goes unanswered, a short dump of given bytes instead of the one
// built from the image), then the bytes the tool sends.

#include "tests/fuzz/fuzzcheck.h"
#include "tools/relaysim/image.h"
#include "tools/relaysim/responder.h"

namespace {

using relaysim::Reaction;

class Expectation {
public:
    Expectation(const relaysim::Faults& faults)
        : faults_(faults)
    {
    }

    // Checks the responder's reaction to the byte the tool sent.
    void Check(std::uint8_t byte, const Reaction& reaction, std::string& image)
    {
        FUZZ_CHECK(!reaction.hangUp);
        FUZZ_CHECK(!reaction.imageRejected);
        if (writing_)
            CheckImageByte(byte, reaction, image);
        else
            CheckIdleByte(byte, reaction, image);
    }

    bool Writing() const { return writing_; }

private:
    void CheckIdleByte(std::uint8_t byte, const Reaction& reaction, const std::string& image)
    {
        FUZZ_CHECK(!reaction.imageToStore);
        if (byte == 0x55 && ++hellos_ != faults_.silentHello) {
            ExpectAnswers(reaction, {"\xAA"});
        } else if (byte == 0x7E) {
            ExpectAnswers(reaction, {"\x81"});
            writing_ = true;
            received_.clear();
        } else if (byte == 0x77) {
            FUZZ_CHECK(reaction.answers.size() == 1);
            const std::string& dump = reaction.answers[0].bytes;
            FUZZ_CHECK(dump.compare(0, faults_.garbage.size(), faults_.garbage) == 0);
            if (faults_.dumpContent) {
                FUZZ_CHECK(dump.substr(faults_.garbage.size()) == *faults_.dumpContent);
            } else {
                FUZZ_CHECK(dump.size() == faults_.garbage.size() + relaysim::kDumpSize);
                FUZZ_CHECK(
                    dump.compare(faults_.garbage.size(), relaysim::kCheckedSize, image, 0, relaysim::kCheckedSize)
                    == 0);
            }
        } else {
            FUZZ_CHECK(reaction.answers.empty());
        }
    }

    void CheckImageByte(std::uint8_t byte, const Reaction& reaction, std::string& image)
    {
        received_.push_back(static_cast<char>(byte));
        if (received_.size() % 16 != 0) {
            FUZZ_CHECK(reaction.answers.empty() && !reaction.imageToStore);
        } else if (received_.size() < 470 * 16) {
            ExpectAnswers(reaction, {"\x81"});
            FUZZ_CHECK(!reaction.imageToStore);
        } else {
            // The last frame: its acknowledgement, then one more once stored.
            ExpectAnswers(reaction, {"\x81", "\x81"});
            FUZZ_CHECK(reaction.imageToStore == received_.substr(0, relaysim::kImageSize));
            image = *reaction.imageToStore;
            writing_ = false;
        }
    }

    void ExpectAnswers(const Reaction& reaction, const std::vector<std::string>& answers)
    {
        FUZZ_CHECK(reaction.answers.size() == answers.size());
        for (std::size_t i = 0; i < answers.size(); ++i)
            FUZZ_CHECK(reaction.answers[i].bytes == faults_.garbage + answers[i]);
    }

    const relaysim::Faults& faults_;
    bool writing_ = false;
    std::string received_;
    int hellos_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const std::uint8_t choice = input.Byte();
    relaysim::Faults faults;
    faults.garbage = std::string(choice & 3, '\x01');
    faults.silentHello = (choice >> 2) & 3;
    // Building the dump checks the whole image; most runs take a short one.
    if ((choice & 0x10) == 0)
        faults.dumpContent = "dump";

    relaysim::Responder responder(std::chrono::milliseconds(100));
    Expectation expected(faults);
    static const std::string emptyImage = relaysim::EmptyImage();
    std::string image = emptyImage;
    const auto send = [&](std::uint8_t byte) {
        const bool dumpAsked = byte == 0x77 && !expected.Writing();
        expected.Check(byte, responder.OnByte(byte, faults, image), image);
        // One dump built from the image per input covers that path; building
        // one checks the whole image, and an input of read requests alone
        // would otherwise run a few executions a second.
        if (dumpAsked && !faults.dumpContent)
            faults.dumpContent = "dump";
    };

    while (!input.Empty())
        send(input.Byte());
    // Still answering.
    if (!expected.Writing()) {
        faults.silentHello = 0;
        send(0x55);
    }
    return 0;
}
