#pragma once
// One queued request of the device worker.

#include "engine/ats.h"

#include <cstdint>
#include <string>

class TMainThreat;

// Called on the window thread with (owner, worker, reply text, outcome):
// OutcomeReply, OutcomeErrorReply or OutcomeTimeout (engine/ats.h).
using TRequestHandler = void (*)(void* owner, TMainThreat* worker, std::string reply, std::uint8_t outcome);

struct TPacket {
    TAts Ats;
    std::string CommandText;
    std::string ReplyText;
    std::int32_t Timeout = 0;
    TRequestHandler OnReply = nullptr;
    TRequestHandler OnErrorReply = nullptr;
    TRequestHandler OnTimeout = nullptr;
    void* Owner = nullptr;
    bool Sent = false;
    bool Answered = false;
    bool Reported = false;
    std::uint8_t Outcome = 0;
    std::int8_t Priority = 0;

    TRequestHandler HandlerFor(std::uint8_t outcome) const
    {
        switch (outcome) {
        case OutcomeReply:
            return OnReply;
        case OutcomeErrorReply:
            return OnErrorReply;
        case OutcomeTimeout:
            return OnTimeout;
        default:
            return nullptr;
        }
    }
};
