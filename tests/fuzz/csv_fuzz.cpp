// A spreadsheet's CSV as anything a file may hold: the import either refuses
// it as no CSV at all, or reports every record once, in file order; every
// number it keeps is a phone number of 2 to 15 characters from a good or
// changed row, at most 500 of them, packed as the list's compaction packs
// them; a duplicate names at least two lines.

#include "csv/importreport.h"
#include "csv/records.h"
#include "phonebook/compaction.h"
#include "phonebook/phonebookfile.h"
#include "tests/fuzz/fuzzcheck.h"

#include <algorithm>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    csv::ImportReport report;
    try {
        report = csv::ReadImportReport(bytes);
    } catch (const csv::ParseError&) {
        return 0;
    }

    std::vector<std::string> kept;
    int line = 0;
    for (const csv::ReportRow& row : report.rows) {
        FUZZ_CHECK(row.line > line);
        line = row.line;
        const bool imported = row.result == csv::RowResult::Good || row.result == csv::RowResult::Changed;
        FUZZ_CHECK(imported != row.number.empty());
        FUZZ_CHECK((row.result == csv::RowResult::Refused) == (row.refusal != csv::Refusal::None));
        if (imported)
            kept.push_back(row.number);
    }
    FUZZ_CHECK(report.numbers.size() == kept.size());
    FUZZ_CHECK(report.numbers.size() <= static_cast<std::size_t>(phonebook::PhoneSlotCount));
    for (const std::string& number : report.numbers) {
        FUZZ_CHECK(number.size() >= 2 && number.size() <= phonebook::PhoneNumberLength);
        FUZZ_CHECK(number.find_first_not_of("0123456789", number[0] == '+' ? 1 : 0) == std::string::npos);
    }
    FUZZ_CHECK(std::is_sorted(report.numbers.begin() + (report.numbers.empty() ? 0 : 1), report.numbers.end(),
        [](const std::string& a, const std::string& b) { return phonebook::NumberBefore(a, b); }));
    std::sort(kept.begin(), kept.end());
    std::vector<std::string> packed = report.numbers;
    std::sort(packed.begin(), packed.end());
    FUZZ_CHECK(packed == kept);
    for (const csv::Duplicate& duplicate : report.duplicates)
        FUZZ_CHECK(duplicate.lines.size() >= 2);
    return 0;
}
