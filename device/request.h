#pragma once
// One queued request of the device worker.

#include "engine/matchrule.h"

#include <cstdint>
#include <functional>
#include <string>

namespace device {

class DeviceWorker;

// Called on the window thread with the worker, the reply text and the
// outcome. Handlers do not throw: the operations in device/ catch what
// their steps throw and end the operation with it.
using RequestHandler = std::function<void(DeviceWorker& worker, const std::string& reply, engine::Outcome outcome)>;

struct Request {
    engine::MatchRule Ats;
    std::string CommandText;
    std::string ReplyText;
    std::int32_t Timeout = 0;
    RequestHandler OnReply;
    RequestHandler OnErrorReply;
    RequestHandler OnTimeout;
    engine::Outcome Outcome = engine::Outcome::Timeout;
    std::int8_t Priority = 0;

    const RequestHandler& HandlerFor(engine::Outcome outcome) const
    {
        switch (outcome) {
        case engine::Outcome::Reply:
            return OnReply;
        case engine::Outcome::ErrorReply:
            return OnErrorReply;
        case engine::Outcome::Timeout:
            break;
        }
        return OnTimeout;
    }
};

} // namespace device
