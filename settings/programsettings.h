#pragma once
// The program's settings in its settings file: the current phone book file
// and the serial port settings, all in the section "PortSettings", and the
// window's language in the section "Window"; and where that file and the
// default phone book live.

#include "serial/portsettings.h"

#include <string>

namespace settings {

inline constexpr char PortSection[] = "PortSettings";
inline constexpr char CurrentFileKey[] = "current_file";

struct FileLocations {
    std::string SettingsPath;
    // The phone book file used when none is recorded.
    std::string DefaultPhoneBookPath;
};

// Where a program at programPath keeps its files. Run from a build or an
// unpacked folder, beside itself: its path with the extensions ".INI" and
// ".kalc". Installed into a system program folder (/usr/bin, /bin,
// /usr/local/bin, or the bindir it was built to be installed in) it never
// writes there, whoever runs it: $XDG_CONFIG_HOME/qem/qem.INI and
// $XDG_DATA_HOME/qem/qem.kalc (~/.config and ~/.local/share when unset or not
// absolute), whose folders are created here when missing. On Windows the
// system program folders are those below Program Files, and the files go to
// %APPDATA%\qem\qem.INI and %LOCALAPPDATA%\qem\qem.kalc (settings/userfolders.h).
// A folder that cannot be created shows later, as the settings file's write
// error.
FileLocations LocateFiles(const std::string& programPath);

struct StartupSettings {
    std::string CurrentFile;
    serial::PortSettings PortSettings;
};

// Creates the settings file when missing, reads every key (appending the
// missing ones with their defaults) and translates the stored forms. A
// stored value outside its forms keeps that key's default. Throws WriteError.
StartupSettings ReadStartupSettings(const FileLocations& locations);

// The port settings stored in a settings file, which is only read: a missing
// file or key, or a stored value outside its forms, gives that setting's
// default, as at start-up.
serial::PortSettings ReadPortSettings(const std::string& settingsPath);

// The window's language as the settings file asks for it: [Window]
// language= ("en" forces English), read only; "" when the file or the key is
// missing, which leaves the choice to the desktop.
std::string ReadWindowLanguage(const std::string& settingsPath);

// Records the phone book path under current_file, only when the settings
// file exists. Throws WriteError.
void RememberCurrentFile(const std::string& settingsPath, const std::string& phoneBookPath);

// Stores the port settings under baudrate, port, dataBits, stopBits, parity
// and flowControl, in that order and in their stored forms, all in one
// write. The file and the section are created when missing; no other key
// is touched. Throws WriteError.
void StorePortSettings(const std::string& settingsPath, const serial::PortSettings& port);

} // namespace settings
