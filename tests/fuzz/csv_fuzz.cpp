// A spreadsheet's CSV as anything a file may hold: the import either refuses
// it as no CSV at all, or every number it keeps is a phone number of 2 to 15
// characters, at most 500 of them, a book is written exactly when no row was
// rejected (or rejected rows are to be skipped), and that book holds the
// numbers packed from slot 0 with the relay settings asked for.

#include "cli/csvimport.h"
#include "cli/failure.h"
#include "phonebook/phonebookfile.h"
#include "tests/fuzz/fuzzcheck.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the options; the rest is the file.
    cli::ImportOptions options;
    options.skipBad = (data[0] & 1) != 0;
    options.externalOff = (data[0] & 2) != 0;
    options.relayTimeout = static_cast<std::uint16_t>(data[0] * 257);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    cli::ImportResult result;
    try {
        result = cli::ImportCsv(bytes, options);
    } catch (const cli::Failure& failure) {
        FUZZ_CHECK(failure.Status() == cli::ExitBadInput);
        return 0;
    }

    constexpr std::size_t Slots = phonebook::PhoneSlotCount;
    FUZZ_CHECK(result.numbers.size() <= Slots);
    for (const std::string& number : result.numbers) {
        FUZZ_CHECK(number.size() >= 2 && number.size() <= phonebook::PhoneNumberLength);
        FUZZ_CHECK(number.find_first_not_of("0123456789", number[0] == '+' ? 1 : 0) == std::string::npos);
    }
    FUZZ_CHECK(result.image.has_value() == (result.rejected.empty() || options.skipBad));
    if (!result.image)
        return 0;

    FUZZ_CHECK(result.image->size() == 7507);
    const phonebook::LoadedPhoneBook book = phonebook::DecodePhoneBook(*result.image);
    FUZZ_CHECK(book.numbers.size() == Slots);
    for (std::size_t slot = 0; slot < Slots; ++slot)
        FUZZ_CHECK(book.numbers[slot] == (slot < result.numbers.size() ? result.numbers[slot] : std::string()));
    FUZZ_CHECK(*book.relayTimeout == options.relayTimeout);
    FUZZ_CHECK(*book.externalOff == options.externalOff);
    return 0;
}
