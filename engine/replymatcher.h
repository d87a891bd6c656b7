#pragma once
// The engine's reply-matching decisions: given the framer's buffer, decide
// where an answer starts and ends, collect, time out, and report one outcome
// per command. Kept free of the port, the framer and the timer so the rules
// can be tested on their own; the engine supplies them through Host.
//
// Thread safety: none of its own. The engine calls Prepare on its own thread
// when it writes a command and everything else on the window thread, all
// under the engine's lock.

#include "engine/matchrule.h"

#include <string>

namespace engine {

class ReplyMatcher {
public:
    // What a decision does to the world around it.
    class Host {
    public:
        virtual ~Host() = default;
        // Replaces the framer's buffer with an empty one; its in-packet flag stays.
        virtual void EmptyFramerBuffer() = 0;
        // Hands a text to the framer's packet handler, which comes straight
        // back into OnPacketReceived.
        virtual void Deliver(const std::string& text) = 0;
        // Timer semantics: changing the interval of a running timer restarts
        // its countdown, assigning the same interval changes nothing, and a
        // stopped timer only stores it.
        virtual void SetTimerInterval(int milliseconds) = 0;
        virtual void RestartTimer(int milliseconds) = 0;
        virtual void DisableTimer() = 0;
        virtual void SignalReply() = 0;
        virtual void SignalErrorReply() = 0;
        virtual void SignalTimeout() = 0;
    };

    explicit ReplyMatcher(Host& host)
        : host_(host)
    {
    }

    // Takes the matching record of the next command; the command starts
    // with nothing collected and nothing seen.
    void Prepare(const MatchRule& ats);
    // The line was closed or changed: what was collected is dropped and
    // nothing is an answer until the next Prepare.
    void Forget();

    // Framer hooks: pos arrives as -1; -1 leaves the framer's own rule, a
    // value above 0 is a 1-based position, 0 means "not yet".
    void OnPacketStart(const std::string& buffer, int& pos);
    void OnPacketStop(const std::string& buffer, int& pos);
    void OnPacketReceived(const std::string& text);
    void OnReplyTimer();

    const std::string& Reply() const { return reply_; }
    std::uint8_t Mode() const { return ats_.Mode; }
    const std::string& Collected() const { return collected_; }
    bool Collecting() const { return collectStarted_; }

private:
    bool HandleErrorText(const std::string& buffer, int& pos);
    void StartCollecting();
    void MatchAnywhere(const std::string& buffer, int& pos);

    Host& host_;
    MatchRule ats_;
    std::string reply_;
    std::string collected_;
    bool collectStarted_ = false;
    bool errorSeen_ = false;
    bool countDone_ = false;
};

// 1-based position of the first occurrence of pattern in text; 0 when it does
// not occur or the pattern is empty.
int FindPosition(const std::string& text, const std::string& pattern);

struct Occurrences {
    int count = 0;
    // 1-based position in the text of the last byte of the last occurrence.
    int end = 0;
};
// Counts non-overlapping occurrences from left to right.
Occurrences CountOccurrences(const std::string& text, const std::string& pattern);

} // namespace engine
