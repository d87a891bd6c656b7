#include "settings/programsettings.h"

#include "phonebook/fileaccess.h"
#include "settings/profilefile.h"

#include <utility>

namespace settings {
namespace {

constexpr char PortKey[] = "port";
constexpr char BaudRateKey[] = "baudrate";
constexpr char DataBitsKey[] = "dataBits";
constexpr char StopBitsKey[] = "stopBits";
constexpr char ParityKey[] = "parity";
constexpr char FlowControlKey[] = "flowControl";
constexpr char WindowSection[] = "Window";
constexpr char LanguageKey[] = "language";

const serial::PortSettings Defaults;

// The stored forms of one setting, in the order of its enumeration values.
template <typename Stored, typename Value, std::size_t N>
Value Translate(const Stored& stored, const std::pair<Stored, Value> (&forms)[N], Value fallback)
{
    for (const auto& [form, value] : forms)
        if (form == stored)
            return value;
    return fallback;
}

constexpr std::pair<int, serial::DataBitsChoice> DataBitsForms[] = {
    {5, serial::dbFive}, {6, serial::dbSix}, {7, serial::dbSeven}, {8, serial::dbEight}};
// One and a half stop bits are stored as 25.
constexpr std::pair<int, serial::StopBitsChoice> StopBitsForms[] = {
    {1, serial::sbOneStopBit}, {25, serial::sbOne5StopBits}, {2, serial::sbTwoStopBits}};
const std::pair<std::string, serial::ParityChoice> ParityForms[] = {{"None", serial::prNone}, {"Odd", serial::prOdd},
    {"Even", serial::prEven}, {"Mark", serial::prMark}, {"Space", serial::prSpace}};
const std::pair<std::string, serial::FlowControlChoice> FlowControlForms[] = {{"Hardware", serial::fcHardware},
    {"Software", serial::fcSoftware}, {"None", serial::fcNone}, {"Custom", serial::fcCustom}};

// The stored form of a value; the fallback for one outside the forms.
template <typename Stored, typename Value, std::size_t N>
Stored FormOf(Value value, const std::pair<Stored, Value> (&forms)[N], const Stored& fallback)
{
    for (const auto& [form, formValue] : forms)
        if (formValue == value)
            return form;
    return fallback;
}

void CreateSettingsFile(ProfileFile& file, const FileLocations& locations)
{
    // The keys of a first start, in this order; baudrate is added by the
    // first read, after them.
    file.Write(PortSection, CurrentFileKey, locations.DefaultPhoneBookPath);
    file.Write(PortSection, PortKey, Defaults.Port);
    file.Write(PortSection, DataBitsKey, "8");
    file.Write(PortSection, StopBitsKey, "1");
    file.Write(PortSection, ParityKey, "None");
    file.Write(PortSection, FlowControlKey, "None");
}

// The port settings read key by key through the two readers (each given the
// key and its default), their stored forms translated.
template <typename ReadString, typename ReadInteger>
serial::PortSettings TranslatePortSettings(ReadString readString, ReadInteger readInteger)
{
    serial::PortSettings port;
    port.Port = readString(PortKey, Defaults.Port);
    // Any positive rate is passed on (the port accepts custom rates); zero
    // and negative values have no meaning as a rate.
    const int baudRate = readInteger(BaudRateKey, static_cast<int>(Defaults.BaudRate));
    port.BaudRate = baudRate > 0 ? static_cast<std::uint32_t>(baudRate) : Defaults.BaudRate;
    port.DataBits = Translate(readInteger(DataBitsKey, 8), DataBitsForms, Defaults.DataBits);
    port.StopBits = Translate(readInteger(StopBitsKey, 1), StopBitsForms, Defaults.StopBits);
    port.Parity = Translate(readString(ParityKey, "None"), ParityForms, Defaults.Parity);
    port.FlowControl = Translate(readString(FlowControlKey, "None"), FlowControlForms, Defaults.FlowControl);
    return port;
}

} // namespace

StartupSettings ReadStartupSettings(const FileLocations& locations)
{
    const bool existed = phonebook::IsExistingFile(locations.SettingsPath);
    ProfileFile file(locations.SettingsPath);
    if (!existed)
        CreateSettingsFile(file, locations);

    StartupSettings result;
    result.CurrentFile = ReadOrAddString(file, PortSection, CurrentFileKey, locations.DefaultPhoneBookPath);
    // Each missing key is written with its default as it is read.
    result.PortSettings = TranslatePortSettings(
        [&](const char* key, const std::string& fallback) { return ReadOrAddString(file, PortSection, key, fallback); },
        [&](const char* key, int fallback) { return ReadOrAddInteger(file, PortSection, key, fallback); });
    return result;
}

serial::PortSettings ReadPortSettings(const std::string& settingsPath)
{
    const ProfileFile file(settingsPath);
    return TranslatePortSettings(
        [&](const char* key, const std::string& fallback) { return file.Read(PortSection, key).value_or(fallback); },
        [&](const char* key, int fallback) {
            // A present value that is not an integer reads as the window reads it.
            const std::optional<std::string> value = file.Read(PortSection, key);
            return value ? ParseIniInteger(*value).value_or(1) : fallback;
        });
}

std::string ReadWindowLanguage(const std::string& settingsPath)
{
    return ProfileFile(settingsPath).Read(WindowSection, LanguageKey).value_or(std::string());
}

void StorePortSettings(const std::string& settingsPath, const serial::PortSettings& port)
{
    ProfileFile file(settingsPath);
    file.Write(PortSection,
        {
            {BaudRateKey, std::to_string(port.BaudRate)},
            {PortKey, port.Port},
            {DataBitsKey, std::to_string(FormOf(port.DataBits, DataBitsForms, 8))},
            {StopBitsKey, std::to_string(FormOf(port.StopBits, StopBitsForms, 1))},
            {ParityKey, FormOf(port.Parity, ParityForms, std::string("None"))},
            {FlowControlKey, FormOf(port.FlowControl, FlowControlForms, std::string("None"))},
        });
}

void RememberCurrentFile(const std::string& settingsPath, const std::string& phoneBookPath)
{
    if (!phonebook::IsExistingFile(settingsPath))
        return;
    ProfileFile file(settingsPath);
    file.Write(PortSection, CurrentFileKey, phoneBookPath);
}

} // namespace settings
