#include "cli/portchoice.h"

#include "cli/failure.h"
#include "phonebook/fileaccess.h"
#include "platform/programpath.h"
#include "settings/programsettings.h"

#include <filesystem>

namespace cli {

serial::PortSettings ChoosePortSettings(const PortOptions& options, const std::string& windowSettingsPath)
{
    serial::PortSettings settings;
    if (options.settingsFile) {
        if (!phonebook::ReadFileStart(*options.settingsFile, 0))
            throw BadInput(*options.settingsFile + ": cannot be read");
        settings = settings::ReadPortSettings(*options.settingsFile);
    } else if (phonebook::IsExistingFile(windowSettingsPath)) {
        settings = settings::ReadPortSettings(windowSettingsPath);
    }
    settings.Port = options.port.value_or(settings.Port);
    settings.BaudRate = options.baudRate.value_or(settings.BaudRate);
    settings.DataBits = options.dataBits.value_or(settings.DataBits);
    settings.Parity = options.parity.value_or(settings.Parity);
    settings.StopBits = options.stopBits.value_or(settings.StopBits);
    return settings;
}

std::string WindowSettingsPath()
{
    // The command line tool is installed and built beside the window program.
    const std::filesystem::path program = platform::ProgramPath();
    return settings::LocateFiles((program.parent_path() / "qem").string()).SettingsPath;
}

} // namespace cli
