#pragma once
// What a virtual relay device is told at start: the line speed it emulates,
// where it keeps its memory, and the faults it plays.
//
// Plain values: copy them freely. A running Device takes new faults through
// Device::SetFaults from any thread.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace relaysim {

// A pause inside the configuration dump.
struct DumpPause {
    std::size_t afterByte = 0; // the pause follows this many dump bytes
    std::chrono::milliseconds duration{0};

    bool operator==(const DumpPause&) const = default;
};

// One answer that goes out late: the n-th of its kind, this much later.
struct LateAnswer {
    int n = 0;
    std::chrono::milliseconds delay{0};

    bool operator==(const LateAnswer&) const = default;
};

// Misbehaviour on purpose, for the tool's failure paths. Frames are counted
// from 1 within each write; hellos are counted from 1 over the device's life.
struct Faults {
    // No answer to the n-th hello; 0 answers every hello.
    int silentHello = 0;
    // The answer to the n-th hello goes out late.
    std::optional<LateAnswer> lateHello;
    // The acknowledgement of write start goes out this much later.
    std::chrono::milliseconds writeStartAckDelay{0};
    // The acknowledgement of frame n of each write goes out late.
    std::optional<LateAnswer> lateFrameAck;
    // Frames 1..k are acknowledged, nothing after them in the same write
    // (the final acknowledgement included); 0 acknowledges no frame.
    std::optional<int> stopAckingAfterFrame;
    // Frame k is never answered: when it arrives the device closes the line
    // (the pseudo-terminal master), as if unplugged. Frames 1..k-1 were
    // acknowledged as usual.
    std::optional<int> hangUpAtFrame;
    // A pause inside the dump.
    std::optional<DumpPause> dumpPause;
    // The dump starts this much later.
    std::chrono::milliseconds dumpDelay{0};
    // These bytes are sent instead of the dump built from the image.
    std::optional<std::string> dumpContent;
    // The dump (built or given) is cut, or padded with zero bytes, to this length.
    std::optional<std::size_t> dumpLength;
    // Sent before every answer (hello, acknowledgements, dump).
    std::string garbage;
    // A written image whose check value is wrong is not stored, and the
    // final acknowledgement is left out.
    bool silentOnBadCheckValue = false;

    bool operator==(const Faults&) const = default;
};

struct Options {
    // Line speed to emulate in bits per second, 10 bits a byte: answers are
    // paced, and a frame is acknowledged only after its own transmission
    // time. 0 leaves the line unpaced.
    unsigned baud = 0;
    // An FTDI USB adapter's latency timer in front of the tool
    // (adapterbuffer.h): what the device sends waits up to this long, or
    // until 62 bytes wait. 0 is no adapter.
    std::chrono::milliseconds latencyTimer{0};
    // The device's memory across runs; empty keeps it in memory only. A
    // missing file is an empty device.
    std::string imagePath;
    // The time the device takes to store a complete image before its final
    // acknowledgement, so that acknowledgement answers the tool's closing
    // wait rather than arriving together with the last frame's.
    std::chrono::milliseconds storeTime{100};
    Faults faults;

    bool operator==(const Options&) const = default;
};

} // namespace relaysim
