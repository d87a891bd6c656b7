// The commands that work on files only.

#include "cli/bookimage.h"
#include "cli/commands.h"
#include "cli/csvexport.h"
#include "cli/failure.h"
#include "cli/output.h"
#include "cli/report.h"
#include "phonebook/fileaccess.h"

namespace cli {
namespace {

// Far more than any list of 500 numbers with notes.
constexpr std::size_t LargestCsv = 16 << 20;

} // namespace

int Show(const std::string& file, bool json)
{
    const BookSummary book = Summarize(LoadBookFile(file));
    if (json)
        PrintJson(BookJson(book));
    else
        PrintText(BookText(book));
    return ExitSuccess;
}

int Export(const std::string& file, const std::optional<std::string>& csv)
{
    const std::string text = ExportCsv(LoadBookFile(file));
    if (csv)
        WriteOutputFile(*csv, text);
    else
        PrintText(text);
    return ExitSuccess;
}

int Import(const std::string& csv, const std::string& file, const ImportOptions& options)
{
    const std::optional<std::string> bytes = phonebook::ReadFileStart(csv, LargestCsv + 1);
    if (!bytes)
        throw BadInput(csv + ": cannot be read");
    if (bytes->size() > LargestCsv)
        throw BadInput(csv + ": too large for a list of phone numbers");
    const ImportResult result = ImportCsv(*bytes, options);
    for (const RowNote& row : result.rejected)
        Tell(csv + ":" + std::to_string(row.line) + ": rejected: " + row.text);
    for (const RowNote& row : result.warnings)
        Tell(csv + ":" + std::to_string(row.line) + ": warning: " + row.text);
    if (!result.image) {
        Tell(std::to_string(result.rejected.size()) + " row(s) rejected; nothing written");
        return ExitRowsRejected;
    }
    WriteOutputFile(file, *result.image);
    Tell(std::to_string(result.numbers.size()) + " number(s) written to " + file);
    return ExitSuccess;
}

} // namespace cli
