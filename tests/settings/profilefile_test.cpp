#include "settings/profilefile.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <sys/stat.h>

namespace {

using settings::ParseIniInteger;
using settings::ProfileFile;
using settings::WriteError;

struct ReadCase {
    const char* name;
    std::string content;
    std::optional<std::string> port; // what [PortSettings] port reads as
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, findsFirstKeyOfSectionWhateverTheCase)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", GetParam().content);
    EXPECT_EQ(ProfileFile(dir / "qem.INI").Read("PortSettings", "port"), GetParam().port);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, ProfileReadTest,
    ::testing::Values(ReadCase{"plain", "[PortSettings]\nport=COM3\n", "COM3"},
        ReadCase{"namesIgnoreCase", "[portSETTINGS]\nPORT=COM3\n", "COM3"},
        ReadCase{"valueKeepsCase", "[PortSettings]\nport=com3\n", "com3"},
        ReadCase{"blanksAroundTrimmed", "[ PortSettings ]\n  port =  COM3 \t\n", "COM3"},
        ReadCase{"crlf", "[PortSettings]\r\nport=COM3\r\n", "COM3"},
        ReadCase{"noTrailingNewline", "[PortSettings]\nport=COM3", "COM3"},
        ReadCase{"duplicateKeyFirstWins", "[PortSettings]\nport=COM3\nport=COM4\n", "COM3"},
        ReadCase{"junkLinesIgnored",
            std::string("garbage\n[PortSettings\n\x01\x02") + std::string(1, '\0')
                + "junk\n=novalue\n[PortSettings]\nnoise\nport=COM3\n",
            "COM3"},
        ReadCase{"commentIsNotAKey", "[PortSettings]\n;port=COM9\nport=COM3\n", "COM3"},
        ReadCase{"keyOfOtherSection", "[Other]\nport=COM9\n[PortSettings]\nbaudrate=9600\n", std::nullopt},
        ReadCase{"keyBeforeAnySection", "port=COM9\n", std::nullopt},
        ReadCase{"missingSection", "[Other]\nport=COM9\n", std::nullopt},
        ReadCase{"repeatedSection", "[PortSettings]\nbaudrate=1\n[Other]\n[PortSettings]\nport=COM3\n", "COM3"},
        ReadCase{"emptyValue", "[PortSettings]\nport=\n", ""},
        ReadCase{"equalsInValue", "[PortSettings]\nport=a=b\n", "a=b"},
        ReadCase{"veryLongLine", "[PortSettings]\nport=" + std::string(200000, '7') + "\n", std::string(200000, '7')},
        ReadCase{"byteOrderMarkBeforeSection", "\xEF\xBB\xBF[PortSettings]\r\nport=COM3\r\n", "COM3"},
        ReadCase{"quotesAroundValueDropped", "[PortSettings]\nport = \" COM3 \" \n", " COM3 "},
        ReadCase{"loneQuoteKept", "[PortSettings]\nport=\"COM3\n", "\"COM3"},
        ReadCase{"emptyFile", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct WriteCase {
    const char* name;
    std::string before;
    std::string after; // after writing [PortSettings] baudrate=9600
};

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, changesOnlyTheKeyAndKeepsEveryOtherLine)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", GetParam().before);
    ProfileFile file(dir / "qem.INI");

    file.Write("PortSettings", "baudrate", "9600");

    EXPECT_EQ(ReadBytes(dir / "qem.INI"), GetParam().after);
    EXPECT_EQ(ProfileFile(dir / "qem.INI").Read("PortSettings", "baudrate"), "9600");
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileWriteTest,
    ::testing::Values(WriteCase{"replacesValue", "[PortSettings]\nport=COM3\nbaudrate=2400\nparity=None\n",
                          "[PortSettings]\nport=COM3\nbaudrate=9600\nparity=None\n"},
        WriteCase{"replacesFirstOfDuplicates", "[PortSettings]\nBAUDRATE=1\nbaudrate=2\n",
            "[PortSettings]\nBAUDRATE=9600\nbaudrate=2\n"},
        WriteCase{"appendsAtEndOfItsSection", "[A]\nx=1\n[PortSettings]\nport=COM3\n\n[B]\ny=2\n",
            "[A]\nx=1\n[PortSettings]\nport=COM3\nbaudrate=9600\n\n[B]\ny=2\n"},
        WriteCase{"appendsSectionWhenMissing", "[A]\nx=1\n", "[A]\nx=1\n[PortSettings]\nbaudrate=9600\n"},
        WriteCase{
            "endsUnterminatedLastLine", "[PortSettings]\nport=COM3", "[PortSettings]\nport=COM3\nbaudrate=9600\n"},
        WriteCase{"keepsCrlf", "[PortSettings]\r\nport=COM3\r\njunk line\r\n",
            "[PortSettings]\r\nport=COM3\r\njunk line\r\nbaudrate=9600\r\n"},
        WriteCase{"keepsJunkAndComments", "; settings\n\x01junk\n[PortSettings]\n;baudrate=1\nport=COM3\n",
            "; settings\n\x01junk\n[PortSettings]\n;baudrate=1\nport=COM3\nbaudrate=9600\n"},
        WriteCase{
            "missingSectionAfterUnterminatedLine", "[Other]\nx=1", "[Other]\nx=1\n[PortSettings]\nbaudrate=9600\n"},
        WriteCase{"keepsByteOrderMark", "\xEF\xBB\xBF[PortSettings]\nport=COM3\n",
            "\xEF\xBB\xBF[PortSettings]\nport=COM3\nbaudrate=9600\n"},
        WriteCase{"emptyFile", "", "[PortSettings]\nbaudrate=9600\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    std::string value;
    std::string written; // the value's form in the file
};

class ProfileRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProfileRoundTripTest, everyValueWrittenReadsBackUnchanged)
{
    TempDir dir;
    ProfileFile(dir / "qem.INI").Write("PortSettings", "current_file", GetParam().value);
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), "[PortSettings]\ncurrent_file=" + GetParam().written + "\n");
    EXPECT_EQ(ProfileFile(dir / "qem.INI").Read("PortSettings", "current_file"), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ProfileRoundTripTest,
    ::testing::Values(RoundTripCase{"path", "/home/op/book.kalc", "/home/op/book.kalc"},
        RoundTripCase{"trailingBlank", "/home/op/book.kalc ", "\"/home/op/book.kalc \""},
        RoundTripCase{"leadingBlank", " book.kalc", "\" book.kalc\""},
        RoundTripCase{"trailingTab", "book\t", "\"book\t\""},
        RoundTripCase{"enclosedInQuotes", "\"a b\"", "\"\"a b\"\""},
        RoundTripCase{"quoteAtOneEnd", "\"a", "\"a"},
        RoundTripCase{"onlyBlanks", "  ", "\"  \""},
        RoundTripCase{"empty", "", ""},
        RoundTripCase{"innerBlanksAndSigns", "/a b/x=y;[z].kalc", "/a b/x=y;[z].kalc"},
        RoundTripCase{"anyBytes", "/home/\xc3\xbc/\xff.kalc", "/home/\xc3\xbc/\xff.kalc"},
        RoundTripCase{"portPath", "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
            "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ProfileFile, createsMissingFile)
{
    TempDir dir;
    ProfileFile file(dir / "qem.INI");
    file.Write("PortSettings", "port", "COM1");
    file.Write("PortSettings", "dataBits", "8");
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), "[PortSettings]\nport=COM1\ndataBits=8\n");
}

TEST(ProfileFile, unwritableFileThrowsWithItsPath)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "qem.INI");
    ProfileFile file(dir / "qem.INI");
    try {
        file.Write("PortSettings", "port", "COM1");
        FAIL() << "no WriteError";
    } catch (const WriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (dir / "qem.INI"));
    }
}

TEST(ProfileFile, fileThatCannotBeReadIsNeverOverwritten)
{
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "qem.INI").c_str(), 0600), 0);
    ProfileFile file(dir / "qem.INI");
    EXPECT_THROW(file.Write("PortSettings", "port", "COM1"), WriteError);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "qem.INI"));
}

TEST(ProfileFile, valueWithLineBreakIsRefusedAndFileKept)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\nport=COM3\n");
    ProfileFile file(dir / "qem.INI");
    EXPECT_THROW(file.Write("PortSettings", "current_file", "/tmp/a\nport=COM9"), WriteError);
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), "[PortSettings]\nport=COM3\n");
}

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int> value;
};

class ParseIniIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIniIntegerTest, acceptsDecimalAndHexWithin32Bits)
{
    EXPECT_EQ(ParseIniInteger(GetParam().text), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ParseIniIntegerTest,
    ::testing::Values(IntegerCase{"decimal", "2400", 2400},
        IntegerCase{"negative", "-3", -3},
        IntegerCase{"plusSign", "+4", 4},
        IntegerCase{"hexLower", "0x1f", 31},
        IntegerCase{"hexUpperPrefix", "0X2580", 9600},
        IntegerCase{"hexAllBits", "0xFFFFFFFF", -1},
        IntegerCase{"lowest", "-2147483648", INT_MIN},
        IntegerCase{"letter", "x", std::nullopt},
        IntegerCase{"empty", "", std::nullopt},
        IntegerCase{"prefixOnly", "0x", std::nullopt},
        IntegerCase{"badHexDigit", "0x1G", std::nullopt},
        IntegerCase{"tooManyHexDigits", "0x100000000", std::nullopt},
        IntegerCase{"trailingLetters", "12abc", std::nullopt},
        IntegerCase{"innerBlank", "1 2", std::nullopt},
        IntegerCase{"beyondRange", "2147483648", std::nullopt},
        IntegerCase{"hugeNumber", "999999999999999999999", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReadIni, presentValuesAreReturnedAndFileUntouched)
{
    TempDir dir;
    const std::string content = "[PortSettings]\nport=COM3\ndataBits=x\nstopBits=0x19\n";
    WriteBytes(dir / "qem.INI", content);
    ProfileFile file(dir / "qem.INI");

    EXPECT_EQ(ReadOrAddString(file, "PortSettings", "PORT", "COM1"), "COM3");
    EXPECT_EQ(ReadOrAddInteger(file, "PortSettings", "databits", 8), 1); // malformed reads as 1
    EXPECT_EQ(ReadOrAddInteger(file, "PortSettings", "stopBits", 1), 25);
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), content);
}

TEST(ReadIni, missingKeysAreWrittenWithTheirDefaults)
{
    TempDir dir;
    WriteBytes(dir / "qem.INI", "[PortSettings]\nport=COM3\n");
    ProfileFile file(dir / "qem.INI");

    EXPECT_EQ(ReadOrAddInteger(file, "PortSettings", "baudrate", 2400), 2400);
    EXPECT_EQ(ReadOrAddString(file, "PortSettings", "parity", "None"), "None");
    EXPECT_EQ(ReadBytes(dir / "qem.INI"), "[PortSettings]\nport=COM3\nbaudrate=2400\nparity=None\n");
}

} // namespace
