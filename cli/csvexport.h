#pragma once
// The slots in use of a phone book as CSV: a "slot,number" header line, then
// one row per slot in slot order, LF line ends. ImportCsv reads it back.

#include <string>
#include <string_view>

namespace cli {

std::string ExportCsv(std::string_view image);

} // namespace cli
