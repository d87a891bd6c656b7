#include "tests/relaysim/scriptedclient.h"

#include "phonebook/crc16.h"
#include "platform/deadline.h"
#include "tools/relaysim/image.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace relaysim::testing {

ScriptedClient::ScriptedClient(std::string path)
    : path_(std::move(path))
{
    Open();
}

ScriptedClient::~ScriptedClient()
{
    Close();
}

void ScriptedClient::Open()
{
    Close();
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        throw std::system_error(errno, std::generic_category(), "open " + path_);
    termios raw{};
    ::tcgetattr(fd_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd_, TCSANOW, &raw);
}

void ScriptedClient::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void ScriptedClient::Write(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd writable{fd_, POLLOUT, 0};
            ::poll(&writable, 1, 1000);
        } else if (!(n < 0 && errno == EINTR)) {
            throw std::system_error(errno, std::generic_category(), "write " + path_);
        }
    }
}

std::string ScriptedClient::Read(std::size_t count, std::chrono::milliseconds timeout)
{
    const platform::Deadline deadline(timeout);
    std::string received;
    while (received.size() < count) {
        pollfd readable{fd_, POLLIN, 0};
        if (::poll(&readable, 1, static_cast<int>(deadline.Remaining().count())) <= 0)
            break;
        char bytes[4096];
        const ssize_t n = ::read(fd_, bytes, std::min(sizeof bytes, count - received.size()));
        if (n <= 0 && !(n < 0 && (errno == EAGAIN || errno == EINTR)))
            break; // hung up
        if (n > 0)
            received.append(bytes, static_cast<std::size_t>(n));
    }
    return received;
}

std::size_t ScriptedClient::Available() const
{
    int count = 0;
    ::ioctl(fd_, FIONREAD, &count);
    return static_cast<std::size_t>(count);
}

bool ScriptedClient::WaitForHangUp(std::chrono::milliseconds timeout)
{
    pollfd line{fd_, POLLIN, 0};
    return ::poll(&line, 1, static_cast<int>(timeout.count())) == 1 && (line.revents & POLLHUP) != 0;
}

std::string MakeImage(int seed)
{
    std::string image;
    for (std::size_t i = 0; i < kCheckedSize; ++i)
        image.push_back(static_cast<char>((i * 7 + static_cast<std::size_t>(seed) * 13) % 256));
    const std::uint32_t check = phonebook::Crc16Of(image);
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>(check >> (8 * i)));
    return image;
}

std::vector<std::string> FramesOf(const std::string& image)
{
    std::vector<std::string> frames;
    std::string buffer(kFrameSize, '\0');
    for (std::size_t offset = 0; offset < image.size(); offset += kFrameSize) {
        const std::string piece = image.substr(offset, kFrameSize);
        buffer.replace(0, piece.size(), piece);
        frames.push_back(buffer);
    }
    return frames;
}

} // namespace relaysim::testing
