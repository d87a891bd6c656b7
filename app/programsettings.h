#pragma once
// The program's settings in its settings file beside the program: the
// current phone book file and the serial port settings, all in the section
// "PortSettings".

#include "serial/portsettings.h"

#include <string>

namespace settings {

inline constexpr char PortSection[] = "PortSettings";
inline constexpr char CurrentFileKey[] = "current_file";

// The settings file of a program: its path with the extension ".INI".
std::string SettingsPathFor(const std::string& programPath);
// The phone book file used when none is recorded: the extension ".kalc".
std::string DefaultPhoneBookPathFor(const std::string& programPath);

struct StartupSettings {
    std::string CurrentFile;
    TPortSettings PortSettings;
};

// Creates the settings file when missing, reads every key (appending the
// missing ones with their defaults) and translates the stored forms. A
// stored value outside its forms keeps that key's default. Throws WriteError.
StartupSettings ReadStartupSettings(const std::string& programPath);

// The port settings stored in a settings file, which is only read: a missing
// file or key, or a stored value outside its forms, gives that setting's
// default, as at start-up.
TPortSettings ReadPortSettings(const std::string& settingsPath);

// Records the phone book path under current_file, only when the settings
// file exists. Throws WriteError.
void RememberCurrentFile(const std::string& settingsPath, const std::string& phoneBookPath);

// Stores the port settings under baudrate, port, dataBits, stopBits, parity
// and flowControl, in that order and in their stored forms, all in one
// write. The file and the section are created when missing; no other key
// is touched. Throws WriteError.
void StorePortSettings(const std::string& settingsPath, const TPortSettings& port);

} // namespace settings
