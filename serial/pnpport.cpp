#include "serial/pnpport.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace serial {
namespace {

bool SameText(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

// The four hex digits after a tag such as "VID_" in a device id, in lower
// case; empty when the id has no such tag.
std::string HexAfter(std::string_view id, std::string_view tag)
{
    for (std::size_t at = 0; at + tag.size() + 4 <= id.size(); ++at) {
        if (!SameText(id.substr(at, tag.size()), tag))
            continue;
        std::string digits(id.substr(at + tag.size(), 4));
        if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
            continue;
        std::transform(digits.begin(), digits.end(), digits.begin(), [](unsigned char c) { return std::tolower(c); });
        return digits;
    }
    return {};
}

// A USB device's instance id ends in its serial number when it has one
// ("USB\VID_2341&PID_0043\75735353038351B0"); Windows makes up an id with
// '&' in it for a device without ("USB\VID_1A86&PID_7523\5&2B1A8E5&0&3").
std::string UsbSerialNumber(std::string_view instanceId)
{
    if (!SameText(instanceId.substr(0, 4), "USB\\"))
        return {};
    const std::size_t last = instanceId.rfind('\\');
    if (last == 3)
        return {};
    const std::string_view tail = instanceId.substr(last + 1);
    return tail.find('&') == std::string_view::npos ? std::string(tail) : std::string();
}

} // namespace

void DescribePnpPort(ComPortInfo& port, const PnpPortProperties& properties)
{
    std::string product = properties.FriendlyName;
    const std::string suffix = " (" + port.Path + ")";
    if (product.size() >= suffix.size()
        && SameText(std::string_view(product).substr(product.size() - suffix.size()), suffix))
        product.resize(product.size() - suffix.size());
    // "(Standard port types)" and the like name no maker.
    const std::string maker = properties.Maker.starts_with('(') ? std::string() : properties.Maker;

    if (!product.empty())
        port.Product = product;
    if (!maker.empty())
        port.Manufacturer = maker;
    if (product.empty())
        port.Description = maker;
    else if (maker.empty() || product.find(maker) != std::string::npos)
        port.Description = product;
    else
        port.Description = product + " (" + maker + ")";

    for (const std::string& id : {properties.HardwareId, properties.InstanceId}) {
        if (port.VendorId.empty())
            port.VendorId = HexAfter(id, "VID_");
        if (port.ProductId.empty())
            port.ProductId = HexAfter(id, "PID_");
    }
    if (std::string serial = UsbSerialNumber(properties.InstanceId); !serial.empty())
        port.SerialNumber = std::move(serial);
}

} // namespace serial
