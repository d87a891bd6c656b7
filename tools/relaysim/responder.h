#pragma once
// What the device answers, byte by byte: the hello, write and read protocol
// with its faults, without any I/O or clock.
//
// Idle, the device answers 0x55 (hello) with 0xAA, 0x7E (write start) with
// 0x81 and 0x77 (read request) with the dump; other bytes are ignored.
// After write start every byte is image data: each 16-byte frame is
// acknowledged with 0x81, and the frame that completes the image (the
// 470th) hands the image over for storing, is acknowledged, and is followed
// by one more 0x81 once the image is stored. Then the device is idle again.
//
// Not synchronised: one thread drives it.

#include "tools/relaysim/options.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace relaysim {

// Bytes to send in answer, and how.
struct Answer {
    std::string bytes;
    // Wait this long before the first byte.
    std::chrono::milliseconds delay{0};
    // A pause after bytes[0 .. pause->afterByte).
    std::optional<DumpPause> pause;
};

// What one received byte leads to, in order.
struct Reaction {
    std::vector<Answer> answers;
    // A complete write: the image to store before the answers go out.
    std::optional<std::string> imageToStore;
    bool imageRejected = false;
    // Close the line once the answers already on their way have gone out.
    bool hangUp = false;
};

class Responder {
public:
    // storeTime: the delay of the final acknowledgement after a complete write.
    explicit Responder(std::chrono::milliseconds storeTime);

    // storedImage is the device's memory, for the dump.
    Reaction OnByte(std::uint8_t byte, const Faults& faults, const std::string& storedImage);

    // The line was dropped: a write in progress is abandoned.
    void Reset();

    int Hellos() const { return hellos_; }
    // Complete frames of the write in progress.
    int FramesReceived() const;

private:
    Reaction OnIdleByte(std::uint8_t byte, const Faults& faults, const std::string& storedImage);
    Reaction OnImageByte(std::uint8_t byte, const Faults& faults);
    static bool Acknowledges(const Faults& faults, int frame);

    std::chrono::milliseconds storeTime_;
    bool writing_ = false;
    std::string received_; // image data of the write in progress, whole frames and a partial one
    int hellos_ = 0;
};

} // namespace relaysim
