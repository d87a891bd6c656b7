#include "phonebook/fileaccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
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
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
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

// Temporary files are named ".qem", the writer's process id and "-" and a
// counter, both in hexadecimal.
constexpr std::string_view TemporaryPrefix = ".qem";

bool IsHexNumber(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Removes the temporary files in folder whose writer no longer runs: it was
// killed in the middle of a save. Those of running writers stay.
void RemoveOrphanedTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const auto dash = name.find('-');
        if (name.substr(0, TemporaryPrefix.size()) != TemporaryPrefix || dash == std::string_view::npos
            || !IsHexNumber(name.substr(TemporaryPrefix.size(), dash - TemporaryPrefix.size()))
            || !IsHexNumber(name.substr(dash + 1)))
            continue;
        const auto pid = static_cast<pid_t>(std::strtoul(entry->d_name + TemporaryPrefix.size(), nullptr, 16));
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Creates a new file beside target, with the permissions a new file gets
// (0666 less the umask); the name is returned in tempPath. The name is short
// and independent of the target's, so a target name near the file system's
// limit still gets a temporary file.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    char name[32];
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::snprintf(name, sizeof name, "/%s%x-%x", TemporaryPrefix.data(), static_cast<unsigned>(::getpid()),
            counter++);
        tempPath = FolderOf(target) + name;
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

enum class TemporaryWrite { Done, Failed, Unavailable };

// Writes bytes to a temporary file beside target and renames it over
// target. The temporary file takes the permissions and the owner of the
// existing file. Unavailable when no temporary file can be made there, or
// none with that owner (only the superuser can give a file away); Failed
// when writing it fails (a full disk, a file size limit), when overwriting
// in place would fail the same way and lose the old content. Either way no
// temporary file is left and the target is untouched.
TemporaryWrite WriteThroughTemporary(const std::string& target, std::string_view bytes, const struct stat* existing)
{
    std::string tempPath;
    FileDescriptor fd(CreateTemporaryBeside(target, tempPath));
    if (fd.get() < 0)
        return TemporaryWrite::Unavailable;
    struct stat created {};
    const bool sameOwner = existing == nullptr
        || (::fstat(fd.get(), &created) == 0 && created.st_uid == existing->st_uid
            && created.st_gid == existing->st_gid);
    // The owner first: a change of owner clears the set-user-ID bits.
    if (!sameOwner && ::fchown(fd.get(), existing->st_uid, existing->st_gid) != 0) {
        ::unlink(tempPath.c_str());
        return TemporaryWrite::Unavailable;
    }
    const bool written = (existing == nullptr || ::fchmod(fd.get(), existing->st_mode & 07777) == 0)
        && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.Close()
        && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(tempPath.c_str());
        return TemporaryWrite::Failed;
    }
    SyncFolder(FolderOf(target));
    RemoveOrphanedTemporaries(FolderOf(target));
    return TemporaryWrite::Done;
}

// Overwrites an open file from its start and cuts it to the new length. The
// new bytes go first, so a phone book (always the same length) is never seen
// empty or short, only old or new.
bool WriteInPlace(FileDescriptor& fd, std::string_view bytes)
{
    return ::lseek(fd.get(), 0, SEEK_SET) == 0 && WriteAll(fd.get(), bytes)
        && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd.get()) == 0 && fd.Close();
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

namespace phonebook {

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
    // The open is the permission check: mode bits, ownership, access control
    // lists and read-only mounts all decide it, as they would for an editor
    // that saves in place.
    FileDescriptor existing(::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (existing.get() < 0)
        return errno == ENOENT && WriteThroughTemporary(*target, bytes, nullptr) == TemporaryWrite::Done;
    struct stat st {};
    if (::fstat(existing.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // A rename would split a hard link into an old and a new file.
    const TemporaryWrite temporary = st.st_nlink == 1 ? WriteThroughTemporary(*target, bytes, &st)
                                                      : TemporaryWrite::Unavailable;
    if (temporary != TemporaryWrite::Unavailable)
        return temporary == TemporaryWrite::Done;
    return WriteInPlace(existing, bytes);
}

} // namespace phonebook
