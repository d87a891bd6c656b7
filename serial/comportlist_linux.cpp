#include "serial/comportlist.h"

#include "serial/comerror.h"
#include "serial/sysfstty_linux.h"

#include <dirent.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <memory>
#include <mutex>
#include <utility>

namespace {

struct ListRoots {
    std::mutex mutex;
    std::string ttyClassDir = "/sys/class/tty";
    std::string deviceDir = "/dev";
};

ListRoots& Roots()
{
    static ListRoots roots;
    return roots;
}

bool HasDriver(const std::string& entry)
{
    char target[PATH_MAX];
    return readlink((entry + "/device/driver").c_str(), target, sizeof target) > 0;
}

// Serial-core ports publish their UART type; 0 means nothing answered at
// that address. Other ttys have no such attribute and count as present.
bool HasHardware(const std::string& entry)
{
    std::ifstream typeFile(entry + "/type");
    int type = -1;
    if (typeFile >> type)
        return type != 0;
    return true;
}

} // namespace

namespace serial {

std::string TtyClassDir()
{
    std::lock_guard guard(Roots().mutex);
    return Roots().ttyClassDir;
}

SerialTtys ListSerialTtys()
{
    SerialTtys result;
    std::string ttyClassDir;
    {
        std::lock_guard guard(Roots().mutex);
        ttyClassDir = Roots().ttyClassDir;
        result.DeviceDir = Roots().deviceDir;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(ttyClassDir.c_str()), closedir);
    if (!dir)
        ThrowLastComError(ComError::RegError);

    for (;;) {
        errno = 0;
        const dirent* e = readdir(dir.get());
        if (e == nullptr) {
            if (errno != 0)
                ThrowLastComError(ComError::RegError);
            break;
        }
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string entry = ttyClassDir + "/" + name;
        if (HasDriver(entry) && HasHardware(entry))
            result.Ttys.push_back({entry, result.DeviceDir + "/" + name});
    }
    std::sort(result.Ttys.begin(), result.Ttys.end(),
        [](const SerialTty& a, const SerialTty& b) { return a.DevicePath < b.DevicePath; });
    return result;
}

void EnumComPorts(std::vector<std::string>& list)
{
    std::vector<std::string> names;
    for (SerialTty& tty : ListSerialTtys().Ttys)
        names.push_back(std::move(tty.DevicePath));
    list.swap(names);
}

void SetComPortListRoots(const std::string& ttyClassDir, const std::string& deviceDir)
{
    std::lock_guard guard(Roots().mutex);
    Roots().ttyClassDir = ttyClassDir;
    Roots().deviceDir = deviceDir;
}

} // namespace serial
