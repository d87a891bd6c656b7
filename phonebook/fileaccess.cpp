#include "phonebook/fileaccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the scope ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a delayed write
    // error can surface here).
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A regular file opened for reading; -1 otherwise. O_NONBLOCK keeps a pipe
// from blocking the open; it has no effect on regular files.
int OpenRegularForReading(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write replaces: the target of a symbolic link, so the link
// survives; the name itself otherwise.
std::optional<std::string> ReplacedFile(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return std::nullopt;
    return std::string(resolved);
}

// The start of the names of target's temporary files: ".<name>.tmp-",
// followed by the writing process's id, "-" and a counter.
std::string TemporaryPrefix(const std::string& target)
{
    const auto slash = target.find_last_of('/');
    return (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + "."
        + (slash == std::string::npos ? target : target.substr(slash + 1)) + ".tmp-";
}

// Removes the temporary files of target that a killed process left behind
// (their writer no longer runs); those of running writers stay.
void RemoveOrphanedTemporaries(const std::string& target)
{
    const std::string prefix = TemporaryPrefix(target);
    const auto slash = prefix.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
    const std::string namePrefix = prefix.substr(folder.size());
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, namePrefix.size(), namePrefix) != 0)
            continue;
        const long pid = std::strtol(name.c_str() + namePrefix.size(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + name).c_str());
    }
    ::closedir(dir);
}

// Creates a new file beside target, with the permissions a new file gets
// (0666 less the umask); the name is returned in tempPath.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const std::string prefix = TemporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const std::string& folder)
{
    // Makes the rename itself durable; a failure here loses nothing that the
    // rename has not already made visible, so it is not reported.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::uint64_t FileSizeOf(const std::string& path)
{
    FileDescriptor fd(OpenRegularForReading(path));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

namespace files {

bool IsExistingFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes)
{
    FileDescriptor fd(OpenRegularForReading(path));
    if (fd.get() < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::optional<std::string> target = ReplacedFile(path);
    if (!target)
        return false;
    std::string tempPath;
    FileDescriptor fd(CreateTemporaryBeside(*target, tempPath));
    if (fd.get() < 0)
        return false;

    struct stat existing {};
    const bool keepMode = ::stat(target->c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const bool written = (!keepMode || ::fchmod(fd.get(), existing.st_mode & 07777) == 0)
        && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.Close()
        && ::rename(tempPath.c_str(), target->c_str()) == 0;
    if (!written) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(*target));
    RemoveOrphanedTemporaries(*target);
    return true;
}

} // namespace files
