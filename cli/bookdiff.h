#pragma once
// What differs between two phone books, field by field and byte for byte:
// the slot records, the relay time-out and the external-disconnection flag.
// The check value is left out: it follows from the rest.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

struct SlotDifference {
    int slot = 0;
    std::string a; // the numbers, empty for a slot not in use
    std::string b;

    bool operator==(const SlotDifference&) const = default;
};

struct BookDifferences {
    std::vector<SlotDifference> slots;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> relayTimeout;
    std::optional<std::pair<bool, bool>> externalOff;

    std::size_t Count() const { return slots.size() + (relayTimeout ? 1 : 0) + (externalOff ? 1 : 0); }
};

// Both are phone book images of 7507 bytes.
BookDifferences CompareBooks(std::string_view a, std::string_view b);

} // namespace cli
