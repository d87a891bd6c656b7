// File access on Windows: the wide-character API with UTF-8 names, the
// replacement through a temporary file by ReplaceFileW (which keeps the
// replaced file's attributes and access control lists).
#include "phonebook/fileaccess.h"

#include "platform/utf16_win32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>

namespace {

// Closes the handle when the scope ends.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle)
        : handle_(handle)
    {
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    HANDLE get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes now and reports whether the close succeeded.
    bool Close()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

std::wstring Wide(const std::string& path)
{
    return platform::WideFromUtf8(path);
}

// A regular file opened for reading: a folder does not open without backup
// semantics, and devices and pipes are refused by their type.
HANDLE OpenRegularForReading(const std::string& path)
{
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

bool WriteAll(HANDLE handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    return path.substr(0, slash);
}

// The file behind a name: the target of a symbolic link, so the link
// survives the replacement.
std::wstring FinalPathOf(HANDLE handle, const std::wstring& fallback)
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (n >= path.size()) {
        path.resize(n);
        n = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    if (n == 0 || n >= path.size())
        return fallback;
    path.resize(n);
    return path;
}

// Temporary files are named ".qem", the writer's process id and "-" and a
// counter, both in hexadecimal.
constexpr std::wstring_view TemporaryPrefix = L".qem";

bool IsHexNumber(std::wstring_view text)
{
    return !text.empty() && text.find_first_not_of(L"0123456789abcdef") == std::wstring_view::npos;
}

bool ProcessRuns(DWORD pid)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

// Removes the temporary files in folder whose writer no longer runs.
void RemoveOrphanedTemporaries(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW((folder + L"\\.qem*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring_view name = entry.cFileName;
        const auto dash = name.find(L'-');
        if (dash == std::wstring_view::npos
            || !IsHexNumber(name.substr(TemporaryPrefix.size(), dash - TemporaryPrefix.size()))
            || !IsHexNumber(name.substr(dash + 1)))
            continue;
        const auto pid = static_cast<DWORD>(std::wcstoul(entry.cFileName + TemporaryPrefix.size(), nullptr, 16));
        if (!ProcessRuns(pid))
            DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& tempPath)
{
    static std::atomic<unsigned> counter{0};
    wchar_t name[40];
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::swprintf(name, 40, L"\\%ls%x-%x", TemporaryPrefix.data(), static_cast<unsigned>(GetCurrentProcessId()),
            counter++);
        tempPath = FolderOf(target) + name;
        const HANDLE handle = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return handle;
    }
    return INVALID_HANDLE_VALUE;
}

enum class TemporaryWrite { Done, Failed, Unavailable };

// Writes bytes to a temporary file beside target and puts it in target's
// place; see WriteThroughTemporary in the Linux backend for the outcomes.
TemporaryWrite WriteThroughTemporary(const std::wstring& target, std::string_view bytes, bool exists)
{
    std::wstring tempPath;
    FileHandle temp(CreateTemporaryBeside(target, tempPath));
    if (!temp.Valid())
        return TemporaryWrite::Unavailable;
    const bool written = WriteAll(temp.get(), bytes) && FlushFileBuffers(temp.get()) && temp.Close()
        && (exists ? ReplaceFileW(target.c_str(), tempPath.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                nullptr)
                   : MoveFileExW(tempPath.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH));
    if (!written) {
        temp.Close();
        DeleteFileW(tempPath.c_str());
        return TemporaryWrite::Failed;
    }
    RemoveOrphanedTemporaries(FolderOf(target));
    return TemporaryWrite::Done;
}

// Overwrites an open file from its start and cuts it to the new length.
bool WriteInPlace(FileHandle& file, std::string_view bytes)
{
    return SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN) == 0 && WriteAll(file.get(), bytes)
        && SetEndOfFile(file.get()) && FlushFileBuffers(file.get()) && file.Close();
}

} // namespace

std::uint64_t FileSizeOf(const std::string& path)
{
    FileHandle file(OpenRegularForReading(path));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.get(), &size))
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

namespace phonebook {

bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes)
{
    FileHandle file(OpenRegularForReading(path));
    if (!file.Valid())
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    while (bytes.size() < maxBytes) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
        DWORD n = 0;
        if (!ReadFile(file.get(), buffer, wanted, &n, nullptr))
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::wstring name = Wide(path);
    // The open is the permission check: a read-only file, a file another
    // program holds exclusively or one the user may not write is refused.
    FileHandle existing(CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!existing.Valid()) {
        return GetLastError() == ERROR_FILE_NOT_FOUND
            && WriteThroughTemporary(name, bytes, false) == TemporaryWrite::Done;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(existing.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(existing.get(), &info)
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    // A replacement would split a hard link into an old and a new file.
    if (info.nNumberOfLinks == 1) {
        const std::wstring target = FinalPathOf(existing.get(), name);
        existing.Close();
        const TemporaryWrite temporary = WriteThroughTemporary(target, bytes, true);
        if (temporary != TemporaryWrite::Unavailable)
            return temporary == TemporaryWrite::Done;
        FileHandle again(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, nullptr));
        return again.Valid() && WriteInPlace(again, bytes);
    }
    return WriteInPlace(existing, bytes);
}

} // namespace phonebook
