// Phone book files as the command line reads, compares and exports them.

#include "cli/bookdiff.h"
#include "cli/bookimage.h"
#include "cli/csvbook.h"
#include "cli/failure.h"
#include "cli/portchoice.h"
#include "cli/report.h"

#include "tests/cli/goldenbook.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <optional>

namespace cli {
namespace {

TEST(BookFile, summaryReadsNumbersRelaySettingsAndCheckValue)
{
    // 40000 ms is stored as 40 9C and shown unsigned; a one-digit slot is in
    // use for the device even though the window shows it empty.
    std::string book = GoldenBook({{0, "+37060000001"}, {3, "5"}, {499, "123456789012345"}}, 40000, 1);
    BookSummary summary = Summarize(book);
    EXPECT_EQ(summary.numbers, (std::vector<SlotNumber>{{0, "+37060000001"}, {3, "5"}, {499, "123456789012345"}}));
    EXPECT_EQ(summary.relayTimeout, 40000);
    EXPECT_TRUE(summary.externalOff);
    EXPECT_TRUE(summary.checkValueValid);

    book[7506] ^= 1;
    EXPECT_FALSE(Summarize(book).checkValueValid);
    book = GoldenBook({});
    book[7502] = 2; // any byte but zero switches it on, as loading in the window does
    EXPECT_TRUE(Summarize(book).externalOff);
}

TEST(BookFile, onlyWholePhoneBookFilesLoad)
{
    TempDir dir;
    const std::string book = GoldenBook({{1, "22"}});
    // The empty file the window creates at its first start is an empty book.
    for (const auto& [bytes, loaded] : std::vector<std::pair<std::string, std::optional<std::string>>>{
             {book, book}, {book.substr(0, 7506), std::nullopt}, {book + "x", std::nullopt}, {"", GoldenBook({})}}) {
        WriteBytes(dir / "book.kalc", bytes);
        if (loaded) {
            EXPECT_TRUE(LoadBookFile(dir / "book.kalc") == *loaded);
            continue;
        }
        try {
            LoadBookFile(dir / "book.kalc");
            ADD_FAILURE() << bytes.size() << " bytes loaded";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Status(), ExitBadInput);
        }
    }
    EXPECT_THROW(LoadBookFile(dir.Path()), Failure); // a folder
    EXPECT_THROW(LoadBookFile(dir / "missing.kalc"), Failure);
}

TEST(BookFile, differencesAreListedFieldByField)
{
    const std::string a = GoldenBook({{0, "111"}, {1, "222"}, {7, "777"}}, 500, 1);
    std::string b = GoldenBook({{0, "111"}, {1, "223"}, {8, "888"}}, 600, 0);
    const BookDifferences differences = CompareBooks(a, b);
    EXPECT_EQ(differences.slots, (std::vector<SlotDifference>{{1, "222", "223"}, {7, "777", ""}, {8, "", "888"}}));
    EXPECT_EQ(differences.relayTimeout, std::make_pair(std::uint16_t{500}, std::uint16_t{600}));
    EXPECT_EQ(differences.externalOff, std::make_pair(true, false));
    EXPECT_EQ(differences.Count(), 5u);
    EXPECT_EQ(DifferencesText(differences, "a.kalc", "device"),
        "differences (a.kalc | device):\n"
        "slot 1: 222 | 223\n"
        "slot 7: 777 | (empty)\n"
        "slot 8: (empty) | 888\n"
        "relay time-out: 500 | 600 ms\n"
        "external disconnection: on | off\n"
        "5 differences\n");

    // A byte after a number's end is a difference too, the check value is not.
    b = a;
    b[15 + 5] = 'x';
    b[7506] ^= 1;
    EXPECT_EQ(CompareBooks(a, b).slots, (std::vector<SlotDifference>{{1, "222", "222"}}));
    EXPECT_EQ(CompareBooks(a, a).Count(), 0u);
}

TEST(BookFile, deviceDumpBecomesTheFileTheWindowSaves)
{
    std::string dump = GoldenBook({{0, "+37060000001"}, {2, "42"}}, 500, 1).substr(0, 7503);
    dump += "\x12\x34"; // the device's trailing bytes are not looked at
    EXPECT_TRUE(ImageFromDump(dump) == GoldenBook({{0, "+37060000001"}, {2, "42"}}, 500, 1));
    for (const std::size_t length : {0u, 7504u, 7506u}) {
        try {
            ImageFromDump(dump.substr(0, length) + std::string(length > 7505 ? 1 : 0, '\0'));
            ADD_FAILURE() << length;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Status(), ExitDeviceFailure);
            EXPECT_NE(std::string(failure.what()).find("incomplete dump"), std::string::npos);
        }
    }
}

TEST(BookFile, exportListsSlotsInUseAndQuotesWhatNeedsIt)
{
    EXPECT_EQ(ExportCsv(GoldenBook({{0, "+370600"}, {4, "0037012"}}, 500, 1)), "slot,number\n0,+370600\n4,0037012\n");
    // A damaged file's slot is written so that a spreadsheet keeps it whole.
    EXPECT_EQ(ExportCsv(GoldenBook({{2, "1,\"2"}})), "slot,number\n2,\"1,\"\"2\"\n");
}

TEST(BookFile, importWritesTheWindowsFileAndRefusedRowsStopItUnlessSkipped)
{
    // As the window saves after a cell move: packed, the first left first,
    // the rest sorted byte by byte ("+" before digits, "12" before "20").
    const std::string saved = GoldenBook({{0, "999"}, {1, "+4412"}, {2, "0037061"}, {3, "12"}, {4, "20"}}, 65535, 1);
    const ImportOptions options{.relayTimeout = 65535, .externalOff = true, .skipBad = false};
    const std::optional<std::string> image = ImageOfImport(csv::ReadImportReport(ExportCsv(saved)), options);
    ASSERT_TRUE(image);
    EXPECT_TRUE(*image == saved);

    const csv::ImportReport refused = csv::ReadImportReport("0,12\n1,abc\n2,34\n");
    EXPECT_FALSE(ImageOfImport(refused, {}));
    const std::optional<std::string> skipped = ImageOfImport(refused, {.relayTimeout = 500, .skipBad = true});
    ASSERT_TRUE(skipped);
    EXPECT_TRUE(*skipped == GoldenBook({{0, "12"}, {1, "34"}}, 500));
}

TEST(BookFile, hostileBytesArePrintedEscaped)
{
    const BookSummary summary = Summarize(GoldenBook({{0, "1\x1b[2J\xff"}}));
    EXPECT_EQ(Printable(summary.numbers[0].number), "1\\x1B[2J\\xFF");
    EXPECT_NO_THROW(BookJson(summary).dump());
}

TEST(PortChoice, optionsThenSettingsFileThenDefaults)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\nport=/dev/ttyUSB3\nbaudrate=9600\nparity=Even\nstopBits=25\n");
    PortOptions options;
    options.port = "/dev/ttyACM0";
    options.dataBits = serial::dbSeven;

    const serial::PortSettings fromWindowFile = ChoosePortSettings(options, dir / "qem.INI");
    EXPECT_EQ(fromWindowFile.Port, "/dev/ttyACM0");
    EXPECT_EQ(fromWindowFile.BaudRate, 9600u);
    EXPECT_EQ(fromWindowFile.DataBits, serial::dbSeven);
    EXPECT_EQ(fromWindowFile.Parity, serial::prEven);
    EXPECT_EQ(fromWindowFile.StopBits, serial::sbOne5StopBits);

    const serial::PortSettings defaults = ChoosePortSettings({}, dir / "missing.INI");
    EXPECT_EQ(defaults.Port, "COM1");
    EXPECT_EQ(defaults.BaudRate, 2400u);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.INI")); // only read, never created

    WriteBytes(dir / "other.INI", "[PortSettings]\nbaudrate=115200\n");
    options = {};
    options.settingsFile = dir / "other.INI";
    EXPECT_EQ(ChoosePortSettings(options, dir / "qem.INI").BaudRate, 115200u);
    EXPECT_EQ(ChoosePortSettings(options, dir / "qem.INI").Port, "COM1");
    options.settingsFile = dir / "missing.INI";
    EXPECT_THROW(ChoosePortSettings(options, dir / "qem.INI"), Failure);
}

} // namespace
} // namespace cli
