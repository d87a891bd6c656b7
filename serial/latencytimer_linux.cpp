// The latency timer on Linux: ftdi_sio publishes it as the tty's
// device/latency_timer, readable by everyone; it reads 1 while a program
// holds the port in low-latency mode (serial/lowlatency_linux.h), so a
// higher value means the driver did not take that request.
#include "serial/latencytimer.h"

#include "serial/comline.h"
#include "serial/sysfstty_linux.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace serial {

std::optional<unsigned> AdapterLatencyTimerMs(const std::string& portName)
{
    namespace fs = std::filesystem;
    // By-id links and the like name the tty they point at.
    std::error_code error;
    const fs::path device = fs::canonical(DevicePathOf(portName), error);
    if (error)
        return std::nullopt;
    std::ifstream attribute(fs::path(TtyClassDir()) / device.filename() / "device/latency_timer");
    std::string text;
    if (!std::getline(attribute, text))
        return std::nullopt;
    unsigned ms = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (failure != std::errc() || end == text.data())
        return std::nullopt;
    return ms;
}

std::string LatencyTimerRemedy()
{
    return "To set it to 1 ms, put this line into /etc/udev/rules.d/99-usb-serial.rules and plug the adapter "
           "in again:\n"
           "ACTION==\"add\", SUBSYSTEM==\"usb-serial\", DRIVER==\"ftdi_sio\", ATTR{latency_timer}=\"1\"";
}

} // namespace serial
