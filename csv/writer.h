#pragma once
// A phone book's slots in use as CSV: a "slot,number" header line, then one
// row per slot in slot order, LF line ends. ReadImportReport reads it back,
// as do spreadsheets.
//
// Thread safety: pure functions.

#include <string>
#include <vector>

namespace csv {

// slotNumbers[n] is the number slot n holds, empty for a slot not in use.
std::string WriteBookCsv(const std::vector<std::string>& slotNumbers);

} // namespace csv
