#include "tools/relaysim/imagefile.h"

#include "tools/relaysim/image.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace relaysim {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error)
{
    throw std::runtime_error(what + " " + path + ": " + std::strerror(error));
}

// Writes all bytes to fd, continuing after short writes and interruptions.
bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string LoadImageFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return EmptyImage();
        Fail("cannot open image file", path, errno);
    }
    // One byte more than an image, to tell a longer file from an image.
    std::string image(kImageSize + 1, '\0');
    std::size_t got = 0;
    while (got < image.size()) {
        const ssize_t n = ::read(fd, image.data() + got, image.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            Fail("cannot read image file", path, error);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != kImageSize) {
        throw std::runtime_error("image file " + path + " is not " + std::to_string(kImageSize) + " bytes long");
    }
    image.resize(kImageSize);
    return image;
}

void SaveImageFile(const std::string& path, const std::string& image)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        Fail("cannot create a temporary file for", path, errno);
    const bool written = WriteAll(fd, image) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = written && closed ? errno : writeError;
        ::unlink(temporary.c_str());
        Fail("cannot save image file", path, error);
    }
}

} // namespace relaysim
