#include "csv/writer.h"

namespace csv {
namespace {

// A field as CSV writes it: quoted, with its quotes doubled, only when it
// holds a separator, a quote or a line break (a damaged file's slot can).
std::string Field(const std::string& text)
{
    if (text.find_first_of(",;\t\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string WriteBookCsv(const std::vector<std::string>& slotNumbers)
{
    std::string csv = "slot,number\n";
    for (std::size_t slot = 0; slot < slotNumbers.size(); ++slot)
        if (!slotNumbers[slot].empty())
            csv += std::to_string(slot) + "," + Field(slotNumbers[slot]) + "\n";
    return csv;
}

} // namespace csv
