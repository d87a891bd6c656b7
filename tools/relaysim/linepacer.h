#pragma once
// The emulated serial line's timing: 10 bits a byte at the chosen speed, in
// both directions. A pseudo-terminal moves bytes at once; the pacer says
// when each received byte would have finished arriving, and when each byte
// the device sends would finish going out.
//
// Not synchronised: one thread drives it.

#include "platform/deadline.h"
#include "tools/relaysim/responder.h"

#include <vector>

namespace relaysim {

class LinePacer {
public:
    using TimePoint = platform::Clock::time_point;

    // baud 0: an unpaced line, every byte takes no time.
    explicit LinePacer(unsigned baud);

    // A byte read at `now` started arriving then at the latest, or once the
    // byte before it had arrived: the moment its last bit is in.
    TimePoint Received(TimePoint now);

    // The moments at which each byte of the answer has gone out, when the
    // answer is ready at `ready` (its own delay not yet added): the bytes
    // follow whatever was scheduled before them, one byte time apart, with
    // the answer's pause inside.
    std::vector<TimePoint> Schedule(const Answer& answer, TimePoint ready);

    // The line was dropped: nothing is on its way any more.
    void Reset();

private:
    platform::Clock::duration byteTime_;
    TimePoint receiveFree_{};
    TimePoint sendFree_{};
};

} // namespace relaysim
