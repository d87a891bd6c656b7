#pragma once
// A stable name for the slave of a pseudo-terminal, whose own path changes
// from run to run: a symlink that lives as long as this object.

#include <string>

namespace relaysim {

class SlaveLink {
public:
    // Points path at target, replacing an earlier symlink (a run that was
    // killed leaves one behind) but never any other kind of file. Throws
    // std::runtime_error on failure.
    SlaveLink(std::string path, std::string target);
    // Removes the link, unless it has been pointed elsewhere meanwhile.
    ~SlaveLink();
    SlaveLink(const SlaveLink&) = delete;
    SlaveLink& operator=(const SlaveLink&) = delete;

private:
    std::string path_;
    std::string target_;
};

} // namespace relaysim
