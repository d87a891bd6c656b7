#pragma once
// Makes a device node one the test's user may not open, as a serial port
// is for a user outside its group. Root may open anything, so a test run as
// root acts as the user "nobody" (effective id only, for this scope; every
// thread, as glibc's seteuid does) while the node's bits keep everyone out.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

class RefusedUser {
public:
    explicit RefusedUser(std::string node)
        : node_(std::move(node))
    {
        struct stat info {};
        stat(node_.c_str(), &info);
        mode_ = info.st_mode & 07777;
        chmod(node_.c_str(), 0);
        if (geteuid() == 0)
            switched_ = seteuid(Nobody) == 0;
    }
    RefusedUser(const RefusedUser&) = delete;
    RefusedUser& operator=(const RefusedUser&) = delete;
    ~RefusedUser()
    {
        if (switched_ && seteuid(0) != 0)
            std::abort();
        chmod(node_.c_str(), mode_);
    }

    // Whether the user is refused: not root, or root acting as nobody.
    bool Refused() const { return geteuid() != 0; }

    static constexpr uid_t Nobody = 65534;

private:
    std::string node_;
    mode_t mode_ = 0600;
    bool switched_ = false;
};
