#pragma once
// A phone book as its 7507 file bytes: loaded from a file, made from the
// device's dump, and read back as the numbers in use, the relay time-out
// and the external-disconnection flag.
//
// A slot is in use when its first byte is not zero, and its number is the
// bytes up to the first zero byte: that is what the device holds and sends
// back, so a file, its export and the device agree slot by slot.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct SlotNumber {
    int slot = 0;
    std::string number;

    bool operator==(const SlotNumber&) const = default;
};

struct BookSummary {
    std::vector<SlotNumber> numbers; // the slots in use, in slot order
    std::uint16_t relayTimeout = 0;  // as stored: 16 bits, unsigned
    bool externalOff = false;
    bool checkValueValid = false;
};

// The bytes of a phone book file. Throws Failure (bad input) unless it is a
// readable regular file of exactly 7507 bytes.
std::string LoadBookFile(const std::string& path);

// The number a 15-byte slot record holds; empty when the slot is not in use.
std::string SlotNumberOf(std::string_view record);

BookSummary Summarize(std::string_view image);

// The phone book file a read from the device gives: the dump's numbers,
// relay time-out and flag, stored as the window stores them, with a valid
// check value. Throws Failure (device) unless the dump is complete (7505 bytes).
std::string ImageFromDump(const std::string& dump);

} // namespace cli
