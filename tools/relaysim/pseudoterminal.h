#pragma once
// The device's end of the line: a pseudo-terminal master in raw mode, and a
// watch that tells when someone opens the slave.
//
// A client (the tool) closes and reopens the slave before every operation.
// While no one has the slave open the master reports a hang-up on every
// poll, so the device leaves the master out of its poll then and waits for
// the watch instead: no spinning, and no slave descriptor of its own that
// would keep the client's exclusive-access flag alive.
//
// Not synchronised: one thread uses it after construction.

#include <string>

namespace relaysim {

class PseudoTerminal {
public:
    // Opens a master (non-blocking, raw mode) and its watch; throws
    // std::system_error on failure.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // -1 once closed.
    int MasterFd() const { return master_; }
    // Readable when the slave has been opened since the last DrainOpenEvents.
    int OpenWatchFd() const { return watch_; }
    void DrainOpenEvents();

    // Whether no one has the slave open now.
    bool SlaveClosed() const;
    // Bytes written to the master that the last client left unread would
    // otherwise greet the next one; a real port drops them when closed.
    void DiscardUnreadOutput();

    // Hangs up the line: the slave sees end of file and errors from then on.
    void CloseMaster();

private:
    int master_ = -1;
    int watch_ = -1;
    std::string slavePath_;
};

} // namespace relaysim
