#pragma once
// The line settings a device command uses: each one given on the command
// line, else the one in the settings file named by --settings, else the one
// in the settings file the window uses, else its default. Settings files
// are only read, never completed or created.

#include "serial/portsettings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cli {

struct PortOptions {
    std::optional<std::string> port;
    std::optional<std::uint32_t> baudRate;
    std::optional<serial::DataBitsChoice> dataBits;
    std::optional<serial::ParityChoice> parity;
    std::optional<serial::StopBitsChoice> stopBits;
    std::optional<std::string> settingsFile;
};

// windowSettingsPath: the window's settings file, used when it exists and no
// --settings is given. Failure (bad input) when the --settings file cannot
// be read.
serial::PortSettings ChoosePortSettings(const PortOptions& options, const std::string& windowSettingsPath);

// The settings file of the window program beside this one.
std::string WindowSettingsPath();

} // namespace cli
