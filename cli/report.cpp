#include "cli/report.h"

#include <cstdio>

namespace cli {
namespace {

std::string OnOff(bool on)
{
    return on ? "on" : "off";
}

// A slot's number as a difference shows it.
std::string ShownNumber(const std::string& number)
{
    return number.empty() ? "(empty)" : Printable(number);
}

} // namespace

std::string Printable(const std::string& bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text;
}

std::string BookText(const BookSummary& book)
{
    std::string text;
    for (const SlotNumber& entry : book.numbers) {
        char slot[8];
        std::snprintf(slot, sizeof slot, "%3d  ", entry.slot);
        text += slot + Printable(entry.number) + "\n";
    }
    text += "numbers in use: " + std::to_string(book.numbers.size()) + "\n";
    text += "relay time-out: " + std::to_string(book.relayTimeout) + " ms\n";
    text += "external disconnection: " + OnOff(book.externalOff) + "\n";
    text += std::string("check value: ") + (book.checkValueValid ? "valid" : "INVALID") + "\n";
    return text;
}

nlohmann::json BookJson(const BookSummary& book)
{
    nlohmann::json numbers = nlohmann::json::array();
    for (const SlotNumber& entry : book.numbers)
        numbers.push_back({{"slot", entry.slot}, {"number", Printable(entry.number)}});
    return {{"numbers", numbers}, {"relay_timeout_ms", book.relayTimeout}, {"external_disconnection", book.externalOff},
        {"check_value_valid", book.checkValueValid}};
}

std::string DifferencesText(const BookDifferences& differences, const std::string& nameA, const std::string& nameB)
{
    if (differences.Count() == 0)
        return "no differences\n";
    std::string text = "differences (" + Printable(nameA) + " | " + Printable(nameB) + "):\n";
    for (const SlotDifference& slot : differences.slots)
        text += "slot " + std::to_string(slot.slot) + ": " + ShownNumber(slot.a) + " | " + ShownNumber(slot.b) + "\n";
    if (const auto& timeout = differences.relayTimeout)
        text += "relay time-out: " + std::to_string(timeout->first) + " | " + std::to_string(timeout->second) + " ms\n";
    if (const auto& flag = differences.externalOff)
        text += "external disconnection: " + OnOff(flag->first) + " | " + OnOff(flag->second) + "\n";
    text += std::to_string(differences.Count()) + " difference" + (differences.Count() == 1 ? "" : "s") + "\n";
    return text;
}

nlohmann::json DifferencesJson(const BookDifferences& differences, const std::string& nameA, const std::string& nameB)
{
    nlohmann::json slots = nlohmann::json::array();
    for (const SlotDifference& slot : differences.slots)
        slots.push_back({{"slot", slot.slot}, {"a", Printable(slot.a)}, {"b", Printable(slot.b)}});
    nlohmann::json document = {
        {"a", Printable(nameA)}, {"b", Printable(nameB)}, {"equal", differences.Count() == 0}, {"slots", slots}};
    if (const auto& timeout = differences.relayTimeout)
        document["relay_timeout_ms"] = {{"a", timeout->first}, {"b", timeout->second}};
    if (const auto& flag = differences.externalOff)
        document["external_disconnection"] = {{"a", flag->first}, {"b", flag->second}};
    return document;
}

std::string PortsText(const std::vector<serial::ComPortInfo>& ports)
{
    if (ports.empty())
        return "no serial ports found\n";
    std::string text;
    for (const serial::ComPortInfo& port : ports) {
        text += port.Path;
        if (!port.Description.empty())
            text += "  " + port.Description;
        if (!port.SerialNumber.empty())
            text += " (serial " + port.SerialNumber + ")";
        if (!port.Present)
            text += " (not present)";
        text += "\n";
        if (!port.StableName.empty())
            text += "    " + port.StableName + "\n";
    }
    return text;
}

nlohmann::json PortsJson(const std::vector<serial::ComPortInfo>& ports)
{
    nlohmann::json list = nlohmann::json::array();
    for (const serial::ComPortInfo& port : ports)
        list.push_back({{"path", port.Path}, {"description", port.Description}, {"stable_name", port.StableName},
            {"manufacturer", port.Manufacturer}, {"product", port.Product}, {"serial_number", port.SerialNumber},
            {"vendor_id", port.VendorId}, {"product_id", port.ProductId}, {"present", port.Present}});
    return list;
}

} // namespace cli
