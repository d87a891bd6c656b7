// The Windows build has no CSV parser: Debian builds libcsv for Linux only.
#include "cli/csvrecords.h"

#include "cli/failure.h"

namespace cli {

std::vector<CsvRecord> ReadCsvRecords(std::string_view)
{
    throw BadInput("this build of qem-cli cannot read CSV files (no libcsv for Windows)");
}

} // namespace cli
