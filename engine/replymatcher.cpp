#include "engine/replymatcher.h"

namespace engine {

int FindPosition(const std::string& text, const std::string& pattern)
{
    if (pattern.empty())
        return 0;
    const auto at = text.find(pattern);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

Occurrences CountOccurrences(const std::string& text, const std::string& pattern)
{
    const int length = static_cast<int>(pattern.size());
    Occurrences result;
    std::string rest = text;
    int p = FindPosition(rest, pattern);
    result.end = p + length - 1;
    while (p != 0) {
        ++result.count;
        rest.erase(0, static_cast<size_t>(p + length - 1));
        p = FindPosition(rest, pattern);
        if (p != 0)
            result.end += p + length - 1;
    }
    return result;
}

void ReplyMatcher::Prepare(const MatchRule& ats)
{
    ats_ = ats;
    countDone_ = false;
    collected_.clear();
    collectStarted_ = false;
    errorSeen_ = false;
}

void ReplyMatcher::Forget()
{
    ats_.Mode = AtsIdle;
    ats_.ErrorText.clear();
    countDone_ = false;
    collected_.clear();
    collectStarted_ = false;
    errorSeen_ = false;
}

bool ReplyMatcher::HandleErrorText(const std::string& buffer, int& pos)
{
    // Checked before the mode, so an error text arriving after the command
    // has ended is still reported.
    if (FindPosition(buffer, ats_.ErrorText) == 0)
        return false;
    host_.EmptyFramerBuffer();
    errorSeen_ = true;
    host_.Deliver(ats_.ErrorText);
    pos = -1;
    return true;
}

void ReplyMatcher::StartCollecting()
{
    host_.RestartTimer(ats_.QuietTime);
    collectStarted_ = true;
}

void ReplyMatcher::MatchAnywhere(const std::string& buffer, int& pos)
{
    if (FindPosition(buffer, ats_.MatchText) == 0) {
        pos = 0;
        return;
    }
    errorSeen_ = false;
    const std::string answer = buffer; // delivering empties the framer's buffer
    host_.Deliver(answer);
    host_.EmptyFramerBuffer();
}

void ReplyMatcher::OnPacketStart(const std::string& buffer, int& pos)
{
    if (buffer.empty()) {
        pos = 0;
        return;
    }
    collectStarted_ = false;
    errorSeen_ = false;
    collected_.clear();
    if (HandleErrorText(buffer, pos))
        return;

    switch (ats_.Mode) {
    case AtsCount: {
        const int n = CountOccurrences(buffer, ats_.CountText).count;
        if (n >= ats_.Count && !countDone_)
            pos = FindPosition(buffer, ats_.CountText);
        else if (countDone_)
            pos = 0;
        break;
    }
    case AtsCollect:
        if (!ats_.StartText.empty()) {
            const int at = FindPosition(buffer, ats_.StartText);
            if (at > 0) {
                pos = at;
                collectStarted_ = true;
                host_.SetTimerInterval(ats_.QuietTime);
            } else {
                pos = 0;
            }
        } else {
            pos = 1;
            StartCollecting();
        }
        break;
    case AtsMatch:
        MatchAnywhere(buffer, pos);
        break;
    case AtsDelimited:
        pos = FindPosition(buffer, ats_.StartText);
        break;
    case AtsIdle:
        collected_.clear();
        pos = 0;
        break;
    default:
        break;
    }
}

void ReplyMatcher::OnPacketStop(const std::string& buffer, int& pos)
{
    if (buffer.empty()) {
        pos = 0;
        return;
    }
    errorSeen_ = false;
    if (HandleErrorText(buffer, pos))
        return;

    switch (ats_.Mode) {
    case AtsCount: {
        const Occurrences found = CountOccurrences(buffer, ats_.CountText);
        if (found.count >= ats_.Count && !countDone_) {
            countDone_ = true;
            pos = found.end;
        } else if (countDone_) {
            pos = 0;
        }
        break;
    }
    case AtsCollect:
        if (!ats_.StartText.empty() && !collectStarted_) {
            if (FindPosition(buffer, ats_.StartText) > 0) {
                collectStarted_ = true;
                host_.SetTimerInterval(ats_.QuietTime);
                collected_ += buffer;
                host_.EmptyFramerBuffer();
            } else {
                pos = 0;
            }
        } else {
            collected_ += buffer;
            host_.EmptyFramerBuffer();
            StartCollecting();
        }
        break;
    case AtsMatch:
        MatchAnywhere(buffer, pos);
        break;
    case AtsDelimited: {
        const int at = FindPosition(buffer, ats_.EndText);
        if (at > 0)
            pos = at + static_cast<int>(ats_.EndText.size());
        break;
    }
    case AtsIdle:
        collected_.clear();
        pos = 0;
        break;
    default:
        break;
    }
}

void ReplyMatcher::OnPacketReceived(const std::string& text)
{
    reply_ = text;
    host_.EmptyFramerBuffer();
    if (errorSeen_) {
        collected_.clear();
        host_.SignalErrorReply();
        errorSeen_ = false;
    } else {
        host_.SignalReply();
    }
    host_.DisableTimer();
    ats_.Mode = AtsIdle;
}

void ReplyMatcher::OnReplyTimer()
{
    host_.DisableTimer();
    ats_.Mode = AtsIdle;
    if (collectStarted_) {
        collectStarted_ = false;
        host_.EmptyFramerBuffer();
        reply_ = collected_;
        collected_.clear();
        host_.SignalReply();
    } else {
        host_.SignalTimeout();
    }
}

} // namespace engine
