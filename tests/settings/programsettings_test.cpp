#include "settings/profilefile.h"
#include "settings/programsettings.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using settings::ReadStartupSettings;

TEST(StartupSettings, firstStartCreatesSixKeysThenAppendsBaudrate)
{
    TempDir dir;
    const auto startup = ReadStartupSettings(settings::LocateFiles(dir / "qem"));

    // clang-format off
    EXPECT_EQ(ReadBytes(dir / "qem.INI"),
        "[PortSettings]\n"
        "current_file=" + (dir / "qem.kalc") + "\n"
        "port=COM1\n"
        "dataBits=8\n"
        "stopBits=1\n"
        "parity=None\n"
        "flowControl=None\n"
        "baudrate=2400\n");
    // clang-format on
    EXPECT_EQ(startup.CurrentFile, dir / "qem.kalc");
    EXPECT_EQ(startup.PortSettings.Port, "COM1");
    EXPECT_EQ(startup.PortSettings.BaudRate, 2400u);
    EXPECT_EQ(startup.PortSettings.DataBits, serial::dbEight);
    EXPECT_EQ(startup.PortSettings.StopBits, serial::sbOneStopBit);
    EXPECT_EQ(startup.PortSettings.Parity, serial::prNone);
    EXPECT_EQ(startup.PortSettings.FlowControl, serial::fcNone);
}

TEST(StartupSettings, partialFileIsCompletedInReadingOrder)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\nport=COM3\n");

    const auto startup = ReadStartupSettings(settings::LocateFiles(dir / "qem"));

    // clang-format off
    EXPECT_EQ(ReadBytes(dir / "qem.INI"),
        "[PortSettings]\n"
        "port=COM3\n"
        "current_file=" + (dir / "qem.kalc") + "\n"
        "baudrate=2400\n"
        "dataBits=8\n"
        "stopBits=1\n"
        "parity=None\n"
        "flowControl=None\n");
    // clang-format on
    EXPECT_EQ(startup.PortSettings.Port, "COM3");
    EXPECT_EQ(startup.PortSettings.BaudRate, 2400u);
}

TEST(StartupSettings, completeFileIsNotRewritten)
{
    TempDir dir;
    const std::string content = "[PortSettings]\r\ncurrent_file=/data/a.kalc\r\nport=/dev/ttyUSB0\r\nbaudrate=9600\r\n"
                                "dataBits=7\r\nstopBits=2\r\nparity=Odd\r\nflowControl=Hardware\r\n";
    WriteBytes(dir / "qem.INI", content);

    const auto startup = ReadStartupSettings(settings::LocateFiles(dir / "qem"));

    EXPECT_EQ(ReadBytes(dir / "qem.INI"), content);
    EXPECT_EQ(startup.CurrentFile, "/data/a.kalc");
    EXPECT_EQ(startup.PortSettings.Port, "/dev/ttyUSB0");
    EXPECT_EQ(startup.PortSettings.BaudRate, 9600u);
    EXPECT_EQ(startup.PortSettings.DataBits, serial::dbSeven);
    EXPECT_EQ(startup.PortSettings.StopBits, serial::sbTwoStopBits);
    EXPECT_EQ(startup.PortSettings.Parity, serial::prOdd);
    EXPECT_EQ(startup.PortSettings.FlowControl, serial::fcHardware);
}

struct TranslationCase {
    const char* name;
    const char* line;
    serial::PortSettings expected; // the defaults with the one setting changed
};

serial::PortSettings With(void (*change)(serial::PortSettings&))
{
    serial::PortSettings settings;
    change(settings);
    return settings;
}

class TranslationTest : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(TranslationTest, storedFormsTranslateAndOthersKeepTheDefault)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", std::string("[PortSettings]\n") + GetParam().line + "\n");

    const serial::PortSettings actual = ReadStartupSettings(settings::LocateFiles(dir / "qem")).PortSettings;
    const serial::PortSettings& expected = GetParam().expected;

    EXPECT_EQ(actual.Port, expected.Port);
    EXPECT_EQ(actual.BaudRate, expected.BaudRate);
    EXPECT_EQ(actual.DataBits, expected.DataBits);
    EXPECT_EQ(actual.StopBits, expected.StopBits);
    EXPECT_EQ(actual.Parity, expected.Parity);
    EXPECT_EQ(actual.FlowControl, expected.FlowControl);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, TranslationTest,
    ::testing::Values(
        TranslationCase{"dataBits5", "dataBits=5", With([](serial::PortSettings& s) { s.DataBits = serial::dbFive; })},
        TranslationCase{"dataBits6", "dataBits=6", With([](serial::PortSettings& s) { s.DataBits = serial::dbSix; })},
        TranslationCase{"dataBitsHex7", "dataBits=0x7", With([](serial::PortSettings& s) { s.DataBits = serial::dbSeven; })},
        TranslationCase{"dataBitsMalformed", "dataBits=x", serial::PortSettings{}},
        TranslationCase{"dataBits9", "dataBits=9", serial::PortSettings{}},
        TranslationCase{"stopBits25", "stopBits=25", With([](serial::PortSettings& s) { s.StopBits = serial::sbOne5StopBits; })},
        TranslationCase{"stopBits2", "stopBits=2", With([](serial::PortSettings& s) { s.StopBits = serial::sbTwoStopBits; })},
        TranslationCase{"stopBits15NotAForm", "stopBits=15", serial::PortSettings{}},
        TranslationCase{"parityEven", "parity=Even", With([](serial::PortSettings& s) { s.Parity = serial::prEven; })},
        TranslationCase{"parityMark", "parity=Mark", With([](serial::PortSettings& s) { s.Parity = serial::prMark; })},
        TranslationCase{"paritySpace", "parity=Space", With([](serial::PortSettings& s) { s.Parity = serial::prSpace; })},
        TranslationCase{"parityLowerCaseNotAForm", "parity=even", serial::PortSettings{}},
        TranslationCase{"flowSoftware", "flowControl=Software", With([](serial::PortSettings& s) { s.FlowControl = serial::fcSoftware; })},
        TranslationCase{"flowCustom", "flowControl=Custom", With([](serial::PortSettings& s) { s.FlowControl = serial::fcCustom; })},
        TranslationCase{"flowUnknown", "flowControl=RTS", serial::PortSettings{}},
        TranslationCase{"customBaudRate", "baudrate=250000", With([](serial::PortSettings& s) { s.BaudRate = 250000; })},
        TranslationCase{"hexBaudRate", "baudrate=0x2580", With([](serial::PortSettings& s) { s.BaudRate = 9600; })},
        TranslationCase{"malformedBaudRateReadsAs1", "baudrate=fast", With([](serial::PortSettings& s) { s.BaudRate = 1; })},
        TranslationCase{"negativeBaudRate", "baudrate=-9600", serial::PortSettings{}},
        TranslationCase{"zeroBaudRate", "baudrate=0", serial::PortSettings{}},
        TranslationCase{"portAsWritten", "port=com3", With([](serial::PortSettings& s) { s.Port = "com3"; })}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(StartupSettings, emptyCurrentFileStaysEmpty)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\ncurrent_file=\n");
    EXPECT_EQ(ReadStartupSettings(settings::LocateFiles(dir / "qem")).CurrentFile, "");
}

TEST(StartupSettings, unwritableSettingsFileStopsStartUp)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "qem.INI");
    try {
        ReadStartupSettings(settings::LocateFiles(dir / "qem"));
        FAIL() << "no WriteError";
    } catch (const settings::WriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (dir / "qem.INI"));
    }
}

TEST(RememberCurrentFile, writesOnlyIntoAnExistingSettingsFile)
{
    TempDir dir;
    settings::RememberCurrentFile(dir / "qem.INI", "/data/b.kalc");
    EXPECT_FALSE(std::filesystem::exists(dir / "qem.INI"));

    WriteBytes(dir / "qem.INI", "[PortSettings]\ncurrent_file=/data/a.kalc\nport=COM3\n");
    settings::RememberCurrentFile(dir / "qem.INI", "/data/b.kalc");
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), "[PortSettings]\ncurrent_file=/data/b.kalc\nport=COM3\n");
}

} // namespace

namespace {

struct StoreCase {
    const char* name;
    serial::PortSettings port;
    const char* stored; // the six keys as the file holds them afterwards
};

class StorePortSettingsTest : public ::testing::TestWithParam<StoreCase> {};

serial::PortSettings PortOf(std::uint32_t rate, serial::DataBitsChoice dataBits, serial::StopBitsChoice stopBits,
    serial::ParityChoice parity, serial::FlowControlChoice flow)
{
    serial::PortSettings port;
    port.BaudRate = rate;
    port.Port = "/dev/ttyUSB1";
    port.DataBits = dataBits;
    port.StopBits = stopBits;
    port.Parity = parity;
    port.FlowControl = flow;
    return port;
}

TEST_P(StorePortSettingsTest, writesTheStoredFormsAndNoOtherKey)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\ncurrent_file=/x.kalc\nparity=None\nother=1\n");
    settings::StorePortSettings(dir / "qem.INI", GetParam().port);
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), std::string("[PortSettings]\ncurrent_file=/x.kalc\n") + GetParam().stored);
    // What start-up reads back is what was stored.
    const serial::PortSettings read = ReadStartupSettings(settings::LocateFiles(dir / "qem")).PortSettings;
    EXPECT_EQ(read.BaudRate, GetParam().port.BaudRate);
    EXPECT_EQ(read.DataBits, GetParam().port.DataBits);
    EXPECT_EQ(read.StopBits, GetParam().port.StopBits);
    EXPECT_EQ(read.Parity, GetParam().port.Parity);
    EXPECT_EQ(read.FlowControl, GetParam().port.FlowControl);
}

INSTANTIATE_TEST_SUITE_P(Forms, StorePortSettingsTest,
    ::testing::Values(
        StoreCase{"defaults", PortOf(2400, serial::dbEight, serial::sbOneStopBit, serial::prNone, serial::fcNone),
            "parity=None\nother=1\nbaudrate=2400\nport=/dev/ttyUSB1\ndataBits=8\nstopBits=1\nflowControl=None\n"},
        StoreCase{"oneAndAHalfIs25",
            PortOf(57600, serial::dbSeven, serial::sbOne5StopBits, serial::prEven, serial::fcHardware),
            "parity=Even\nother=1\nbaudrate=57600\nport=/dev/ttyUSB1\ndataBits=7\nstopBits=25\nflowControl=Hardware\n"},
        StoreCase{"customRateAsDecimal",
            PortOf(31250, serial::dbSix, serial::sbTwoStopBits, serial::prMark, serial::fcSoftware),
            "parity=Mark\nother=1\nbaudrate=31250\nport=/dev/ttyUSB1\ndataBits=6\nstopBits=2\nflowControl=Software\n"},
        StoreCase{"restOfTheForms",
            PortOf(110, serial::dbFive, serial::sbOneStopBit, serial::prSpace, serial::fcCustom),
            "parity=Space\nother=1\nbaudrate=110\nport=/dev/ttyUSB1\ndataBits=5\nstopBits=1\nflowControl=Custom\n"},
        StoreCase{"odd", PortOf(9600, serial::dbEight, serial::sbOneStopBit, serial::prOdd, serial::fcNone),
            "parity=Odd\nother=1\nbaudrate=9600\nport=/dev/ttyUSB1\ndataBits=8\nstopBits=1\nflowControl=None\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StorePortSettings, aPortNameThatCannotBeStoredChangesNothing)
{
    TempDir dir;
    const std::string before = "[PortSettings]\nport=COM1\nbaudrate=2400\n";
    WriteBytes(dir / "qem.INI", before);
    serial::PortSettings port;
    port.BaudRate = 9600;
    port.Port = "COM2\nparity=Odd"; // a line break would corrupt the file
    EXPECT_THROW(settings::StorePortSettings(dir / "qem.INI", port), settings::WriteError);
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), before) << "the baud rate before it was written all the same";
}

TEST(WindowLanguage, readFromItsOwnSectionAndNeverWritten)
{
    TempDir dir;
    const std::string path = dir / "qem.INI";
    EXPECT_EQ(settings::ReadWindowLanguage(path), "");
    EXPECT_FALSE(std::filesystem::exists(path));

    // The port section's keys of the same name do not count; case does not matter for names.
    const std::string content = "[PortSettings]\nlanguage=ru\n[window]\nLanguage=lt\n";
    WriteBytes(path, content);
    EXPECT_EQ(settings::ReadWindowLanguage(path), "lt");
    WriteBytes(path, "[PortSettings]\nlanguage=ru\n");
    EXPECT_EQ(settings::ReadWindowLanguage(path), "");
    EXPECT_EQ(ReadBytes(path), "[PortSettings]\nlanguage=ru\n");
}

} // namespace
