#include "cli/csvexport.h"

#include "cli/bookimage.h"

namespace cli {
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

std::string ExportCsv(std::string_view image)
{
    std::string csv = "slot,number\n";
    for (const SlotNumber& entry : Summarize(image).numbers)
        csv += std::to_string(entry.slot) + "," + Field(entry.number) + "\n";
    return csv;
}

} // namespace cli
