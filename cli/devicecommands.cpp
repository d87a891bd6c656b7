// The commands that talk to the device or list the ports.

#include "cli/bookdiff.h"
#include "cli/bookimage.h"
#include "cli/commands.h"
#include "cli/devicesession.h"
#include "cli/failure.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "cli/report.h"
#include "serial/comportinfo.h"

#include <memory>

namespace cli {
namespace {

// The device's phone book, read once per command.
class DeviceBook {
public:
    explicit DeviceBook(const PortSettingsSource& port)
        : session_(port(), progress_)
    {
    }
    DeviceSession& Session() { return session_; }
    const std::string& Image()
    {
        if (!image_)
            image_ = ImageFromDump(session_.Read());
        return *image_;
    }

private:
    // Ctrl-C is caught for as long as the device is in use.
    InterruptCatcher interrupt_;
    Progress progress_;
    DeviceSession session_;
    std::optional<std::string> image_;
};

// A file to be written into the device: a whole phone book whose check
// value holds, as the window only ever sends what it has just saved.
std::string LoadImageToWrite(const std::string& file)
{
    std::string image = LoadBookFile(file);
    if (!Summarize(image).checkValueValid)
        throw BadInput(file + ": the check value is not valid (the file is damaged); nothing written");
    return image;
}

int ReportDifferences(const BookDifferences& differences, const std::string& a, const std::string& b, bool json)
{
    if (json)
        PrintJson(DifferencesJson(differences, a, b));
    else
        PrintText(DifferencesText(differences, a, b));
    return differences.Count() == 0 ? ExitSuccess : ExitDifferences;
}

} // namespace

int Ports(bool json)
{
    std::vector<serial::ComPortInfo> ports;
    try {
        ports = serial::DescribeComPorts();
    } catch (const std::exception& error) {
        throw DeviceFailure(std::string("cannot list the serial ports: ") + error.what());
    }
    if (json)
        PrintJson(PortsJson(ports));
    else
        PrintText(PortsText(ports));
    return ExitSuccess;
}

int Read(const PortSettingsSource& port, const std::optional<std::string>& file, bool json)
{
    DeviceBook device(port);
    const std::string& image = device.Image();
    if (file)
        WriteOutputFile(*file, image);
    else if (json)
        PrintJson(BookJson(Summarize(image)));
    else
        PrintText(BookText(Summarize(image)));
    return ExitSuccess;
}

int Write(const PortSettingsSource& port, const std::string& file, bool verify,
    const std::optional<std::string>& backup)
{
    const std::string image = LoadImageToWrite(file);
    DeviceBook device(port);
    if (backup) {
        WriteOutputFile(*backup, device.Image());
        Tell("device backed up to " + *backup);
    }
    device.Session().Write(image);
    Tell(file + " written to the device");
    if (!verify)
        return ExitSuccess;
    return ReportDifferences(CompareBooks(image, ImageFromDump(device.Session().Read())), file, DeviceSide, false);
}

int Verify(const PortSettingsSource& port, const std::string& file)
{
    const std::string image = LoadBookFile(file);
    DeviceBook device(port);
    return ReportDifferences(CompareBooks(image, device.Image()), file, DeviceSide, false);
}

int Diff(const PortSettingsSource& port, const std::string& a, const std::string& b, bool json)
{
    // Files first: a bad file name is found before the device is asked.
    const std::optional<std::string> fileA = a == DeviceSide ? std::nullopt : std::optional(LoadBookFile(a));
    const std::optional<std::string> fileB = b == DeviceSide ? std::nullopt : std::optional(LoadBookFile(b));
    std::unique_ptr<DeviceBook> device;
    if (!fileA || !fileB)
        device = std::make_unique<DeviceBook>(port);
    const std::string& imageA = fileA ? *fileA : device->Image();
    const std::string& imageB = fileB ? *fileB : device->Image();
    return ReportDifferences(CompareBooks(imageA, imageB), a, b, json);
}

} // namespace cli
