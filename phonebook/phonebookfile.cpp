#include "phonebook/phonebookfile.h"

#include "phonebook/crc16.h"
#include "phonebook/phonenumber.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace phonebook {
namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

std::uint8_t ByteAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

} // namespace

std::string EncodeSlot(std::string_view value)
{
    // Spaces (the blanks of the cell template) go with everything else that
    // is no phone number character, so fifteen spaces become an empty slot.
    std::string record = PhoneNumberOf(value);
    record.resize(PhoneNumberLength, '\0');
    return record;
}

std::string DecodeSlot(std::string_view record)
{
    record = record.substr(0, PhoneNumberLength);
    if (record.size() < 2 || record[1] == '\0')
        return {};
    // A hand-made or damaged file may hold any byte; only the phone number
    // characters reach the window, and from there the device.
    return PhoneNumberOf(record.substr(0, record.find('\0')));
}

RelayTimeout ParseRelayTimeout(std::string_view fieldText)
{
    // A valid text is a decimal integer of the 32-bit range, optionally
    // signed, leading blanks allowed; anything else is stored as 0 and the
    // field is reset so that the window shows what was stored.
    std::string_view text = fieldText;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const bool allDigits = !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    std::int64_t magnitude = 0;
    if (!allDigits || std::from_chars(text.data(), text.data() + text.size(), magnitude).ec != std::errc())
        return {0, true};
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return {0, true};
    return {static_cast<std::uint16_t>(static_cast<std::uint64_t>(value) & 0xFFFFu), false};
}

std::string EncodePhoneBook(const PhoneBook& book)
{
    std::string file;
    file.reserve(FileSize);
    for (int n = 0; n < PhoneSlotCount; ++n)
        file += EncodeSlot(n < static_cast<int>(book.numbers.size()) ? std::string_view(book.numbers[n]) : "");
    AppendLittleEndian(file, book.relayTimeout, 2);
    file.push_back(book.externalOff ? '\1' : '\0');
    AppendLittleEndian(file, Crc16Of(file), 4);
    return file;
}

LoadedPhoneBook DecodePhoneBook(std::string_view fileBytes)
{
    LoadedPhoneBook loaded;
    const std::string_view bytes = fileBytes.substr(0, std::min(fileBytes.size(), CheckedSize));
    for (std::size_t offset = 0; offset + PhoneNumberLength <= std::min(bytes.size(), SlotsSize);
         offset += PhoneNumberLength)
        loaded.numbers.push_back(DecodeSlot(bytes.substr(offset, PhoneNumberLength)));
    if (loaded.numbers.size() < PhoneSlotCount)
        return loaded;

    // A file that ends inside the time-out field has no time-out: the field
    // keeps its value, and the flag after it is missing, so the box is cleared.
    if (bytes.size() >= SlotsSize + 2)
        loaded.relayTimeout = static_cast<std::uint16_t>(ByteAt(bytes, SlotsSize)
            | (ByteAt(bytes, SlotsSize + 1) << 8));
    loaded.externalOff = bytes.size() >= SlotsSize + 3 && ByteAt(bytes, SlotsSize + 2) != 0;
    return loaded;
}

} // namespace phonebook
