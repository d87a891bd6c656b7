#pragma once
// The phone book file: 500 slot records of 15 bytes, the relay time-out
// (16 bits, little-endian), the external-disconnection flag and the 32-bit
// check value over everything before it: 7507 bytes, no header. The same
// bytes are the image written into the device, so the layout is fixed to the
// byte and every rule here is about reproducing it exactly.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phonebook {

inline constexpr int PhoneSlotCount = 500;
inline constexpr std::size_t PhoneNumberLength = 15;

// The phone book as the window holds it, ready to be stored.
struct PhoneBook {
    std::vector<std::string> numbers = std::vector<std::string>(PhoneSlotCount);
    std::uint16_t relayTimeout = 0; // the low 16 bits of the field's value
    bool externalOff = false;
};

inline constexpr std::size_t SlotsSize = PhoneSlotCount * PhoneNumberLength; // 7500
inline constexpr std::size_t CheckedSize = SlotsSize + 3;                    // 7503
inline constexpr std::size_t FileSize = CheckedSize + 4;                     // 7507

// The 15-byte record of one slot: the value's phone number (PhoneNumberOf:
// spaces and anything else that is no phone number character removed), cut
// to 15 bytes, padded with zero bytes. Empty and blank values give 15 zero
// bytes.
std::string EncodeSlot(std::string_view value);
// The value of a 15-byte record: empty when its second byte is zero,
// otherwise the phone number of the bytes up to the first zero byte.
std::string DecodeSlot(std::string_view record);

// What saving makes of the relay time-out field's text.
struct RelayTimeout {
    std::uint16_t stored = 0; // the low 16 bits of the value, 0 when invalid
    bool resetField = false;  // the field is set to "0" (empty or invalid text)
};
RelayTimeout ParseRelayTimeout(std::string_view fieldText);

// The complete 7507-byte file.
std::string EncodePhoneBook(const PhoneBook& book);

// What a file's bytes change in the window. Loading overwrites rows one by
// one and stops at the first incomplete slot record, so a short file changes
// only the rows it holds completely and nothing else.
struct LoadedPhoneBook {
    std::vector<std::string> numbers;          // the complete slot records, from slot 0
    std::optional<std::uint16_t> relayTimeout; // when all 500 slots and both bytes are present
    std::optional<bool> externalOff;           // when all 500 slots are present; false if the byte is missing
};
// Reads only the first CheckedSize bytes; the check value is not verified.
LoadedPhoneBook DecodePhoneBook(std::string_view fileBytes);

} // namespace phonebook
