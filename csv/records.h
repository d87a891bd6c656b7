#pragma once
// The records of a CSV file as spreadsheets write them: comma, semicolon or
// tab separated (whichever the first line uses most), quoted fields, a
// byte-order mark (UTF-8, or UTF-16 as "Unicode text" exports are, which is
// turned into UTF-8), CR LF or LF line ends. Blank lines give no record.
//
// Thread safety: pure functions.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

struct Record {
    int line = 0; // where the record starts, counting from 1
    std::vector<std::string> fields;
};

// The bytes are no CSV at all; the message names the line.
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws ParseError when the file cannot be parsed at all.
std::vector<Record> ReadRecords(std::string_view bytes);

} // namespace csv
