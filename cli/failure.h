#pragma once
// How a command ends when it cannot do its work: the exit status that tells
// a script what went wrong, and the message for the operator.

#include <stdexcept>
#include <string>

namespace cli {

enum ExitStatus : int {
    ExitSuccess = 0,
    ExitDeviceFailure = 1,
    ExitBadInput = 2,
    ExitDifferences = 3,
    ExitRowsRejected = 4,
    ExitInterrupted = 130,
};

// A command that stops with a message and an exit status.
class Failure : public std::runtime_error {
public:
    Failure(ExitStatus status, const std::string& message)
        : std::runtime_error(message)
        , status_(status)
    {
    }
    ExitStatus Status() const { return status_; }

private:
    ExitStatus status_;
};

// The device or the line failed; the message names the step.
inline Failure DeviceFailure(const std::string& message)
{
    return Failure(ExitDeviceFailure, message);
}

// An input file is missing, unreadable or not what the command expects.
inline Failure BadInput(const std::string& message)
{
    return Failure(ExitBadInput, message);
}

} // namespace cli
