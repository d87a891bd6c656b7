#pragma once
// Text pasted into the phone list from a spreadsheet or a text editor: one
// number per line, the lines ending in CRLF (the Windows clipboard), LF or
// CR. A spreadsheet row copied whole arrives as fields separated by tabs,
// semicolons or commas; its number is the first field that is one, so a
// "name; number; flat" row gives the number. Every number goes through
// NormaliseNumber; a line without one is refused with the reason, never
// mended.
//
// Thread safety: pure function.

#include "phonebook/numbernormaliser.h"

#include <string>
#include <string_view>
#include <vector>

namespace phonebook {

struct RefusedLine {
    int line = 0;     // from 1
    std::string text; // the line as pasted, without its line break
    NumberRefusal why = NumberRefusal::None;

    bool operator==(const RefusedLine&) const = default;
};

struct PastedNumbers {
    std::vector<std::string> numbers; // in line order, refused lines left out
    std::vector<RefusedLine> refused;
};

// The line break after the last line ends it and starts no empty line (a
// spreadsheet ends its copy with one). For a line with no number, the
// reason shown is the most telling one among its fields: too long or too
// short before no number at all, and empty only when every field is.
PastedNumbers ReadPastedNumbers(std::string_view utf8Text);

} // namespace phonebook
