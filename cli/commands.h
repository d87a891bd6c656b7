#pragma once
// The commands of qem-cli, each returning its exit status (failure.h) or
// throwing Failure. Results go to standard output, messages, warnings and
// progress to standard error.

#include "cli/csvbook.h"
#include "serial/portsettings.h"

#include <functional>
#include <optional>
#include <string>

namespace cli {

// The port settings, worked out only when a command reaches the device.
using PortSettingsSource = std::function<serial::PortSettings()>;

// A side of a comparison that is the device rather than a file.
inline constexpr char DeviceSide[] = "device";

// Phone book files.
int Show(const std::string& file, bool json);
int Export(const std::string& file, const std::optional<std::string>& csv);
int Import(const std::string& csvPath, const std::string& file, const ImportOptions& options);

// The device.
int Ports(bool json);
int Read(const PortSettingsSource& port, const std::optional<std::string>& file, bool json);
int Write(const PortSettingsSource& port, const std::string& file, bool verify,
    const std::optional<std::string>& backup);
int Verify(const PortSettingsSource& port, const std::string& file);
// Either side may be DeviceSide.
int Diff(const PortSettingsSource& port, const std::string& a, const std::string& b, bool json);

} // namespace cli
