// The commands that work on files only.

#include "cli/bookimage.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/output.h"
#include "cli/report.h"
#include "csv/records.h"
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

int Import(const std::string& csvPath, const std::string& file, const ImportOptions& options)
{
    const std::optional<std::string> bytes = phonebook::ReadFileStart(csvPath, LargestCsv + 1);
    if (!bytes)
        throw BadInput(csvPath + ": cannot be read");
    if (bytes->size() > LargestCsv)
        throw BadInput(csvPath + ": too large for a list of phone numbers");
    csv::ImportReport report;
    try {
        report = csv::ReadImportReport(*bytes);
    } catch (const csv::ParseError& error) {
        throw BadInput(csvPath + ": " + error.what());
    }
    const auto tell = [&](int line, const std::string& text) {
        Tell(csvPath + ":" + std::to_string(line) + ": " + text);
    };
    for (const csv::ReportRow& row : report.rows) {
        if (row.result == csv::RowResult::Changed)
            tell(row.line, "changed: \"" + row.text + "\" -> " + row.number);
        else if (row.result == csv::RowResult::Refused)
            tell(row.line, "rejected: \"" + row.text + "\": " + csv::EnglishReason(row.refusal));
    }
    for (const csv::Warning& warning : report.warnings)
        tell(warning.line, "warning: " + csv::EnglishText(warning));
    for (const csv::Duplicate& duplicate : report.duplicates) {
        std::string lines;
        for (const int line : duplicate.lines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        Tell(csvPath + ": warning: \"" + duplicate.number + "\" on lines " + lines + "; kept in each slot");
    }
    const std::optional<std::string> image = ImageOfImport(report, options);
    if (!image) {
        Tell(std::to_string(report.Count(csv::RowResult::Refused)) + " row(s) rejected; nothing written");
        return ExitRowsRejected;
    }
    WriteOutputFile(file, *image);
    Tell(std::to_string(report.numbers.size()) + " number(s) written to " + file);
    return ExitSuccess;
}

} // namespace cli
