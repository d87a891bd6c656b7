#pragma once
// One queued request of the device worker.

#include "engine/ats.h"

#include <cstdint>
#include <functional>
#include <string>

class TMainThreat;

// Called on the window thread with the worker, the reply text and the
// outcome. Handlers do not throw: the operations in device/ catch what
// their steps throw and end the operation with it.
using TRequestHandler = std::function<void(TMainThreat& worker, const std::string& reply, TOutcome outcome)>;

struct TPacket {
    TAts Ats;
    std::string CommandText;
    std::string ReplyText;
    std::int32_t Timeout = 0;
    TRequestHandler OnReply;
    TRequestHandler OnErrorReply;
    TRequestHandler OnTimeout;
    TOutcome Outcome = TOutcome::Timeout;
    std::int8_t Priority = 0;

    const TRequestHandler& HandlerFor(TOutcome outcome) const
    {
        switch (outcome) {
        case TOutcome::Reply:
            return OnReply;
        case TOutcome::ErrorReply:
            return OnErrorReply;
        case TOutcome::Timeout:
            break;
        }
        return OnTimeout;
    }
};
