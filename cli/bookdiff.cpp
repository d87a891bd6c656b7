#include "cli/bookdiff.h"

#include "cli/bookimage.h"
#include "phonebook/phonebookfile.h"

namespace cli {

BookDifferences CompareBooks(std::string_view a, std::string_view b)
{
    BookDifferences differences;
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot) {
        const std::size_t at = static_cast<std::size_t>(slot) * phonebook::PhoneNumberLength;
        const std::string_view recordA = a.substr(at, phonebook::PhoneNumberLength);
        const std::string_view recordB = b.substr(at, phonebook::PhoneNumberLength);
        // Bytes after a number's end count too: the device holds them.
        if (recordA != recordB)
            differences.slots.push_back({slot, SlotNumberOf(recordA), SlotNumberOf(recordB)});
    }
    const BookSummary summaryA = Summarize(a);
    const BookSummary summaryB = Summarize(b);
    if (a.substr(phonebook::SlotsSize, 2) != b.substr(phonebook::SlotsSize, 2))
        differences.relayTimeout = {summaryA.relayTimeout, summaryB.relayTimeout};
    if (a[phonebook::SlotsSize + 2] != b[phonebook::SlotsSize + 2])
        differences.externalOff = {summaryA.externalOff, summaryB.externalOff};
    return differences;
}

} // namespace cli
