#pragma once
// Test support: a pseudo-terminal pair standing in for a serial line, and
// the slave's line settings read back from the kernel.

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

// What a pseudo-terminal keeps of the line settings: it forces 8 data bits
// and clears PARENB, so those two are checked on the record the backend
// builds (linetermios_test.cpp).
struct LineState {
    std::uint32_t speed = 0;
    bool customSpeed = false;  // given as BOTHER
    bool parityOdd = false;
    bool parityStick = false;  // CMSPAR: mark or space
    bool parityCheck = false;
    bool twoStopBits = false;
    bool rtsCts = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool raw = false;  // no echo, no line editing, no output processing, CLOCAL|CREAD
    std::uint8_t xonChar = 0;
    std::uint8_t xoffChar = 0;
};

LineState ReadLineState(int fd);
// Changes the line's speed behind the port's back.
void SetLineSpeedBehindPort(int fd, std::uint32_t speed);

// Threads of this process, from /proc/self/task.
int ThreadCount();
// User plus system CPU time this process has used.
std::chrono::microseconds ProcessCpuTime();

} // namespace serialtest
