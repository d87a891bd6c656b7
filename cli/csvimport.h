#pragma once
// A phone book from a spreadsheet's CSV: either "slot,number" rows or one
// number per line, with or without a header line.
//
// Blanks, dashes and brackets inside a number are dropped; what is left
// must be digits with an optional leading "+" (a leading "00" stays as
// typed), 2 to 15 characters. A one-character number is refused because
// the window reads such a slot back as empty. Rows that break a rule are
// rejected with their line and reason; repeated numbers and slots are
// warnings, and every copy is kept.
//
// The book is laid out as the window leaves it after a cell move: the
// numbers packed from slot 0 in slot order (file order for a plain list),
// all but the first sorted as the list's compaction sorts them. So an
// exported book imported again with its relay settings is the same file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct ImportOptions {
    std::uint16_t relayTimeout = 0;
    bool externalOff = false;
    // Write the book from the good rows even when some were rejected.
    bool skipBad = false;
};

struct RowNote {
    int line = 0;
    std::string text;

    bool operator==(const RowNote&) const = default;
};

struct ImportResult {
    std::vector<RowNote> rejected;
    std::vector<RowNote> warnings;
    std::vector<std::string> numbers; // the packed slots in use, slot 0 first
    // The phone book file; absent when rows were rejected and not skipped.
    std::optional<std::string> image;
};

// Throws Failure (bad input) when the bytes are no CSV at all.
ImportResult ImportCsv(std::string_view bytes, const ImportOptions& options);

} // namespace cli
