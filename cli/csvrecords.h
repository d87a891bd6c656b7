#pragma once
// The records of a CSV file as spreadsheets write them: comma, semicolon or
// tab separated (whichever the first line uses most), quoted fields, a
// byte-order mark (UTF-8, or UTF-16 as "Unicode text" exports are, which is
// turned into UTF-8), CR LF or LF line ends. Blank lines give no record.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct CsvRecord {
    int line = 0; // where the record starts, counting from 1
    std::vector<std::string> fields;
};

// Throws Failure (bad input) when the file cannot be parsed at all.
std::vector<CsvRecord> ReadCsvRecords(std::string_view bytes);

} // namespace cli
