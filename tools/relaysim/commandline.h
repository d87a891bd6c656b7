#pragma once
// The relaysim program's command line.

#include "tools/relaysim/options.h"

#include <string>
#include <vector>

namespace relaysim {

struct CommandLine {
    Options options;
    std::string linkPath;       // --link: a symlink to the slave, removed on exit
    std::string transcriptPath; // --transcript: every byte received, written on exit
    bool help = false;
};

// Reads the arguments after the program name. Options take their value as
// the next argument or after '='. Throws std::invalid_argument saying what
// is wrong, and std::runtime_error when --dump-file cannot be read.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text, under the name the program was started by (qem-relaysim
// as installed, relaysim in the build tree).
std::string Usage(const std::string& program);

} // namespace relaysim
