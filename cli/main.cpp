// qem-cli: the phone book files and the device from the command line, on the
// same worker, engine, serial component, protocol and files as the window.

#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/output.h"
#include "cli/portchoice.h"
#include "serial/comenums.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace {

const std::map<std::string, serial::ParityChoice> ParityNames = {{"none", serial::prNone}, {"odd", serial::prOdd},
    {"even", serial::prEven}, {"mark", serial::prMark}, {"space", serial::prSpace}};
const std::map<std::string, serial::StopBitsChoice> StopBitsNames = {
    {"1", serial::sbOneStopBit}, {"1.5", serial::sbOne5StopBits}, {"2", serial::sbTwoStopBits}};
const std::map<int, serial::DataBitsChoice> DataBitsValues = {
    {5, serial::dbFive}, {6, serial::dbSix}, {7, serial::dbSeven}, {8, serial::dbEight}};

// The port options as given; each one left out is taken from a settings file.
struct PortArguments {
    std::string port;
    std::uint32_t baudRate = 0;
    int dataBits = 0;
    std::string parity;
    std::string stopBits;
    std::string settingsFile;
    CLI::Option* options[6] = {};

    cli::PortOptions Given() const
    {
        cli::PortOptions given;
        if (options[0]->count())
            given.port = port;
        if (options[1]->count())
            given.baudRate = baudRate;
        if (options[2]->count())
            given.dataBits = DataBitsValues.at(dataBits);
        if (options[3]->count())
            given.parity = ParityNames.at(parity);
        if (options[4]->count())
            given.stopBits = StopBitsNames.at(stopBits);
        if (options[5]->count())
            given.settingsFile = settingsFile;
        return given;
    }
};

void AddPortOptions(CLI::App& app, PortArguments& arguments)
{
    arguments.options[0] = app.add_option("--port", arguments.port, "serial port: a path, a name under /dev, or COMn");
    arguments.options[1] =
        app.add_option("--baud", arguments.baudRate, "line speed in bit/s")->check(CLI::Range(1u, 4000000u));
    arguments.options[2] = app.add_option("--data-bits", arguments.dataBits, "5 to 8")->check(CLI::Range(5, 8));
    arguments.options[3] = app.add_option("--parity", arguments.parity, "none, odd, even, mark or space")
                               ->check(CLI::IsMember(ParityNames, CLI::ignore_case));
    arguments.options[4] =
        app.add_option("--stop-bits", arguments.stopBits, "1, 1.5 or 2")->check(CLI::IsMember(StopBitsNames));
    arguments.options[5] = app.add_option("--settings", arguments.settingsFile,
        "settings file to take the port settings from (default: the window's)");
}

// The values the commands read, filled in by the parse.
struct Arguments {
    bool json = false;
    bool verify = false;
    std::string fileA, fileB, output;
    std::string external = "off";
    cli::ImportOptions importOptions;
};

// The command chosen, to run once the whole line has been parsed.
using Command = std::function<int()>;

std::optional<std::string> GivenValue(const CLI::Option* option, const std::string& value)
{
    return option->count() ? std::optional(value) : std::nullopt;
}

void AddFileCommands(CLI::App& app, Arguments& a, Command& run)
{
    CLI::App* show = app.add_subcommand("show", "numbers in use, relay time-out, switch and check value of a file");
    show->add_option("FILE", a.fileA, "phone book file")->required();
    show->add_flag("--json", a.json, "one JSON document");
    show->callback([&] { run = [&] { return cli::Show(a.fileA, a.json); }; });

    CLI::App* exportCommand = app.add_subcommand("export", "CSV \"slot,number\" of the slots in use");
    exportCommand->add_option("FILE", a.fileA, "phone book file")->required();
    CLI::Option* output = exportCommand->add_option("-o,--output", a.output, "CSV file (default: standard output)");
    exportCommand->callback(
        [&, output] { run = [&, output] { return cli::Export(a.fileA, GivenValue(output, a.output)); }; });

    CLI::App* importCommand = app.add_subcommand("import", "phone book file from a CSV of numbers");
    importCommand->add_option("CSV", a.fileA, "CSV file: \"slot,number\" rows or one number per line")->required();
    importCommand->add_option("-o,--output", a.fileB, "phone book file to write")->required();
    importCommand->add_option("--timeout", a.importOptions.relayTimeout, "relay time-out in ms (0 to 65535)");
    importCommand->add_option("--external", a.external, "external disconnection")->check(CLI::IsMember({"on", "off"}));
    importCommand->add_flag("--skip-bad", a.importOptions.skipBad, "write the good rows even when some are rejected");
    importCommand->callback([&] {
        run = [&] {
            a.importOptions.externalOff = a.external == "on";
            return cli::Import(a.fileA, a.fileB, a.importOptions);
        };
    });
}

void AddDeviceCommands(CLI::App& app, Arguments& a, Command& run, const cli::PortSettingsSource& port)
{
    CLI::App* ports = app.add_subcommand("ports", "serial ports with what they are");
    ports->add_flag("--json", a.json, "one JSON document");
    ports->callback([&] { run = [&] { return cli::Ports(a.json); }; });

    CLI::App* read = app.add_subcommand("read", "device to phone book file (printed as show does without -o)");
    CLI::Option* output = read->add_option("-o,--output", a.output, "phone book file to write");
    read->add_flag("--json", a.json, "print as one JSON document");
    read->callback(
        [&, output] { run = [&, output] { return cli::Read(port, GivenValue(output, a.output), a.json); }; });

    CLI::App* write = app.add_subcommand("write", "phone book file to device, as the window writes it");
    write->add_option("FILE", a.fileA, "phone book file")->required();
    write->add_flag("--verify", a.verify, "read the device back afterwards and compare");
    CLI::Option* backup = write->add_option("--backup", a.fileB, "read the device into this file first");
    write->callback([&, backup] {
        run = [&, backup] { return cli::Write(port, a.fileA, a.verify, GivenValue(backup, a.fileB)); };
    });

    CLI::App* verify = app.add_subcommand("verify", "does the device hold the file?");
    verify->add_option("FILE", a.fileA, "phone book file")->required();
    verify->callback([&] { run = [&] { return cli::Verify(port, a.fileA); }; });

    CLI::App* diff = app.add_subcommand("diff", "differences between two files, or a file and the device");
    diff->add_option("A", a.fileA, "phone book file or \"device\"")->required();
    diff->add_option("B", a.fileB, "phone book file or \"device\"")->required();
    diff->add_flag("--json", a.json, "one JSON document");
    diff->callback([&] { run = [&] { return cli::Diff(port, a.fileA, a.fileB, a.json); }; });
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"qem-cli: the relay device and its phone book files from the command line"};
    app.require_subcommand(1);
    // Port options may come before or after the command.
    app.fallthrough();
    PortArguments portArguments;
    AddPortOptions(app, portArguments);
    const cli::PortSettingsSource port = [&] {
        return cli::ChoosePortSettings(portArguments.Given(), cli::WindowSettingsPath());
    };
    Arguments arguments;
    Command run;
    AddDeviceCommands(app, arguments, run, port);
    AddFileCommands(app, arguments, run);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? cli::ExitSuccess : cli::ExitBadInput;
    }
    try {
        return run();
    } catch (const cli::Failure& failure) {
        cli::Tell("qem-cli: " + std::string(failure.what()));
        return failure.Status();
    }
}
