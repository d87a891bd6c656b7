#pragma once
// Ports of virtual devices: a program that offers a serial line of its own
// (the virtual relay device, qem-relaysim) registers the line's path while it
// runs, so the port list offers it beside the hardware ports. Its path
// (a pseudo-terminal or a link to one) is nowhere in sysfs.
//
// A registration is a file named by the registering process's id in a
// folder of the user's: $XDG_RUNTIME_DIR/qem/ports, else
// $XDG_CACHE_HOME/qem/ports, else ~/.cache/qem/ports. It holds the path on
// its first line and a description on the second. A registration whose
// process is gone (killed before it could unregister) is not listed, and is
// removed by the listing.
//
// Thread safety: any thread; SetVirtualPortFolder belongs to tests.

#include <string>
#include <vector>

namespace serial {

struct VirtualPort {
    std::string Path;
    std::string Description;
};

// The folder registrations live in.
std::string VirtualPortFolder();
// Another folder (tests); an empty one goes back to the rule above.
void SetVirtualPortFolder(const std::string& folder);

// The registrations of running processes, sorted by path.
std::vector<VirtualPort> ListVirtualPorts();

// Registers a port for this process while the object lives. Throws
// std::runtime_error when the registration cannot be written.
class VirtualPortRegistration {
public:
    VirtualPortRegistration(const std::string& path, const std::string& description);
    ~VirtualPortRegistration();
    VirtualPortRegistration(const VirtualPortRegistration&) = delete;
    VirtualPortRegistration& operator=(const VirtualPortRegistration&) = delete;

private:
    std::string file_;
};

} // namespace serial
