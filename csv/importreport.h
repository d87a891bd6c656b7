#pragma once
// What a spreadsheet's CSV gives as a phone list, row by row, before
// anything is changed: the window shows it as the import report and
// qem-cli prints it. The file holds either "slot,number" rows or one number
// per line, with or without a header line.
//
// A spreadsheet keeps a number as text by a leading apostrophe ('0612) or
// as a formula (="0612"); both are read as the text inside. Each number
// then goes through the phone number rule: good when it already is one,
// changed when blanks, dashes and the like had to go (the report shows
// from -> to), refused with the reason otherwise. Nothing is guessed: a
// number that looks as if the spreadsheet dropped its leading zero or plus
// is kept as it stands and warned about, as are repeated numbers and slots.
//
// The numbers are laid out as the window leaves them after a cell move:
// packed from slot 0 in slot order (file order for a plain list), all but
// the first sorted as the list's compaction sorts them. So an exported book
// imported again with its relay settings is the same file.
//
// Thread safety: pure functions.

#include <string>
#include <string_view>
#include <vector>

namespace csv {

enum class RowResult {
    Header,  // the column titles: no field holds a number
    Empty,   // a slot listed without a number
    Good,    // imported as it stands
    Changed, // imported as `number`, normalised from `text`
    Refused, // not imported, for `refusal`
};

// Why a row is not imported.
enum class Refusal {
    None,
    NotANumber,   // something besides digits, a leading "+" and separators
    TooLong,      // more than 15 characters
    TooShort,     // one character, which the window reads back as an empty slot
    BadSlot,      // a "slot,number" row whose slot is not 0 to 499
    ExtraColumns, // a "slot,number" row with more fields
    TooMany,      // past the 500th number
};

struct ReportRow {
    int line = 0;
    std::string text; // the number's field as the file has it; the whole row for a header or a refused row
    RowResult result = RowResult::Good;
    std::string number; // Good and Changed: what is imported
    Refusal refusal = Refusal::None;

    bool operator==(const ReportRow&) const = default;
};

// Something to check that did not stop a row.
struct Warning {
    enum class Kind {
        RepeatedSlot,         // `slot` also named on `firstLine`; both numbers kept
        LostLeadingCharacter, // `number` is one shorter than most, which start with `typicalFirst`
    };
    int line = 0;
    Kind kind = Kind::RepeatedSlot;
    int slot = 0;
    int firstLine = 0;
    std::string number;
    std::size_t typicalLength = 0;
    char typicalFirst = 0;

    bool operator==(const Warning&) const = default;
};

// A number the import would put into more than one slot, and the lines it
// comes from.
struct Duplicate {
    std::string number;
    std::vector<int> lines;

    bool operator==(const Duplicate&) const = default;
};

struct ImportReport {
    std::vector<ReportRow> rows; // one per record of the file, in file order
    std::vector<Warning> warnings;
    std::vector<Duplicate> duplicates;
    std::vector<std::string> numbers; // the good and changed rows' numbers as packed slots, slot 0 first

    int Count(RowResult result) const;
};

// Throws ParseError when the bytes are no CSV at all.
ImportReport ReadImportReport(std::string_view bytes);

// The reasons and warnings in English, for qem-cli (the window has its own
// translated texts).
std::string EnglishReason(Refusal refusal);
std::string EnglishText(const Warning& warning);

} // namespace csv
