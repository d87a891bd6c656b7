#pragma once
// Numbers that stand in more than one slot of the list. They are compared
// as NormaliseNumber leaves them, so "860000002" and "8 600 00002" are the
// same number; blank slots and values that are no storable number (one
// character, being typed past 15) are never duplicates.
//
// Thread safety: pure function.

#include <string>
#include <vector>

namespace phonebook {

struct DuplicateNumbers {
    // For each slot, the other slots holding its number, in slot order;
    // empty when its number stands nowhere else.
    std::vector<std::vector<int>> otherSlots;
    int numbers = 0;    // slots holding a number
    int duplicates = 0; // numbers beyond the first copy of each
};

DuplicateNumbers FindDuplicateNumbers(const std::vector<std::string>& values);

} // namespace phonebook
