#include "cli/csvbook.h"

#include "cli/bookimage.h"
#include "csv/writer.h"
#include "phonebook/phonebookfile.h"

namespace cli {

std::optional<std::string> ImageOfImport(const csv::ImportReport& report, const ImportOptions& options)
{
    if (report.Count(csv::RowResult::Refused) > 0 && !options.skipBad)
        return std::nullopt;
    phonebook::PhoneBook book;
    std::copy(report.numbers.begin(), report.numbers.end(), book.numbers.begin());
    book.relayTimeout = options.relayTimeout;
    book.externalOff = options.externalOff;
    return phonebook::EncodePhoneBook(book);
}

std::string ExportCsv(std::string_view image)
{
    std::vector<std::string> slots(phonebook::PhoneSlotCount);
    for (SlotNumber& entry : Summarize(image).numbers)
        slots[static_cast<std::size_t>(entry.slot)] = std::move(entry.number);
    return csv::WriteBookCsv(slots);
}

} // namespace cli
