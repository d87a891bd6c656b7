// The device fault matrix (faultmatrix.h): the rows that end without
// waiting for the protocol's long time-outs.

#include "tests/app/faultmatrix.h"

namespace faultmatrix {
namespace {

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrixTest,
    ::testing::Values(
        FaultRow{"readUnplugged", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.dumpPause = relaysim::DumpPause{3000, 2000ms}; }),
            Disturbance::UnplugInDumpPause, std::nullopt, Aftermath::CutAt3000},
        FaultRow{"writeWithGarbage", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.faults.garbage = "\x01\xfe"; }), Disturbance::None, std::nullopt,
            Aftermath::Stored},
        // The dump is read from both ends: the garbage moves the numbers, not the relay settings.
        FaultRow{"readWithGarbage", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.garbage = "\x01\xfe"; }), Disturbance::None, std::nullopt,
            Aftermath::SettingsOnly},
        // More than the framer keeps, never matching, before every answer.
        FaultRow{"writeAfterFloods", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.faults.garbage = std::string(1100, '\x55'); }), Disturbance::None,
            std::nullopt, Aftermath::Stored},
        FaultRow{"readAfterFlood", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.garbage = std::string(1100, '\x55'); }), Disturbance::None,
            std::nullopt, Aftermath::SettingsOnly},
        // Write start's 50 ms and the closing wait's 1000 ms, answered just
        // before and just after: the write ends normally either way.
        FaultRow{"writeStartAckedJustInTime", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.faults.writeStartAckDelay = 30ms; }), Disturbance::None,
            std::nullopt, Aftermath::Stored},
        // Acknowledged after frame 1 went out: it completes frame 1.
        FaultRow{"writeStartAckedAfterFrameOne", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.faults.writeStartAckDelay = 1000ms; }), Disturbance::None,
            std::nullopt, Aftermath::Stored},
        FaultRow{"closingAckJustInTime", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.storeTime = 800ms; }), Disturbance::None, std::nullopt,
            Aftermath::Stored},
        FaultRow{"closingAckTooLate", Operation::Write,
            WithFaults([](relaysim::Options& o) { o.storeTime = 1200ms; }), Disturbance::None, std::nullopt,
            Aftermath::Stored},
        // A pause in the dump just shorter than the 500 ms of quiet that end it.
        FaultRow{"dumpPauseJustShortEnough", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.dumpPause = relaysim::DumpPause{3000, 350ms}; }),
            Disturbance::None, std::nullopt, Aftermath::Shown},
        // The read request's 1500 ms until the dump's first byte.
        FaultRow{"dumpStartsJustInTime", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.dumpDelay = 1100ms; }), Disturbance::None, std::nullopt,
            Aftermath::Shown},
        FaultRow{"dumpStartsTooLate", Operation::Read,
            WithFaults([](relaysim::Options& o) { o.faults.dumpDelay = 1900ms; }), Disturbance::None, ReadBrokeOff,
            Aftermath::Cleared},
        FaultRow{"writePortHeld", Operation::Write, {}, Disturbance::PortHeld, CannotStartWriting, Aftermath::NotStored},
        FaultRow{"readPortHeld", Operation::Read, {}, Disturbance::PortHeld, CannotStartReading, Aftermath::Kept},
        FaultRow{"writePathGone", Operation::Write, {}, Disturbance::PathGone, CannotStartWriting, Aftermath::NotStored},
        FaultRow{"readPathGone", Operation::Read, {}, Disturbance::PathGone, CannotStartReading, Aftermath::Kept}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace faultmatrix
