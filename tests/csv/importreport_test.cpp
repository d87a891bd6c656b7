// Spreadsheets' CSV files as the import reports them: separators, headers,
// byte-order marks, numbers kept as text, lost leading zeros, refused rows,
// duplicates, and what a written book reads back as.

#include "csv/importreport.h"
#include "csv/writer.h"

#include <gtest/gtest.h>

namespace csv {
namespace {

// A row as one line: "<line> <result> <number or reason>".
std::string Described(const ReportRow& row)
{
    static const char* const names[] = {"header", "empty", "good", "changed", "refused"};
    std::string text = std::to_string(row.line) + " " + names[static_cast<int>(row.result)];
    if (row.result == RowResult::Changed)
        text += " " + row.text + " -> " + row.number;
    else if (row.result == RowResult::Good)
        text += " " + row.number;
    else if (row.result == RowResult::Refused)
        text += " " + row.text + ": " + EnglishReason(row.refusal);
    return text;
}

struct FileCase {
    const char* name;
    std::string csv;
    std::vector<std::string> rows;
    std::vector<std::string> numbers;       // packed from slot 0
    std::vector<std::string> warnings = {}; // "<line>: <text>"
    std::vector<Duplicate> duplicates = {};
};

TEST(ImportReport, spreadsheetFilesRowByRow)
{
    // clang-format off
    const std::vector<FileCase> cases = {
        {"semicolon, BOM, header, CRLF, the number column beside names",
            "\xEF\xBB\xBF" "Flat;Phone;Note\r\n1;+370 600-00001;\r\n2;(8) 600.00002;gate\r\n3;860000003;\r\n",
            {"1 header", "2 changed +370 600-00001 -> +37060000001", "3 changed (8) 600.00002 -> 860000002",
                "4 good 860000003"},
            {"+37060000001", "860000002", "860000003"}},
        {"slot,number with a header, semicolons, quoted, ordered by slot, leading 00 kept",
            "Slot;Number\n3;\"00 370 1\"\n1;\"222\"\n5;\n",
            {"1 header", "2 changed 00 370 1 -> 003701", "3 good 222", "4 empty"}, {"222", "003701"}},
        {"apostrophes and formulas keep leading zeros as text",
            "'0612345678\n=\"0612345679\"\n\"=\"\"0612345670\"\"\"\n'+370 600\n",
            {"1 good 0612345678", "2 good 0612345679", "3 good 0612345670", "4 changed '+370 600 -> +370600"},
            {"0612345678", "+370600", "0612345670", "0612345679"}},
        {"lost leading zeros are named, not repaired",
            "number\n0612345678\n0612345679\n612345670\n0612345671\n",
            {"1 header", "2 good 0612345678", "3 good 0612345679", "4 good 612345670", "5 good 0612345671"},
            {"0612345678", "0612345671", "0612345679", "612345670"},
            {"4: \"612345670\" may have lost a leading \"0\" (most numbers have 10 characters starting with \"0\"); "
                 "imported as it stands"}},
        {"a lost trunk 8: 9 digits starting with 6 among 10 starting with 8",
            "8600000001\n8600000002\n600000003\n8600000004\n",
            {"1 good 8600000001", "2 good 8600000002", "3 good 600000003", "4 good 8600000004"},
            {"8600000001", "600000003", "8600000002", "8600000004"},
            {"3: \"600000003\" may have lost a leading \"8\" (most numbers have 10 characters starting with \"8\"); "
             "imported as it stands"}},
        {"a lost plus, comma separated slots without a header",
            "0,+37060000001\n1,+37060000002\n2,37060000003\n3,+37060000004\n",
            {"1 good +37060000001", "2 good +37060000002", "3 good 37060000003", "4 good +37060000004"},
            {"+37060000001", "+37060000002", "+37060000004", "37060000003"},
            {"3: \"37060000003\" may have lost a leading \"+\" (most numbers have 12 characters starting with "
                 "\"+\"); imported as it stands"}},
        {"no warning without a clear majority", "0612345678\n612345670\n+37060000001\n",
            {"1 good 0612345678", "2 good 612345670", "3 good +37060000001"},
            {"0612345678", "+37060000001", "612345670"}},
        {"duplicates after normalisation, and a repeated slot",
            "0;860000002\n1;8 600 00002\n0;860000003\n",
            {"1 good 860000002", "2 changed 8 600 00002 -> 860000002", "3 good 860000003"},
            {"860000002", "860000002", "860000003"}, {"3: slot 0 also on line 1; both numbers kept"},
            {{"860000002", {1, 2}}}},
        {"tab, no header, trailing empty columns", "5\t333\t\t\n2\t999\t\n9\t111\n",
            {"1 good 333", "2 good 999", "3 good 111"}, {"999", "111", "333"}},
        {"classic Mac line ends (a lone CR) count lines too", "Phone;Name\r860000001;A\r860000002;B\r",
            {"1 header", "2 good 860000001", "3 good 860000002"}, {"860000001", "860000002"}},
        {"UTF-16 with byte-order mark", std::string("\xFF\xFE" "1\0" "7\0\r\0\n\0", 10), {"1 good 17"}, {"17"}},
        {"digits of other scripts and a no-break space", "\xEF\xBC\x91\xEF\xBC\x92\n+370\xC2\xA0" "600\n",
            {"1 changed \xEF\xBC\x91\xEF\xBC\x92 -> 12", "2 changed +370\xC2\xA0" "600 -> +370600"},
            {"12", "+370600"}},
        {"refused rows, each with its reason",
            "Slot,Number\n0,12\n1,12ab\n2,12+3\n3,1234567890123456\n4,7\n500,13\n5,14,15\n6,3.706E+10\n",
            {"1 header", "2 good 12", "3 refused 12ab: only digits and a leading + are allowed",
                "4 refused 12+3: only digits and a leading + are allowed",
                "5 refused 1234567890123456: longer than 15 characters",
                "6 refused 7: too short (at least 2 characters)",
                "7 refused 500, 13: the slot is not between 0 and 499",
                "8 refused 5, 14, 15: expected \"slot,number\"",
                "9 refused 3.706E+10: only digits and a leading + are allowed"},
            {"12"}},
    };
    // clang-format on
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportReport report = ReadImportReport(c.csv);
        std::vector<std::string> rows;
        for (const ReportRow& row : report.rows)
            rows.push_back(Described(row));
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(report.numbers, c.numbers);
        std::vector<std::string> warnings;
        for (const Warning& warning : report.warnings)
            warnings.push_back(std::to_string(warning.line) + ": " + EnglishText(warning));
        EXPECT_EQ(warnings, c.warnings);
        EXPECT_EQ(report.duplicates, c.duplicates);
    }
}

TEST(ImportReport, moreThan500NumbersRefusesTheRest)
{
    std::string list;
    for (int i = 0; i < 502; ++i)
        list += std::to_string(1000 + i) + "\n";
    const ImportReport report = ReadImportReport(list);
    EXPECT_EQ(report.numbers.size(), 500u);
    ASSERT_EQ(report.Count(RowResult::Refused), 2);
    EXPECT_EQ(Described(report.rows[500]), "501 refused 1500: more than 500 numbers");
}

TEST(ImportReport, aWrittenBookReadsBackAsTheWindowPacksIt)
{
    std::vector<std::string> slots(500);
    slots[0] = "999";
    slots[7] = "+4412";
    slots[20] = "12";
    slots[499] = "1,\"2"; // a damaged slot is quoted so that it stays one field
    const std::string written = WriteBookCsv(slots);
    EXPECT_EQ(written, "slot,number\n0,999\n7,+4412\n20,12\n499,\"1,\"\"2\"\n");
    const ImportReport report = ReadImportReport(written);
    EXPECT_EQ(report.numbers, (std::vector<std::string>{"999", "+4412", "12"}));
    EXPECT_EQ(report.Count(RowResult::Refused), 1);
}

} // namespace
} // namespace csv
