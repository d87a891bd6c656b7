// Phone book files of any content and length: loading takes only complete
// slot records, never more than 500, and only phone numbers from them; for
// a full-sized file a save of what was loaded reads back as the same phone
// book, apart from the one-character values that the file format cannot
// keep (a slot whose second byte is zero reads as empty).

#include "phonebook/phonebookfile.h"
#include "tests/fuzz/fuzzcheck.h"

namespace {

// What the window holds after loading a complete file: the time-out field
// shows the decimal text of the stored value and saving parses that text.
phonebook::PhoneBook AsWindowHolds(const phonebook::LoadedPhoneBook& loaded)
{
    phonebook::PhoneBook book;
    book.numbers = loaded.numbers;
    book.relayTimeout = phonebook::ParseRelayTimeout(std::to_string(*loaded.relayTimeout)).stored;
    book.externalOff = *loaded.externalOff;
    return book;
}

std::string AsReadBackAfterSave(const std::string& value)
{
    return value.size() < 2 ? std::string() : value;
}

bool IsPhoneNumber(const std::string& text)
{
    return text.find_first_not_of("0123456789+") == std::string::npos && text.find('+', 1) == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    const phonebook::LoadedPhoneBook loaded = phonebook::DecodePhoneBook(file);

    FUZZ_CHECK(loaded.numbers.size() == std::min<std::size_t>(size, 7500) / 15);
    for (const std::string& number : loaded.numbers) {
        FUZZ_CHECK(number.size() <= 15);
        FUZZ_CHECK(IsPhoneNumber(number));
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
