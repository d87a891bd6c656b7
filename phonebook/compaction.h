#pragma once
// The phone list keeps its numbers packed at the top: every cell move
// gathers the non-blank numbers, sorts all of them but the first, and writes
// them back into the top rows. It empties only the row being left and the
// row just after the packed range, which keeps a list edited one cell at a
// time packed; gaps in a loaded list are copied up, not cleaned away.
//
// These are pure functions over the 500 slot values so the rule can be
// checked case by case; the list editor applies them to its rows.

#include <string>
#include <string_view>
#include <vector>

namespace phonebook {

// Empty, or exactly PhoneNumberLength spaces.
bool IsBlankNumber(std::string_view value);

// The order of the packed list: byte by byte as unsigned values, a text that
// is the beginning of a longer one first ("+1" < "1", "12" < "2").
bool NumberBefore(std::string_view a, std::string_view b);

// Empties collected, then appends every non-blank slot value in slot order,
// cutting values longer than PhoneNumberLength in their slot first.
void CollectNumbers(std::vector<std::string>& numbers, std::vector<std::string>& collected);

// Sorts collected from its second value on (stable, duplicates kept), writes
// value i into slot i and, when fewer than all slots were filled, empties the
// slot after the last one written.
void RefillNumbers(std::vector<std::string>& numbers, std::vector<std::string>& collected);

// One compaction: CollectNumbers, then the row being left emptied (data row
// lastSelectedRow, 1 to 500, holds slot lastSelectedRow - 1; 0 is none), then
// RefillNumbers.
void CompactPhoneList(std::vector<std::string>& numbers, int lastSelectedRow, std::vector<std::string>& collected);

} // namespace phonebook
