// Spreadsheet CSVs into phone books: separators, quotes, byte-order marks,
// line ends, one-column lists, rejected rows and the round trip.

#include "cli/csvexport.h"
#include "cli/csvimport.h"

#include "tests/cli/goldenbook.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

struct GoodCase {
    const char* name;
    std::string csv;
    std::vector<std::string> numbers; // packed from slot 0
};

TEST(CsvImport, spreadsheetFormsGiveThePackedBook)
{
    const std::vector<GoodCase> cases = {
        {"comma, header, BOM, CRLF, blanks dashes brackets dropped",
            "\xEF\xBB\xBFslot,number\r\n0,+370 600-00001\r\n1,(8) 600 00002\r\n", {"+37060000001", "860000002"}},
        {"semicolon, quoted, ordered by slot, leading 00 kept", "Slot;Number\n3;\"00 370 1\"\n1;\"222\"\n",
            {"222", "003701"}},
        {"tab, no header, trailing empty columns", "5\t333\t\t\n2\t999\t\n9\t111\n", {"999", "111", "333"}},
        {"one column, all but the first sorted", "555\n444\n\n333", {"555", "333", "444"}},
        {"quoted line break inside a header field", "\"Phone\nnumbers\"\n+1 23\n", {"+123"}},
        {"UTF-16 with byte-order mark, tab separated",
            std::string("\xFF\xFE" "1\0\t\0" "7\0" "7\0\r\0\n\0", 14), {"77"}},
        {"digits of other scripts and a no-break space",
            "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93\n+370\xC2\xA0" "600\n", {"123", "+370600"}},
        {"a slot left empty is skipped", "0,\n1,12\n", {"12"}},
        {"duplicates are kept", "12\n34\n12\n", {"12", "12", "34"}},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = ImportCsv(c.csv, {});
        EXPECT_TRUE(result.rejected.empty()) << result.rejected.front().text;
        EXPECT_EQ(result.numbers, c.numbers);
        std::map<int, std::string> slots;
        for (std::size_t i = 0; i < c.numbers.size(); ++i)
            slots[static_cast<int>(i)] = c.numbers[i];
        ASSERT_TRUE(result.image);
        EXPECT_TRUE(*result.image == GoldenBook(slots)); // equal bytes, not printed
    }
}

struct BadCase {
    const char* name;
    std::string csv;
    std::vector<RowNote> rejected; // the reason is matched by its beginning
};

TEST(CsvImport, badRowsAreListedAndNothingIsMade)
{
    std::string tooMany;
    for (int i = 0; i < 501; ++i)
        tooMany += std::to_string(1000 + i) + "\n";
    const std::vector<BadCase> cases = {
        {"letters", "slot,number\n0,12\n1,12ab\n", {{3, "\"12ab\" is not a phone number"}}},
        {"a plus sign inside", "12\n12+3\n", {{2, "\"12+3\" is not a phone number"}}},
        {"longer than 15", "0,1234567890123456\n", {{1, "\"1234567890123456\" is longer than 15"}}},
        {"one character", "0,7\n", {{1, "\"7\" is too short"}}},
        {"slot outside 0-499", "500,12\n-1,13\nx,14\n",
            {{1, "slot \"500\" is not between"}, {2, "slot \"-1\" is not between"}, {3, "slot \"x\" is not between"}}},
        {"a third column", "0,12\n1,13,14\n", {{2, "expected \"slot,number\""}}},
        {"more than 500 numbers", tooMany, {{501, "more than 500 numbers"}}},
        {"a letter of another script", "12\n12\xD0\x90\n", {{2, "\"12\xD0\x90\" is not a phone number"}}},
        {"spreadsheet number format", "12\n3.706E+10\n", {{2, "\"3.706E+10\" is not a phone number"}}},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = ImportCsv(c.csv, {});
        EXPECT_FALSE(result.image);
        ASSERT_EQ(result.rejected.size(), c.rejected.size());
        for (std::size_t i = 0; i < c.rejected.size(); ++i) {
            EXPECT_EQ(result.rejected[i].line, c.rejected[i].line);
            EXPECT_TRUE(result.rejected[i].text.starts_with(c.rejected[i].text)) << result.rejected[i].text;
        }
    }
}

TEST(CsvImport, skipBadWritesTheGoodRowsAndWarningsNameTheOtherLine)
{
    ImportOptions options;
    options.skipBad = true;
    options.relayTimeout = 500;
    options.externalOff = true;
    const ImportResult result = ImportCsv("0,12\n1,abc\n0,34\n2,12\n", options);
    ASSERT_EQ(result.rejected.size(), 1u);
    EXPECT_EQ(result.rejected[0].line, 2);
    EXPECT_EQ(result.warnings,
        (std::vector<RowNote>{{3, "slot 0 also on line 1; both numbers kept"}, {4, "\"12\" also on line 1; kept twice"}}));
    ASSERT_TRUE(result.image);
    EXPECT_TRUE(*result.image == GoldenBook({{0, "12"}, {1, "12"}, {2, "34"}}, 500, 1));
}

TEST(CsvImport, exportThenImportGivesTheWindowsFileByteForByte)
{
    // As the window saves after a cell move: packed, the first left first,
    // the rest sorted byte by byte ("+" before digits, "12" before "20").
    const std::string saved = GoldenBook({{0, "999"}, {1, "+4412"}, {2, "0037061"}, {3, "12"}, {4, "20"}}, 65535, 1);
    ImportOptions options;
    options.relayTimeout = 65535;
    options.externalOff = true;
    const ImportResult result = ImportCsv(ExportCsv(saved), options);
    ASSERT_TRUE(result.image);
    EXPECT_TRUE(*result.image == saved);
}

} // namespace
} // namespace cli
