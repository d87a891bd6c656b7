#pragma once
// Test support: a pseudo-terminal pair standing in for a serial line, and
// the slave's line settings read back from the kernel.

#include "tests/support/linestate.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace serialtest {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // The path a port opens.
    const std::string& SlavePath() const { return slavePath_; }
    // The far end: what the port writes arrives here, what is written here
    // arrives at the port.
    int Master() const { return master_; }
    // A descriptor of the line itself, for reading its settings.
    int Slave() const { return slave_; }

    void WriteToPort(const std::string& bytes) const;
    // Reads what the port wrote until count bytes arrived or the time ran out.
    std::string ReadFromPort(std::size_t count, std::chrono::milliseconds timeout) const;
    // The peer goes away, as when a USB adapter is pulled.
    void HangUp();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

LineState ReadLineState(int fd);
// Changes the line's speed behind the port's back.
void SetLineSpeedBehindPort(int fd, std::uint32_t speed);

// Threads of this process, from /proc/self/task.
int ThreadCount();
// User plus system CPU time this process has used.
std::chrono::microseconds ProcessCpuTime();

} // namespace serialtest
