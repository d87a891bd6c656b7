// Phone book files of any content and length: loading takes only complete
// slot records and never more than 500, and for a full-sized file a save of
// what was loaded reads back as the same phone book, apart from what saving
// does to every value by design (spaces removed, and a value left with one
// character reads back empty).

#include "phonebook/phonebookfile.h"
#include "tests/fuzz/fuzzcheck.h"

namespace {

// What the window holds after loading a complete file: the time-out field
// shows the decimal text of the stored value and saving parses that text.
PhoneBook AsWindowHolds(const phonebook::LoadedPhoneBook& loaded)
{
    PhoneBook book;
    book.numbers = loaded.numbers;
    book.relayTimeout = phonebook::ParseRelayTimeout(std::to_string(*loaded.relayTimeout)).stored;
    book.externalOff = *loaded.externalOff;
    return book;
}

std::string AsReadBackAfterSave(const std::string& value)
{
    const std::string stored = RemoveSpaces(value);
    return stored.size() < 2 ? std::string() : stored;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    const phonebook::LoadedPhoneBook loaded = phonebook::DecodePhoneBook(file);

    FUZZ_CHECK(loaded.numbers.size() == std::min<std::size_t>(size, 7500) / 15);
    for (const std::string& number : loaded.numbers) {
        FUZZ_CHECK(number.size() <= 15);
        FUZZ_CHECK(number.find('\0') == std::string::npos);
    }
    FUZZ_CHECK(loaded.relayTimeout.has_value() == (size >= 7502));
    FUZZ_CHECK(loaded.externalOff.has_value() == (size >= 7500));
    if (size != 7507)
        return 0;

    const std::string saved = phonebook::EncodePhoneBook(AsWindowHolds(loaded));
    FUZZ_CHECK(saved.size() == 7507);
    const phonebook::LoadedPhoneBook reloaded = phonebook::DecodePhoneBook(saved);
    FUZZ_CHECK(reloaded.numbers.size() == 500);
    for (std::size_t slot = 0; slot < 500; ++slot)
        FUZZ_CHECK(reloaded.numbers[slot] == AsReadBackAfterSave(loaded.numbers[slot]));
    FUZZ_CHECK(reloaded.relayTimeout == loaded.relayTimeout);
    FUZZ_CHECK(reloaded.externalOff == loaded.externalOff);
    return 0;
}
