#include "cli/bookimage.h"

#include "cli/failure.h"
#include "device/protocol.h"
#include "phonebook/crc16.h"
#include "phonebook/fileaccess.h"
#include "phonebook/phonebookfile.h"

#include <algorithm>

namespace cli {
namespace {

// Every slot record, the relay time-out and the flag, with the two bytes
// the device adds at its end.
constexpr std::size_t CompleteDumpSize = phonebook::CheckedSize + 2;

std::uint32_t StoredCheckValue(std::string_view image)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(image[phonebook::CheckedSize + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

std::string LoadBookFile(const std::string& path)
{
    // One byte more than a phone book, to tell a longer file from one.
    std::optional<std::string> bytes = phonebook::ReadFileStart(path, phonebook::FileSize + 1);
    if (!bytes)
        throw BadInput(path + ": cannot be read");
    // The window creates its first phone book file empty and reads it as an
    // empty book; so does every command here.
    if (bytes->empty())
        return phonebook::EncodePhoneBook(phonebook::PhoneBook{});
    if (bytes->size() != phonebook::FileSize)
        throw BadInput(path + ": not a phone book file (" + std::to_string(phonebook::FileSize) + " bytes expected)");
    return std::move(*bytes);
}

std::string SlotNumberOf(std::string_view record)
{
    return std::string(record.substr(0, record.find('\0')));
}

BookSummary Summarize(std::string_view image)
{
    BookSummary summary;
    for (int slot = 0; slot < phonebook::PhoneSlotCount; ++slot) {
        std::string number = SlotNumberOf(
            image.substr(static_cast<std::size_t>(slot) * phonebook::PhoneNumberLength, phonebook::PhoneNumberLength));
        if (!number.empty())
            summary.numbers.push_back({slot, std::move(number)});
    }
    const auto low = static_cast<unsigned char>(image[phonebook::SlotsSize]);
    const auto high = static_cast<unsigned char>(image[phonebook::SlotsSize + 1]);
    summary.relayTimeout = static_cast<std::uint16_t>(low | (high << 8));
    summary.externalOff = image[phonebook::SlotsSize + 2] != 0;
    summary.checkValueValid = StoredCheckValue(image) == phonebook::Crc16Of(image.substr(0, phonebook::CheckedSize));
    return summary;
}

std::string ImageFromDump(const std::string& dump)
{
    if (dump.size() != CompleteDumpSize)
        throw DeviceFailure("incomplete dump from the device (" + std::to_string(dump.size()) + " of "
            + std::to_string(CompleteDumpSize) + " bytes)");
    const device::protocol::Dump decoded = device::protocol::DecodeDump(dump);
    phonebook::PhoneBook book;
    std::copy(decoded.numbers.begin(), decoded.numbers.end(), book.numbers.begin());
    book.relayTimeout = *decoded.relayTimeout;
    book.externalOff = *decoded.externalOff;
    return phonebook::EncodePhoneBook(book);
}

} // namespace cli
