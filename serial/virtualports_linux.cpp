#include "serial/virtualports.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <system_error>

namespace serial {
namespace {

namespace fs = std::filesystem;

struct FolderOverride {
    std::mutex mutex;
    std::string folder;
};

FolderOverride& Override()
{
    static FolderOverride instance;
    return instance;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A process id file name; 0 for anything else in the folder.
pid_t ProcessOf(const std::string& fileName)
{
    if (fileName.empty() || !std::all_of(fileName.begin(), fileName.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    try {
        return static_cast<pid_t>(std::stol(fileName));
    } catch (const std::exception&) {
        return 0;
    }
}

bool Running(pid_t process)
{
    // EPERM: it runs, as another user's process.
    return process > 0 && (kill(process, 0) == 0 || errno == EPERM);
}

} // namespace

std::string VirtualPortFolder()
{
    {
        std::lock_guard guard(Override().mutex);
        if (!Override().folder.empty())
            return Override().folder;
    }
    if (const std::string runtime = Environment("XDG_RUNTIME_DIR"); !runtime.empty())
        return runtime + "/qem/ports";
    if (const std::string cache = Environment("XDG_CACHE_HOME"); !cache.empty())
        return cache + "/qem/ports";
    return Environment("HOME") + "/.cache/qem/ports";
}

void SetVirtualPortFolder(const std::string& folder)
{
    std::lock_guard guard(Override().mutex);
    Override().folder = folder;
}

std::vector<VirtualPort> ListVirtualPorts()
{
    std::vector<VirtualPort> ports;
    std::error_code error;
    for (fs::directory_iterator it(VirtualPortFolder(), error), end; !error && it != end; it.increment(error)) {
        const pid_t process = ProcessOf(it->path().filename().string());
        if (process == 0)
            continue;
        if (!Running(process)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
            continue;
        }
        std::ifstream file(it->path());
        VirtualPort port;
        if (std::getline(file, port.Path) && !port.Path.empty()) {
            std::getline(file, port.Description);
            ports.push_back(std::move(port));
        }
    }
    std::sort(ports.begin(), ports.end(), [](const VirtualPort& a, const VirtualPort& b) { return a.Path < b.Path; });
    return ports;
}

VirtualPortRegistration::VirtualPortRegistration(const std::string& path, const std::string& description)
{
    const fs::path folder = VirtualPortFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    file_ = folder / std::to_string(getpid());
    // Written aside and renamed, so a listing never reads half of it.
    const std::string temporary = file_ + ".new";
    std::ofstream(temporary, std::ios::trunc) << path << '\n' << description << '\n';
    if (error || std::rename(temporary.c_str(), file_.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot register the port in " + folder.string());
    }
}

VirtualPortRegistration::~VirtualPortRegistration()
{
    std::remove(file_.c_str());
}

} // namespace serial
