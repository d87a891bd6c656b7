#include "phonebook/duplicatenumbers.h"

#include "phonebook/numbernormaliser.h"

#include <unordered_map>

namespace phonebook {

DuplicateNumbers FindDuplicateNumbers(const std::vector<std::string>& values)
{
    DuplicateNumbers found;
    found.otherSlots.resize(values.size());
    std::unordered_map<std::string, std::vector<int>> slotsOf;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        NormalisedNumber number = NormaliseNumber(values[slot]);
        if (number.refusal != NumberRefusal::None)
            continue;
        ++found.numbers;
        slotsOf[std::move(number.number)].push_back(static_cast<int>(slot));
    }
    for (const auto& [number, slots] : slotsOf) {
        if (slots.size() < 2)
            continue;
        found.duplicates += static_cast<int>(slots.size()) - 1;
        for (const int slot : slots)
            for (const int other : slots)
                if (other != slot)
                    found.otherSlots[slot].push_back(other);
    }
    return found;
}

} // namespace phonebook
