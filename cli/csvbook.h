#pragma once
// qem-cli's side of CSV files (csv/ reads and writes them): a phone book
// file from an import report with the relay settings given on the command
// line, and the CSV of a phone book file.

#include "csv/importreport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

struct ImportOptions {
    std::uint16_t relayTimeout = 0;
    bool externalOff = false;
    // Write the book from the good rows even when some were refused.
    bool skipBad = false;
};

// The phone book file of the report's numbers; none when rows were refused
// and are not to be skipped.
std::optional<std::string> ImageOfImport(const csv::ImportReport& report, const ImportOptions& options);

// The slots in use of a phone book file, as the device holds them
// (SlotNumberOf), as CSV.
std::string ExportCsv(std::string_view image);

} // namespace cli
